#include "core/soil/cation_exchange.h"

#include "core/app/errors.h"
#include "core/app/number_text.h"
#include "core/app/window_state.h"

namespace bulbicalc {
namespace {

void writeShare(WindowState& window, const char* field, double amount, double ctc,
                const char* pattern = "0.0")
{
    window.setText(field, formatNumber(divide(amount, ctc) * 100, pattern));
}

void writeRelation(WindowState& window, const char* field, double numerator, double denominator)
{
    window.setText(field, formatNumber(divide(numerator, denominator), "0.00"));
}

double potassiumCmol(double kMg)
{
    return kMg / kPotassiumMgPerCmol;
}

} // namespace

void writeCaSaturation(WindowState& window, double ca, double ctc)
{
    writeShare(window, "Edit14", ca, ctc);
}
void writeMgSaturation(WindowState& window, double mg, double ctc)
{
    writeShare(window, "Edit46", mg, ctc);
}
void writeAlSaturation(WindowState& window, double al, double ctc)
{
    writeShare(window, "Edit43", al, ctc);
}

void writeKSaturation(WindowState& window, double kMg, double ctc)
{
    writeShare(window, "Edit42", potassiumCmol(kMg), ctc);
}

void writeHSaturation(WindowState& window, double hAl, double al, double ctc, const char* pattern)
{
    writeShare(window, "Edit47", hAl - al, ctc, pattern);
}

void writeCaMgRelation(WindowState& window, double ca, double mg)
{
    writeRelation(window, "Edit13", ca, mg);
}

void writeCaKRelation(WindowState& window, double ca, double kMg)
{
    writeRelation(window, "Edit32", ca, potassiumCmol(kMg));
}

void writeMgKRelation(WindowState& window, double mg, double kMg)
{
    writeRelation(window, "Edit41", mg, potassiumCmol(kMg));
}

} // namespace bulbicalc

#include "core/soil/cation_exchange.h"

#include "core/app/errors.h"
#include "core/app/number_text.h"
#include "core/app/window_state.h"
#include "core/soil/soil_controls.h"

#include <string_view>

namespace bulbicalc {

double potassiumCmol(double kMg)
{
    return kMg / kPotassiumMgPerCmol;
}

double saturation(double amount, double ctc)
{
    return divide(amount, ctc) * 100;
}

double potassiumSaturation(double kMg, double ctc)
{
    return saturation(potassiumCmol(kMg), ctc);
}

double hydrogenSaturation(double hAl, double al, double ctc)
{
    return saturation(hAl - al, ctc);
}

double caMgRelation(double ca, double mg)
{
    return divide(ca, mg);
}

double caKRelation(double ca, double kMg)
{
    return divide(ca, potassiumCmol(kMg));
}

double mgKRelation(double mg, double kMg)
{
    return divide(mg, potassiumCmol(kMg));
}

namespace {

void writeShare(WindowState& window, std::string_view field, double share, const char* pattern = "0.0")
{
    window.setText(field, formatNumber(share, pattern));
}

void writeRelation(WindowState& window, std::string_view field, double relation)
{
    window.setText(field, formatNumber(relation, "0.00"));
}

} // namespace

void writeCaSaturation(WindowState& window, double ca, double ctc)
{
    writeShare(window, soil::Edit14, saturation(ca, ctc));
}
void writeMgSaturation(WindowState& window, double mg, double ctc)
{
    writeShare(window, soil::Edit46, saturation(mg, ctc));
}
void writeAlSaturation(WindowState& window, double al, double ctc)
{
    writeShare(window, soil::Edit43, saturation(al, ctc));
}
void writeKSaturation(WindowState& window, double kMg, double ctc)
{
    writeShare(window, soil::Edit42, potassiumSaturation(kMg, ctc));
}
void writeHSaturation(WindowState& window, double hAl, double al, double ctc, const char* pattern)
{
    writeShare(window, soil::Edit47, hydrogenSaturation(hAl, al, ctc), pattern);
}

void writeCaMgRelation(WindowState& window, double ca, double mg)
{
    writeRelation(window, soil::Edit13, caMgRelation(ca, mg));
}
void writeCaKRelation(WindowState& window, double ca, double kMg)
{
    writeRelation(window, soil::Edit32, caKRelation(ca, kMg));
}
void writeMgKRelation(WindowState& window, double mg, double kMg)
{
    writeRelation(window, soil::Edit41, mgKRelation(mg, kMg));
}

} // namespace bulbicalc

#include "core/app/number_text.h"
#include "core/app/window_state.h"
#include "core/doses/doses.h"
#include "core/doses/recommendation_table.h"

#include <string>

namespace bulbicalc {
namespace {

double sulphurDose(bool sandySoil, double sulphur)
{
    if (sandySoil) {
        if (sulphur <= 15)
            return 60;
        if (sulphur <= 20)
            return 30;
        return 0;
    }
    return sulphur <= 10 ? 30 : 0;
}

// Micronutrient advice: one text at or below the threshold, another above.
void adviseMicronutrient(WindowState& window, const char* field, const char* label, double threshold,
                         const char* deficient, const char* sufficient)
{
    if (window.isEmpty(field))
        return;
    const double content = window.number(field);
    window.setText(label, content <= threshold ? deficient : sufficient);
}

} // namespace

void DoseS(WindowState& window)
{
    if (window.isEmpty("EdS"))
        return;
    ModuleNumbers& n = window.numbers();
    n.S = window.number("EdS");
    const std::string dose = formatNumber(sulphurDose(window.isChecked("RadioButton21"), n.S), "0.0");
    window.setText("Edit22", dose);
    // Published even when the text did not change, like the P2O5 dose.
    publishFirstParcelaDose(window, Nutrient::S, dose);
}

void DoseZn(WindowState& window)
{
    adviseMicronutrient(window, "EdZn", "BTRZn", 3.0,
                        "Aplicar de 3 a 4 kg/ha de Zn a cada 2 anos.\r"
                        " Aplicar via solo, previamente ao plantio ou semeadura",
                        "Não há necessidade de adubação com Zn");
}

void DoseB(WindowState& window)
{
    adviseMicronutrient(window, "EdB", "BTRB", 0.6,
                        "Aplicar anualmente de 1,5 a 2,0 kg/ha de B. \r"
                        "Pode se aplicado a lanço antes do plantio ou semeadura",
                        "Não há necessidade de aplicar boro");
}

void DoseMn(WindowState& window)
{
    adviseMicronutrient(window, "EdMn", "BTRMn", 5.0,
                        "Fazer de 3 a 4 pulverizações com Sulfato de Mn \r"
                        "na concentração de 0,5 a 1% em intervalos de uma a duas semanas",
                        "Não há necessidade de suplementar Mn");
}

} // namespace bulbicalc

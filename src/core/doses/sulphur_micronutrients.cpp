#include "core/doses/sulphur_micronutrients.h"

#include "core/app/number_text.h"
#include "core/app/window_state.h"
#include "core/doses/doses.h"
#include "core/doses/doses_controls.h"
#include "core/doses/recommendation_table.h"
#include "core/soil/soil_controls.h"

#include <string>
#include <string_view>

namespace bulbicalc {

double sulphurDose(SoilGroup group, double sulphur)
{
    if (group == SoilGroup::Sandy) {
        if (sulphur <= 15)
            return 60;
        if (sulphur <= 20)
            return 30;
        return 0;
    }
    return sulphur <= 10 ? 30 : 0;
}

const char* zincAdvice(double zinc)
{
    if (zinc <= 3.0)
        return "Aplicar de 3 a 4 kg/ha de Zn a cada 2 anos.\r"
               " Aplicar via solo, previamente ao plantio ou semeadura";
    return "Não há necessidade de adubação com Zn";
}

const char* boronAdvice(double boron)
{
    if (boron <= 0.6)
        return "Aplicar anualmente de 1,5 a 2,0 kg/ha de B. \r"
               "Pode se aplicado a lanço antes do plantio ou semeadura";
    return "Não há necessidade de aplicar boro";
}

const char* manganeseAdvice(double manganese)
{
    if (manganese <= 5.0)
        return "Fazer de 3 a 4 pulverizações com Sulfato de Mn \r"
               "na concentração de 0,5 a 1% em intervalos de uma a duas semanas";
    return "Não há necessidade de suplementar Mn";
}

namespace {

// The advice of a given content into its label; nothing while it is empty.
void adviseMicronutrient(WindowState& window, std::string_view field, std::string_view label,
                         const char* (*advice)(double))
{
    if (window.isEmpty(field))
        return;
    window.setText(label, advice(window.number(field)));
}

} // namespace

void DoseS(WindowState& window)
{
    if (window.isEmpty(soil::EdS))
        return;
    ModuleNumbers& n = window.numbers();
    n.S = window.number(soil::EdS);
    const SoilGroup group = window.isChecked(doses::RadioButton21) ? SoilGroup::Sandy : SoilGroup::Clayey;
    const std::string dose = formatNumber(sulphurDose(group, n.S), "0.0");
    window.setText(doses::Edit22, dose);
    // Published even when the text did not change, like the P2O5 dose.
    publishFirstParcelaDose(window, Nutrient::S, dose);
}

void DoseZn(WindowState& window)
{
    adviseMicronutrient(window, soil::EdZn, doses::BTRZn, zincAdvice);
}

void DoseB(WindowState& window)
{
    adviseMicronutrient(window, soil::EdB, doses::BTRB, boronAdvice);
}

void DoseMn(WindowState& window)
{
    adviseMicronutrient(window, soil::EdMn, doses::BTRMn, manganeseAdvice);
}

} // namespace bulbicalc

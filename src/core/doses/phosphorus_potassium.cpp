#include "core/doses/phosphorus_potassium.h"

#include "core/app/number_text.h"
#include "core/app/window_state.h"
#include "core/doses/doses.h"
#include "core/doses/doses_controls.h"
#include "core/doses/recommendation_table.h"
#include "core/doses/split_grid.h"
#include "core/soil/soil_controls.h"

#include <string>

namespace bulbicalc {
namespace {

using BaseDoses = std::array<double, 5>;
constexpr BaseDoses kPhosphateDoses = {280, 200, 160, 120, 80};
constexpr BaseDoses kPotashDoses = {210, 150, 120, 90, 60};

double classDose(double content, const ClassLimits& limits, const BaseDoses& doses, double yield)
{
    const auto index = static_cast<std::size_t>(nutrientClass(content, limits));
    // Above three times the limit of "Médio" the soil needs no fertiliser;
    // the class stays "Muito alto".
    const double base = content > 3 * limits[2] ? 0.0 : doses[index];
    return yieldCorrected(base, yield);
}

// Stores the limits in the module-level numbers that the reports and the
// later handlers read.
void storeLimits(const ClassLimits& limits, double& lm1, double& lm2, double& lm3, double& lm4)
{
    lm1 = limits[0];
    lm2 = limits[1];
    lm3 = limits[2];
    lm4 = limits[3];
}

} // namespace

const char* nutrientClassName(NutrientClass nutrientClass)
{
    switch (nutrientClass) {
    case NutrientClass::VeryLow:
        return "Muito baixo";
    case NutrientClass::Low:
        return "Baixo";
    case NutrientClass::Medium:
        return "Médio";
    case NutrientClass::High:
        return "Alto";
    case NutrientClass::VeryHigh:
        break;
    }
    return "Muito alto";
}

ClassLimits phosphorusLimits(double clay)
{
    if (clay >= 60)
        return {3, 6, 9, 12};
    if (clay > 40)
        return {4, 8, 12, 24};
    if (clay > 20)
        return {6, 12, 18, 36};
    return {10, 20, 30, 60};
}

ClassLimits potassiumLimits(double ctc)
{
    if (ctc <= 7.5)
        return {20, 40, 60, 120};
    if (ctc <= 15)
        return {30, 60, 90, 180};
    if (ctc <= 30)
        return {40, 80, 120, 240};
    return {45, 90, 135, 270};
}

NutrientClass nutrientClass(double content, const ClassLimits& limits)
{
    std::size_t k = 0;
    while (k < limits.size() && content > limits[k])
        ++k;
    return static_cast<NutrientClass>(k);
}

double yieldCorrected(double dose, double yield)
{
    return yield > 30 ? dose + 3 * (yield - 30) : dose;
}

double phosphateDose(double phosphorus, const ClassLimits& limits, double yield)
{
    return classDose(phosphorus, limits, kPhosphateDoses, yield);
}

double potashDose(double potassium, const ClassLimits& limits, double yield)
{
    return classDose(potassium, limits, kPotashDoses, yield);
}

const char* phosphateAdvice(double dose)
{
    if (dose <= 120)
        return "Pode aplicar toda dose no sulco de semeadura,\r"
               " ou a lanço e incorporado antes da semeadura ou plantio";
    return "Dividir a dose aplicando\r metade a lanço e incorporada\r metade aplicada na linha de plantio";
}

PotashSplitProposal proposedPotashSplit(double dose)
{
    PotashSplitProposal proposal;
    if (dose >= 120) {
        proposal.applications = 3;
        proposal.shares.assign(kThreeApplicationPotashShares.begin(), kThreeApplicationPotashShares.end());
        proposal.advice = "50%  a lanço no transplante ou semeadura \r"
                          "25 % em cobertura aos 60 DAT ou 110 DASD\r"
                          "25 % em cobertura aos 85 dias após transplante ou 110 dias após "
                          "semeadura direta em campo";
    } else {
        proposal.applications = 1;
        proposal.shares = {"100"};
        proposal.advice = "Aplicada lanço e incorporada no transplante ou semeadura";
    }
    if (dose <= 60)
        proposal.advice = "Pode também ser aplicada na linha de plantio ou semeadura";
    return proposal;
}

void ClasseP(WindowState& window)
{
    ModuleNumbers& n = window.numbers();
    const ClassLimits limits = phosphorusLimits(n.argila);
    storeLimits(limits, n.Lm1P, n.Lm2P, n.Lm3P, n.Lm4P);
    window.setText(soil::EdClasseP, nutrientClassName(nutrientClass(n.P, limits)));
    const double dose = phosphateDose(n.P, limits, window.number(soil::EdProducao));
    const std::string doseText = formatNumber(dose, "0,0");
    window.setText(doses::Edit18, doseText);
    // Published even when the text did not change (the field starts at "80"):
    // a computed dose always reaches the recommendation table.
    publishFirstParcelaDose(window, Nutrient::P2O5, doseText);
    window.setText(doses::BtObsP, "");
    window.setText(doses::BtObsP, phosphateAdvice(dose));
}

void ClasseK(WindowState& window)
{
    ModuleNumbers& n = window.numbers();
    const ClassLimits limits = potassiumLimits(n.CTC);
    storeLimits(limits, n.Lm1K, n.Lm2K, n.Lm3K, n.Lm4K);
    window.setText(soil::EdClasseK, nutrientClassName(nutrientClass(n.K, limits)));
    n.Producao = window.number(soil::EdProducao);
    const double dose = potashDose(n.K, limits, n.Producao);
    window.setText(doses::Edit19, formatNumber(dose, "0,0"));

    const PotashSplitProposal proposal = proposedPotashSplit(dose);
    Grid& split = window.grid(doses::rstga2);
    split.setRowCount(proposal.applications + 1);
    window.setSpinPosition(doses::UpDown2, proposal.applications);
    for (int row = 1; row <= proposal.applications; ++row)
        split.setCell(split_column::kPercent, row, proposal.shares[static_cast<std::size_t>(row - 1)]);
    window.setText(doses::BtObsK, proposal.advice);
}

} // namespace bulbicalc

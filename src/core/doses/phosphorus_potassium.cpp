#include "core/app/number_text.h"
#include "core/app/window_state.h"
#include "core/doses/doses.h"
#include "core/doses/recommendation_table.h"

#include <array>
#include <string>

namespace bulbicalc {
namespace {

using Limits = std::array<double, 4>;

// Upper limits of the classes "Muito baixo", "Baixo", "Médio" and "Alto".
Limits phosphorusLimits(double clay)
{
    if (clay >= 60)
        return {3, 6, 9, 12};
    if (clay > 40)
        return {4, 8, 12, 24};
    if (clay > 20)
        return {6, 12, 18, 36};
    return {10, 20, 30, 60};
}

Limits potassiumLimits(double ctc)
{
    if (ctc <= 7.5)
        return {20, 40, 60, 120};
    if (ctc <= 15)
        return {30, 60, 90, 180};
    if (ctc <= 30)
        return {40, 80, 120, 240};
    return {45, 90, 135, 270};
}

struct ClassAndDose {
    const char* name;
    double dose;
};

// Stores the class limits in the module-level numbers and returns the class
// of the content with the base dose of the class; a content above three times
// the limit of "Médio" needs no fertiliser (the class stays "Muito alto").
ClassAndDose classify(double content, const Limits& limits, const std::array<double, 5>& doses,
                      std::array<double*, 4> storedLimits)
{
    static constexpr const char* kNames[] = {"Muito baixo", "Baixo", "Médio", "Alto", "Muito alto"};
    for (std::size_t k = 0; k < limits.size(); ++k)
        *storedLimits[k] = limits[k];
    std::size_t k = 0;
    while (k < limits.size() && content > limits[k])
        ++k;
    return {kNames[k], content > 3 * limits[2] ? 0.0 : doses[k]};
}

// Doses grow by 3 kg/ha for every t/ha above 30, also from a zero base dose.
double yieldCorrected(double dose, double yield)
{
    return yield > 30 ? dose + 3 * (yield - 30) : dose;
}

} // namespace

void ClasseP(WindowState& window)
{
    ModuleNumbers& n = window.numbers();
    auto [name, dose] = classify(n.P, phosphorusLimits(n.argila), {280, 200, 160, 120, 80},
                                 {&n.Lm1P, &n.Lm2P, &n.Lm3P, &n.Lm4P});
    window.setText("EdClasseP", name);
    dose = yieldCorrected(dose, window.number("EdProducao"));
    const std::string doseText = formatNumber(dose, "0,0");
    window.setText("Edit18", doseText);
    // Published even when the text did not change (the field starts at "80"):
    // a computed dose always reaches the recommendation table.
    publishFirstParcelaDose(window, Nutrient::P2O5, doseText);
    window.setText("BtObsP", "");
    if (dose <= 120)
        window.setText("BtObsP", "Pode aplicar toda dose no sulco de semeadura,\r"
                                 " ou a lanço e incorporado antes da semeadura ou plantio");
    else
        window.setText("BtObsP", "Dividir a dose aplicando\r metade a lanço e incorporada\r"
                                 " metade aplicada na linha de plantio");
}

void ClasseK(WindowState& window)
{
    ModuleNumbers& n = window.numbers();
    auto [name, dose] =
        classify(n.K, potassiumLimits(n.CTC), {210, 150, 120, 90, 60}, {&n.Lm1K, &n.Lm2K, &n.Lm3K, &n.Lm4K});
    window.setText("EdClasseK", name);
    n.Producao = window.number("EdProducao");
    dose = yieldCorrected(dose, n.Producao);
    window.setText("Edit19", formatNumber(dose, "0,0"));

    // The proposed split: three applications from 120 kg/ha on, else one.
    Grid& split = window.grid("rstga2");
    if (dose >= 120) {
        split.setRowCount(4);
        window.setSpinPosition("UpDown2", 3);
        split.setCell(2, 1, "50");
        split.setCell(2, 2, "25");
        split.setCell(2, 3, "25");
        window.setText("BtObsK", "50%  a lanço no transplante ou semeadura \r"
                                 "25 % em cobertura aos 60 DAT ou 110 DASD\r"
                                 "25 % em cobertura aos 85 dias após transplante ou 110 dias após "
                                 "semeadura direta em campo");
    } else {
        split.setRowCount(2);
        window.setSpinPosition("UpDown2", 1);
        split.setCell(2, 1, "100");
        window.setText("BtObsK", "Aplicada lanço e incorporada no transplante ou semeadura");
    }
    if (dose <= 60)
        window.setText("BtObsK", "Pode também ser aplicada na linha de plantio ou semeadura");
}

} // namespace bulbicalc

#include "core/app/number_text.h"
#include "core/app/window_state.h"
#include "core/doses/doses.h"

namespace bulbicalc {
namespace {

double baseNitrogenDose(double organicMatter)
{
    if (organicMatter <= 2.5)
        return 120;
    if (organicMatter <= 5.0)
        return 100;
    if (organicMatter <= 7.5)
        return 80;
    return 60;
}

} // namespace

void DoseN(WindowState& window)
{
    ModuleNumbers& n = window.numbers();
    n.MO = window.number("EdMO");
    n.Producao = window.number("EdProducao");
    double dose = baseNitrogenDose(n.MO);
    // Above 30 t/ha the dose grows with the yield; below it is never lowered.
    if (n.Producao > 30)
        dose += 4 * (n.Producao - 30);
    if (window.isChecked("RadioButton11"))
        dose *= 1.2;
    else if (window.isChecked("RadioButton20"))
        dose *= 0.75;
    window.setText("Edit16", formatNumber(dose, "0.0"));
}

} // namespace bulbicalc

#include "core/doses/nitrogen_dose.h"

#include "core/app/number_text.h"
#include "core/app/window_state.h"
#include "core/doses/doses.h"
#include "core/doses/doses_controls.h"
#include "core/soil/soil_controls.h"

namespace bulbicalc {

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

double nitrogenDose(double organicMatter, double yield, CultivationSystem system)
{
    double dose = baseNitrogenDose(organicMatter);
    if (yield > 30)
        dose += 4 * (yield - 30);
    switch (system) {
    case CultivationSystem::DirectSeeding:
        return dose * 1.2;
    case CultivationSystem::ConsolidatedNoTill:
        return dose * 0.75;
    case CultivationSystem::Transplant:
        break;
    }
    return dose;
}

void DoseN(WindowState& window)
{
    ModuleNumbers& n = window.numbers();
    n.MO = window.number(soil::EdMO);
    n.Producao = window.number(soil::EdProducao);
    const double dose = nitrogenDose(n.MO, n.Producao, cultivationSystem(window));
    window.setText(doses::Edit16, formatNumber(dose, "0.0"));
}

} // namespace bulbicalc

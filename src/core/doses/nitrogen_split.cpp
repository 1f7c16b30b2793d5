#include "core/app/number_text.h"
#include "core/app/window_state.h"
#include "core/doses/dose_handlers.h"
#include "core/doses/doses.h"
#include "core/doses/doses_controls.h"
#include "core/doses/recommendation_table.h"
#include "core/doses/split_grid.h"
#include "core/doses/split_plan.h"
#include "core/soil/soil_controls.h"

#include <string>

namespace bulbicalc {
namespace {

// The system switch: the default plan of the system into the N split and
// the potash timings, the N dose again, and the calendar's headings and
// picture. Nothing is published: that waits for "&Parcelar".
void switchSystem(WindowState& window, CultivationSystem system, const DoseTriggers& triggers)
{
    using namespace split_column;
    const SplitPlan& plan = splitPlanOf(system);
    window.setSpinPosition(doses::UpDown1, plan.applications);
    Grid& nitrogen = window.grid(doses::rstga1);
    nitrogen.setRowCount(plan.applications + 1);
    for (int p = 1; p <= plan.applications; ++p) {
        const auto i = static_cast<std::size_t>(p - 1);
        nitrogen.setCell(kNumber, p, std::to_string(p));
        nitrogen.setCell(kTiming, p, plan.timings[i]);
        nitrogen.setCell(kPercent, p, plan.percents[i]);
    }
    Grid& potash = window.grid(doses::rstga2);
    for (int row = 1; row <= 3; ++row)
        potash.setCell(kTiming, row, plan.potashTimings[static_cast<std::size_t>(row - 1)]);
    if (!window.isEmpty(soil::EdMO))
        DoseN(window);
    if (triggers.systemSwitched)
        triggers.systemSwitched(window, system);
}

// Every parcela needs its timing before anything is published: one message
// per parcela without it.
bool timingsGiven(WindowState& window, const Grid& split)
{
    bool given = true;
    for (int row = 1; row <= applicationCount(split); ++row) {
        if (split.cell(split_column::kTiming, row).empty()) {
            window.platform().showMessage("Entre com os dados de Epoca e Percentual");
            given = false;
        }
    }
    return given;
}

// The view by parcela: number, timing and kilograms of each parcela.
void publishParcelas(WindowState& window, const Grid& split, int parcelas)
{
    using namespace split_column;
    Grid& table = window.grid(doses::rstga3);
    table.setRowCount(parcelas + 1);
    for (int p = 1; p <= parcelas; ++p) {
        table.setCell(parcela_view::kNumber, p, split.cell(kNumber, p));
        table.setCell(parcela_view::kTiming, p, split.cell(kTiming, p));
        table.setCell(parcelaViewColumn(Nutrient::N), p, split.cell(kKilograms, p));
    }
}

} // namespace

void RadioButton10Click(WindowState& window, const DoseTriggers& triggers)
{
    switchSystem(window, CultivationSystem::Transplant, triggers);
}

void RadioButton11Click(WindowState& window, const DoseTriggers& triggers)
{
    switchSystem(window, cultivationSystem(window), triggers);
}

void UpDown1Click(WindowState& window)
{
    setApplicationCount(window.grid(doses::rstga1), window.control(doses::UpDown1).position);
}

void BitBtn29Click(WindowState& window, const DoseTriggers& triggers)
{
    Grid& split = window.grid(doses::rstga1);
    const int parcelas = applicationCount(split);
    if (!timingsGiven(window, split))
        return;
    const double dose = window.number(doses::Edit16);
    warnUnlessWholeDose(window, splitDose(split, dose));
    publishParcelas(window, split, parcelas);
    if (triggers.parcelasPublished)
        triggers.parcelasPublished(window, parcelas);
    for (int p = 1; p <= parcelas; ++p)
        writeRecommendation(window, Nutrient::N, p, split.cell(split_column::kKilograms, p));
}

} // namespace bulbicalc

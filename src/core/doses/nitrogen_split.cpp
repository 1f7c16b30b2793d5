#include "core/app/number_text.h"
#include "core/app/window_state.h"
#include "core/calendar/calendar.h"
#include "core/doses/cultivation_system.h"
#include "core/doses/dose_handlers.h"
#include "core/doses/doses.h"
#include "core/doses/recommendation_table.h"
#include "core/doses/split_grid.h"

#include <array>
#include <string>

namespace bulbicalc {
namespace {

struct SplitPlan {
    std::array<const char*, 5> timings;
    std::array<const char*, 5> percents;
    int applications;
    std::array<const char*, 3> potashTimings;
};

constexpr SplitPlan kTransplantPlan{
    {"Plantio", "35", "60", "85", ""}, {"15", "25", "35", "25", ""}, 4, {"Plantio", "60", "85"}};
constexpr SplitPlan kDirectSeedingPlan{
    {"Semeadura", "45", "80", "110", "135"}, {"10", "20", "25", "25", "20"}, 5, {"Semeadura", "80", "110"}};

// The system switch: the default plan of the system into the N split and
// the potash timings, the N dose again, and the calendar's headings and
// picture. Nothing is published: that waits for "&Parcelar".
void switchSystem(WindowState& window, const SplitPlan& plan, CultivationSystem system)
{
    using namespace split_column;
    window.setSpinPosition("UpDown1", plan.applications);
    Grid& nitrogen = window.grid("rstga1");
    nitrogen.setRowCount(plan.applications + 1);
    for (int p = 1; p <= plan.applications; ++p) {
        const auto i = static_cast<std::size_t>(p - 1);
        nitrogen.setCell(kNumber, p, std::to_string(p));
        nitrogen.setCell(kTiming, p, plan.timings[i]);
        nitrogen.setCell(kPercent, p, plan.percents[i]);
    }
    Grid& potash = window.grid("rstga2");
    for (int row = 1; row <= 3; ++row)
        potash.setCell(kTiming, row, plan.potashTimings[static_cast<std::size_t>(row - 1)]);
    if (!window.isEmpty("EdMO"))
        DoseN(window);
    showCultivationSystem(window, system);
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
    Grid& table = window.grid("rstga3");
    table.setRowCount(parcelas + 1);
    for (int p = 1; p <= parcelas; ++p) {
        table.setCell(parcela_view::kNumber, p, split.cell(kNumber, p));
        table.setCell(parcela_view::kTiming, p, split.cell(kTiming, p));
        table.setCell(parcelaViewColumn(Nutrient::N), p, split.cell(kKilograms, p));
    }
}

// The calendar lists the parcelas; parcela 1 is day 0.
void listInCalendar(WindowState& window, const Grid& split, int parcelas)
{
    Grid& calendar = window.grid("stga1");
    switch (cultivationSystem(window)) {
    case CultivationSystem::Transplant:
        calendar.setCell(1, 0, "Época (DAT)");
        break;
    case CultivationSystem::DirectSeeding:
        calendar.setCell(1, 0, "Época (DASD)");
        break;
    case CultivationSystem::ConsolidatedNoTill:
        break; // keeps the heading of the system switch
    }
    calendar.setRowCount(parcelas + 1);
    calendar.setCell(0, 1, "1");
    calendar.setCell(1, 1, "0");
    for (int p = 2; p <= parcelas; ++p) {
        calendar.setCell(0, p, split.cell(split_column::kNumber, p));
        calendar.setCell(1, p, split.cell(split_column::kTiming, p));
    }
}

} // namespace

void RadioButton10Click(WindowState& window)
{
    switchSystem(window, kTransplantPlan, CultivationSystem::Transplant);
}

void RadioButton11Click(WindowState& window)
{
    switchSystem(window, kDirectSeedingPlan, cultivationSystem(window));
}

void UpDown1Click(WindowState& window)
{
    setApplicationCount(window.grid("rstga1"), window.control("UpDown1").position);
}

void BitBtn29Click(WindowState& window)
{
    Grid& split = window.grid("rstga1");
    const int parcelas = applicationCount(split);
    if (!timingsGiven(window, split))
        return;
    const double dose = window.number("Edit16");
    warnUnlessWholeDose(window, splitDose(split, dose));
    publishParcelas(window, split, parcelas);
    listInCalendar(window, split, parcelas);
    DefineData(window);
    Grafico1(window);
    layoutParcelaColumns(window, parcelas);
    for (int p = 1; p <= parcelas; ++p)
        writeRecommendation(window, Nutrient::N, p, split.cell(split_column::kKilograms, p));
}

} // namespace bulbicalc

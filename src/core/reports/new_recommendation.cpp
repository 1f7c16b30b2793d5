#include "core/reports/new_recommendation.h"

#include "core/app/window_state.h"
#include "core/calendar/calendar.h"
#include "core/calendar/calendar_controls.h"
#include "core/doses/doses_controls.h"
#include "core/doses/doses_form.h"
#include "core/doses/recommendation_table.h"
#include "core/doses/split_grid.h"
#include "core/liming/liming_controls.h"
#include "core/liming/liming_form.h"
#include "core/planning/optimisation.h"
#include "core/planning/planning_controls.h"
#include "core/planning/planning_form.h"
#include "core/reports/recommendations_text.h"
#include "core/soil/soil_controls.h"
#include "core/soil/soil_form.h"

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace bulbicalc {
namespace {

// The fertiliser grid's columns before the parcelas: name, N, P, K, S, price.
constexpr int kFertiliserColumns = 6;

// The grids as the program starts them, built by their subsystems' own form
// and start-up steps, so that their design-time layout is known in one place.
std::unique_ptr<WindowState> startupGrids(WindowState& window)
{
    auto startup = std::make_unique<WindowState>(window.platform(), window.dataDir());
    addSoilControls(*startup);
    addLimingControls(*startup);
    addDosesControls(*startup);
    addPlanningControls(*startup);
    addCalendarControls(*startup);
    writeCalendarHeadings(*startup);
    writeRecommendationHeadings(*startup);
    writeWorkbenchHeadings(*startup);
    writeAppliedZeros(*startup);
    return startup;
}

// The grid takes its start-up layout and cells (also the cells a smaller grid
// hid); the handlers hooked to its events stay.
void restoreGrid(Grid& live, const Grid& startup)
{
    auto hint = std::move(live.onGetHintText);
    auto cellParams = std::move(live.onGetCellParams);
    auto editorKey = std::move(live.onEditorKeyPress);
    live = startup;
    live.onGetHintText = std::move(hint);
    live.onGetCellParams = std::move(cellParams);
    live.onEditorKeyPress = std::move(editorKey);
}

// The same, keeping the column widths and titles (the price display narrows
// the price columns of the total summary).
void restoreRows(Grid& live, const Grid& startup)
{
    std::vector<ColumnDescription> columns;
    for (int col = 0; col < live.colCount(); ++col)
        columns.push_back(live.column(col));
    restoreGrid(live, startup);
    live.setColCount(static_cast<int>(columns.size()));
    for (int col = 0; col < live.colCount(); ++col)
        live.column(col) = columns[static_cast<std::size_t>(col)];
}

// Empties the cells of columns [firstCol, lastCol] in rows [firstRow,
// lastRow], also those a smaller grid hides.
void clearCells(Grid& grid, int firstCol, int lastCol, int firstRow, int lastRow)
{
    for (int row = firstRow; row <= lastRow; ++row)
        for (int col = firstCol; col <= lastCol; ++col)
            grid.setCell(col, row, "");
}

// What the interpretation, the liming methods and the doses computed for the
// previous analysis, back to its start-up text. Handlers run for none of it:
// the start-up state is not an input (the P2O5 and S doses, say, are not
// published by it), and opening then runs the handlers for the new values.
void restoreComputedFields(WindowState& window, const WindowState& startup)
{
    using namespace soil;
    using namespace liming;
    using namespace doses;
    const std::string_view fields[] = {
        // Classes and the Mehlich-3 conversion.
        EdClasseArgila, EdClasseP, EdClasseK, EdClasseCTC, EdArgila2, EdPm3, EdKm3,
        // The interpretation's outputs on "Calagem".
        Edit1, Edit3, Edit4, Edit6, Edit7, Edit13, Edit14, Edit32, Edit41, Edit42, Edit43, Edit46, Edit47,
        // The liming methods' results, the adopted need and the lime type.
        Edit2, Edit5, Edit9, Edit10, Edit12, Edit26, Edit15,
        // The doses and their advice.
        Edit16, Edit18, Edit19, Edit22, BtObsP, BtObsK, BTRZn, BTRB, BTRMn};
    for (std::string_view field : fields)
        window.control(field).text = startup.control(field).text;
    for (std::string_view chart : {Chart2, Chart3})
        window.chart(chart) = startup.chart(chart);
    window.numbers() = ModuleNumbers{};
}

} // namespace

void startNewRecommendation(WindowState& window)
{
    const auto startup = startupGrids(window);
    restoreComputedFields(window, *startup);
    // Every parcela count the N split can have, and the hidden rows and
    // columns it may have left behind.
    const int maxParcelas = window.control(doses::UpDown1).maximum;

    for (std::string_view split : {doses::rstga1, doses::rstga2})
        clearCells(window.grid(split), split_column::kKilograms, split_column::kKilograms, 1,
                   std::max(maxParcelas, window.control(doses::UpDown2).maximum));

    restoreGrid(window.grid(doses::rstga3), startup->grid(doses::rstga3));
    for (std::string_view name : {doses::rstgaRecomenda, doses::RstgaFalta, planning::rstgaAplica})
        restoreGrid(window.grid(name), startup->grid(name));

    // The calendar keeps the headings that the cultivation system gave it.
    Grid& calendarGrid = window.grid(calendar::stga1);
    std::vector<std::string> headings;
    for (int col = 0; col < calendarGrid.colCount(); ++col)
        headings.push_back(calendarGrid.cell(col, 0));
    restoreGrid(calendarGrid, startup->grid(calendar::stga1));
    for (int col = 0; col < static_cast<int>(headings.size()); ++col)
        calendarGrid.setCell(col, 0, headings[static_cast<std::size_t>(col)]);
    window.chart(calendar::Chart1) = startup->chart(calendar::Chart1);

    // The fertilisers stay; their quantities and the parcela columns go.
    Grid& fertilisers = window.grid(planning::rStgaMeusAdubos);
    const Grid& startFertilisers = startup->grid(planning::rStgaMeusAdubos);
    const int fertiliserRows = std::max(fertilisers.rowCount(), window.grid(planning::StgaAdubos).rowCount());
    clearCells(fertilisers, kFertiliserColumns, kFertiliserColumns + maxParcelas, 1, fertiliserRows);
    fertilisers.setColCount(startFertilisers.colCount());
    for (int col = kFertiliserColumns; col < fertilisers.colCount(); ++col)
        fertilisers.column(col) = startFertilisers.column(col);

    for (std::string_view name : {planning::RstgaResumoParcela, planning::rstgaResumoTotal})
        restoreRows(window.grid(name), startup->grid(name));
    window.setText(planning::Edit44, "");
    window.setText(planning::Edit45, "");
    forgetOptimisation(window);
    resetRecommendationsText(window);
}

} // namespace bulbicalc

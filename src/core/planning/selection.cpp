#include "core/planning/selection.h"

#include "core/app/window_state.h"
#include "core/planning/fertiliser_grid.h"
#include "core/planning/planning_controls.h"

#include <algorithm>
#include <map>
#include <string>

namespace bulbicalc {

using namespace planning;

namespace {

int tickCount(const std::vector<bool>& ticks)
{
    return static_cast<int>(std::count(ticks.begin(), ticks.end(), true));
}

} // namespace

std::optional<std::vector<bool>> ticksBeforeClick(const std::vector<bool>& ticked, int clicked,
                                                  int fertiliserRows)
{
    if (clicked < 0 || clicked >= static_cast<int>(ticked.size()))
        return std::nullopt;
    std::vector<bool> before = ticked;
    const auto item = static_cast<std::size_t>(clicked);
    before[item] = false;
    const int others = tickCount(before);
    if (fertiliserRows == others + 1)
        before[item] = true;
    else if (fertiliserRows != others)
        return std::nullopt;
    return before;
}

void TransfereAdubo(WindowState& window, const std::optional<std::vector<bool>>& ticksBefore)
{
    const Control& list = window.control(rCheckListBox1);
    const Grid& catalogue = window.grid(StgaAdubos);
    Grid& fertilisers = window.grid(rStgaMeusAdubos);
    const int lastColumn = fertilisers.colCount() - 1;

    // The quantities of each fertiliser on the workbench, by its item.
    std::map<std::size_t, std::vector<std::string>> quantities;
    if (ticksBefore) {
        int row = 0;
        for (std::size_t item = 0; item < ticksBefore->size(); ++item) {
            if (!(*ticksBefore)[item])
                continue;
            std::vector<std::string>& cells = quantities[item];
            ++row;
            for (int col = fertiliser_column::kFirstParcela; col <= lastColumn; ++col)
                cells.push_back(fertilisers.cell(col, row));
        }
    }

    fertilisers.setRowCount(1);
    for (std::size_t item = 0; item < list.items.size(); ++item) {
        if (item >= list.itemChecked.size() || !list.itemChecked[item])
            continue;
        const int row = fertilisers.rowCount();
        fertilisers.setRowCount(row + 1);
        // Cells that an earlier, longer list left behind must not come back.
        fertilisers.clearRow(row);
        const int catalogueRow = static_cast<int>(item) + 1;
        for (int col = fertiliser_column::kName; col <= fertiliser_column::kPrice; ++col)
            fertilisers.setCell(col, row, catalogue.cell(col, catalogueRow));
        const auto kept = quantities.find(item);
        if (kept == quantities.end())
            continue;
        int col = fertiliser_column::kFirstParcela;
        for (const std::string& quantity : kept->second)
            fertilisers.setCell(col++, row, quantity);
    }
}

std::optional<int> catalogueRowOf(const WindowState& window, int fertiliserRow)
{
    const Control& list = window.control(rCheckListBox1);
    int row = 0;
    for (std::size_t item = 0; item < list.itemChecked.size() && item < list.items.size(); ++item)
        if (list.itemChecked[item] && ++row == fertiliserRow)
            return static_cast<int>(item) + 1;
    return std::nullopt;
}

void rCheckListBox1Click(WindowState& window)
{
    const Control& list = window.control(rCheckListBox1);
    const int rows = fertiliserRows(window.grid(rStgaMeusAdubos));
    TransfereAdubo(window, ticksBeforeClick(list.itemChecked, list.itemIndex, rows));
}

} // namespace bulbicalc

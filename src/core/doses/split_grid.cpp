#include "core/doses/split_grid.h"

#include "core/app/grid.h"
#include "core/app/number_text.h"
#include "core/app/window_state.h"
#include "core/soil/soil_controls.h"

#include <string>

namespace bulbicalc {

int applicationCount(const Grid& split)
{
    return split.rowCount() - 1;
}

void setApplicationCount(Grid& split, int count)
{
    split.setRowCount(count + 1);
    for (int row = 1; row <= count; ++row)
        split.setCell(split_column::kNumber, row, std::to_string(row));
}

double splitDose(Grid& split, double dose)
{
    double total = 0;
    for (int row = 1; row <= applicationCount(split); ++row) {
        const std::string& share = split.cell(split_column::kPercent, row);
        if (share.empty())
            continue;
        const double percent = parseNumber(share);
        split.setCell(split_column::kKilograms, row, formatNumber(percent * dose / 100, "0,0"));
        total += percent;
    }
    return total;
}

void warnUnlessWholeDose(WindowState& window, double totalPercent)
{
    // Compared as the message would show it: shares such as 10 + 19,9 + 34,3 +
    // 35,8 add up to 99,99999999999999 in binary, which reads as 100 and is no
    // reason to warn.
    const std::string total = generalFormat(totalPercent);
    if (total != "100")
        window.platform().showMessage("Total percentual = " + total + " reveja os valores");
}

void installSplitGridEvents(WindowState& window, std::string_view gridName)
{
    Grid& split = window.grid(gridName);
    WindowState* state = &window; // the grids live as long as the window
    split.onGetHintText = [state](int col, int /*row*/, std::string& hint) {
        switch (col) {
        case split_column::kNumber:
            hint = "Número da Parcela)";
            break;
        case split_column::kTiming:
            hint = state->isChecked(soil::RadioButton10) ? "Dias após transplante" : "Dias após a semeadura";
            break;
        case split_column::kPercent:
            hint = "Quantidade (%)";
            break;
        case split_column::kKilograms:
            hint = "Quantidade (kg)";
            break;
        default:
            break;
        }
    };
    // What the user types is light yellow; the computed kilograms are white.
    split.onGetCellParams = [](int col, int row, CellStyle& style) {
        if (row < 1)
            return;
        if (col <= split_column::kPercent)
            style.background = colours::kLightYellow;
        else if (col == split_column::kKilograms)
            style.background = colours::kWhite;
    };
}

} // namespace bulbicalc

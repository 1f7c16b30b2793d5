#include "core/planning/closure.h"

#include "core/app/errors.h"
#include "core/app/number_text.h"
#include "core/app/window_state.h"
#include "core/doses/doses_controls.h"
#include "core/planning/fertiliser_grid.h"
#include "core/planning/planning_controls.h"
#include "core/planning/workbench.h"

#include <algorithm>
#include <string>

namespace bulbicalc {

using namespace planning;

namespace {

using Routine = void (*)(WindowState&, int, int);

// The parcela's difference of a nutrient as shown; an empty cell counts as 0.
double shownDifference(const WindowState& window, int coluna, Nutrient nutrient)
{
    const std::string& text =
        window.grid(doses::RstgaFalta).cell(parcelaOfColumn(coluna), static_cast<int>(nutrient));
    return text.empty() ? 0 : parseNumber(text);
}

double content(const WindowState& window, int linha, Nutrient nutrient)
{
    return parseNumber(window.grid(rStgaMeusAdubos).cell(contentColumn(nutrient), linha));
}

void writeQuantity(WindowState& window, int coluna, int linha, double quantity)
{
    window.grid(rStgaMeusAdubos).setCell(coluna, linha, formatNumber(quantity, "0.0"));
    CalculaQUanti(window, coluna);
}

void closeOn(WindowState& window, int coluna, int linha, Nutrient nutrient)
{
    const double difference = shownDifference(window, coluna, nutrient);
    const double quantity = closingQuantity(difference, content(window, linha, nutrient));
    writeQuantity(window, coluna, linha, quantity);
}

bool isQuantityCell(const Grid& fertilisers, int col, int row)
{
    return row >= 1 && row <= fertiliserRows(fertilisers) && col >= fertiliser_column::kFirstParcela &&
           col < fertilisers.colCount();
}

void closeFromMenu(WindowState& window, Routine routine)
{
    Grid& fertilisers = window.grid(rStgaMeusAdubos);
    const int col = fertilisers.currentCol();
    const int row = fertilisers.currentRow();
    if (!isQuantityCell(fertilisers, col, row))
        return;
    // The difference to close must not count the cell's own old quantity:
    // the parcela is first recalculated without it.
    const std::string old = fertilisers.cell(col, row);
    try {
        fertilisers.setCell(col, row, "");
        CalculaQUanti(window, col);
        routine(window, col, row);
    } catch (const Error&) {
        fertilisers.setCell(col, row, old);
        throw;
    }
}

} // namespace

double closingQuantity(double difference, double content)
{
    if (content == 0 || difference == 0)
        return 0;
    return difference * 100 / content;
}

double smallestNpkQuantity(double differenceN, double differenceP2O5, double differenceK2O, double contentN,
                           double contentP2O5, double contentK2O)
{
    const auto limit = [](double difference, double content) {
        return content == 0 ? kNoLimit : difference * 100 / content;
    };
    return std::min(
        {limit(differenceN, contentN), limit(differenceP2O5, contentP2O5), limit(differenceK2O, contentK2O)});
}

void ZeraN(WindowState& window, int coluna, int linha)
{
    closeOn(window, coluna, linha, Nutrient::N);
}

void ZeraP(WindowState& window, int coluna, int linha)
{
    closeOn(window, coluna, linha, Nutrient::P2O5);
}

void ZeraK(WindowState& window, int coluna, int linha)
{
    closeOn(window, coluna, linha, Nutrient::K2O);
}

void ZeraS(WindowState& window, int coluna, int linha)
{
    closeOn(window, coluna, linha, Nutrient::S);
}

void FechaMenorNPK(WindowState& window, int coluna, int linha)
{
    const double dn = shownDifference(window, coluna, Nutrient::N);
    const double dp = shownDifference(window, coluna, Nutrient::P2O5);
    const double dk = shownDifference(window, coluna, Nutrient::K2O);
    // S is read like the others, so a difference or content that is not a
    // number stops the closure, but it sets no limit.
    shownDifference(window, coluna, Nutrient::S);
    const double tn = content(window, linha, Nutrient::N);
    const double tp = content(window, linha, Nutrient::P2O5);
    const double tk = content(window, linha, Nutrient::K2O);
    content(window, linha, Nutrient::S);
    writeQuantity(window, coluna, linha, smallestNpkQuantity(dn, dp, dk, tn, tp, tk));
}

bool resolveClosureCode(WindowState& window, int coluna, int linha)
{
    static constexpr std::pair<std::string_view, Routine> kCodes[] = {
        {"?", FechaMenorNPK}, {"?1", ZeraN}, {"?2", ZeraP}, {"?3", ZeraK}, {"?4", ZeraS}};
    const std::string& text = window.grid(rStgaMeusAdubos).cell(coluna, linha);
    for (const auto& [code, routine] : kCodes) {
        if (text == code) {
            routine(window, coluna, linha);
            return true;
        }
    }
    return false;
}

void registerClosureCommands(WindowState& window)
{
    static constexpr Routine kRoutines[] = {FechaMenorNPK, ZeraN, ZeraP, ZeraK, ZeraS};
    for (std::size_t i = 0; i < std::size(kClosureCommands); ++i) {
        const Routine routine = kRoutines[i];
        window.onMenu(rStgaMeusAdubos, kClosureCommands[i],
                      [routine](WindowState& w) { closeFromMenu(w, routine); });
    }
}

} // namespace bulbicalc

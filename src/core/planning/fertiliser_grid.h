#pragma once

#include "core/app/grid.h"
#include "core/doses/recommendation_table.h"

#include <algorithm>

namespace bulbicalc {

// The fertiliser grid rStgaMeusAdubos: row 0 for the headings, then one row
// per selected fertiliser with its name, its N, P2O5, K2O and S contents (%),
// its price (R$/kg) and one quantity (kg/ha of product) per parcela.
namespace fertiliser_column {
inline constexpr int kName = 0;
inline constexpr int kPrice = 5;
inline constexpr int kFirstParcela = 6; // parcela 1
} // namespace fertiliser_column

// The column of a nutrient's content: N 1, P2O5 2, K2O 3, S 4, the same
// numbers as the nutrient's row in the recommendation, applied and
// difference grids.
inline int contentColumn(Nutrient nutrient)
{
    return static_cast<int>(nutrient);
}

inline constexpr Nutrient kNutrients[] = {Nutrient::N, Nutrient::P2O5, Nutrient::K2O, Nutrient::S};

// Parcela p stands in column p + 5 of the fertiliser grid and in column p of
// the nutrient grids.
inline int parcelaColumn(int parcela)
{
    return parcela + fertiliser_column::kFirstParcela - 1;
}
inline int parcelaOfColumn(int column)
{
    return column - fertiliser_column::kFirstParcela + 1;
}

inline int fertiliserRows(const Grid& fertilisers)
{
    return fertilisers.rowCount() - 1;
}
inline int parcelaColumns(const Grid& fertilisers)
{
    return std::max(0, fertilisers.colCount() - fertiliser_column::kFirstParcela);
}

} // namespace bulbicalc

#pragma once

#include <string>

namespace bulbicalc {

class WindowState;

// The recommendation table: kg/ha of N, P2O5, K2O and S per parcela, held in
// the view by parcela (rstga3: a row per parcela, a column per nutrient) and
// the view by nutrient (rstgaRecomenda: a row per nutrient, a column per
// parcela). RstgaFalta starts as a copy of the view by nutrient: before any
// fertiliser is applied, what is missing is what is recommended. The writes
// here keep the views together.
enum class Nutrient { N = 1, P2O5 = 2, K2O = 3, S = 4 };

// The columns of the view by parcela before the nutrients: the parcela's
// number and its timing, as the N split has them.
namespace parcela_view {
inline constexpr int kNumber = 0;
inline constexpr int kTiming = 1;
} // namespace parcela_view

// The column of a nutrient in the view by parcela.
int parcelaViewColumn(Nutrient nutrient);

// Writes one amount into the view by nutrient and into the missing amounts.
void writeRecommendation(WindowState& window, Nutrient nutrient, int parcela, const std::string& amount);

// The whole dose goes to parcela 1 (planting or sowing), in both views.
void publishFirstParcelaDose(WindowState& window, Nutrient nutrient, const std::string& amount);

} // namespace bulbicalc

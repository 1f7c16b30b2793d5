#pragma once

#include <string>
#include <vector>

namespace bulbicalc {

class WindowState;

// The recommendations text Memo3 that every report carries, one line per
// entry. At start-up it is the single line "Recomendações".
inline constexpr const char* kRecommendationsHeading = "Recomendações";

// "&Recomendações gerais": appends six lines, each a fixed prefix followed by
// the liming advice, the advice on P and K, and the Zn, B and Mn advice, as
// they stand. Nothing is tested or recomputed; an empty source leaves its bare
// prefix. A carriage return inside an advice stays inside its line.
void BitBtn12Click(WindowState& window);

// "&Limpar": no line at all.
void BitBtn11Click(WindowState& window);

// The start-up text.
void resetRecommendationsText(WindowState& window);

// The lines of the recommendations text.
const std::vector<std::string>& recommendationLines(const WindowState& window);

} // namespace bulbicalc

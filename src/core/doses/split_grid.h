#pragma once

#include <string_view>

namespace bulbicalc {

class Grid;
class WindowState;

// The split grids rstga1 (N) and rstga2 (K2O): a title row, then one row per
// application with its number, timing ("Época"), share of the dose in percent
// and the kilograms "&Parcelar" computes.
namespace split_column {
inline constexpr int kNumber = 0;
inline constexpr int kTiming = 1;
inline constexpr int kPercent = 2;
inline constexpr int kKilograms = 3;
} // namespace split_column

// The number of application rows.
int applicationCount(const Grid& split);

// Sets the number of applications and numbers them "1" ... "n"; no other
// cell is written.
void setApplicationCount(Grid& split, int count);

// Writes percentage × dose / 100 (whole kilograms) into every row whose
// percentage is given and returns the sum of those percentages. Rows without
// a percentage keep their kilograms. Throws ConversionError on a percentage
// that is not a number; rows before it are already written.
double splitDose(Grid& split, double dose);

// "Total percentual = " ... " reveja os valores" when the percentages do not
// add up to 100. The split is published all the same.
void warnUnlessWholeDose(WindowState& window, double totalPercent);

// The hints and cell colours both split grids share.
void installSplitGridEvents(WindowState& window, std::string_view gridName);

} // namespace bulbicalc

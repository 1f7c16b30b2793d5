#pragma once

#include "core/app/chart_data.h"

#include <array>
#include <string>
#include <string_view>

namespace bulbicalc {

class WindowState;

// The share of the CTC held by K, Al, Ca, Mg and H, in %, in that order.
using Saturations = std::array<double, 5>;

// Reads the five saturation fields of the liming tab (Edit42, Edit43,
// Edit14, Edit46, Edit47); an empty field counts as 0, any other text must
// parse. Throws ConversionError.
Saturations readSaturations(const WindowState& window);

// Formats with a pattern of up to three sections separated by ';' (positive,
// negative, zero), each made of the placeholders '0' (a digit always written)
// and '#' (a digit written only when significant), '.' for the decimal
// separator and ',' switching on thousands grouping, with literal text before
// and after. A negative value written by its own section loses its sign.
std::string formatSections(double value, std::string_view pattern);

// The pattern of the pie marks: one decimal and no leading zero for zero and
// positive values (0,5 gives ",5"), parentheses for negative ones.
inline constexpr std::string_view kPieMarkPattern = "#.0,;(#.##0,00)";

// The bar series of Chart2 (one bar each, of the series' colour) and the pie
// slices of Chart3, from the five saturations.
void setSaturationBars(ChartData& chart, const Saturations& values);
void setSaturationSlices(ChartData& chart, const Saturations& values);

// Redraw the bar chart Chart2 and the pie chart Chart3 from the saturation
// fields. A field that does not parse raises the conversion error before the
// chart is touched.
void Grafico2(WindowState& window);
void Grafico3(WindowState& window);

} // namespace bulbicalc

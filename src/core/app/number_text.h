#pragma once

#include <string>
#include <string_view>

namespace bulbicalc {

// Number text under the Brazilian Portuguese rules, whatever the system locale:
// decimal comma, thousands point.
inline constexpr char kDecimalSeparator = ',';
inline constexpr char kThousandsSeparator = '.';

// Parses a number as the user types it: optional blanks, optional sign, digits
// with at most one decimal comma, an optional exponent, optional blanks.
// Throws ConversionError for anything else, empty text included, and for a
// value too large to represent.
double parseNumber(std::string_view text);

// Formats with one of the patterns "0.", "0.0", "0.00", "0.000", "0.0000"
// (no grouping, that many decimals) and "0,0" (whole number with thousands
// grouping). The exact binary value is rounded; exact halves go away from zero.
std::string formatNumber(double value, std::string_view pattern);

// Shortest text with up to 15 significant digits, no grouping, no trailing
// zeros; scientific notation for very large or very small values (1E20).
std::string generalFormat(double value);

// Whole numbers: plain digits with an optional leading minus.
// Throws IntegerConversionError for anything else.
int parseInteger(std::string_view text);
std::string integerText(long long value);

// The number with `decimals` decimals, exact halves away from zero, as plain
// digits with '.' (used by file formats that write a decimal point).
std::string roundedDecimalText(double value, int decimals);

} // namespace bulbicalc

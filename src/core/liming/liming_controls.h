#pragma once

#include <string_view>

// The controls of the tab "Calagem" that the liming methods own. The values
// they start from (the SMP index, organic matter, Al, CTC, V1), the
// saturations and the relations are outputs of the soil interpretation.
namespace bulbicalc::liming {

// SMP method.
inline constexpr std::string_view RadioButton1 = "RadioButton1"; // target pH 5,5
inline constexpr std::string_view RadioButton2 = "RadioButton2"; // target pH 6,0
inline constexpr std::string_view RadioButton3 = "RadioButton3"; // target pH 6,5
inline constexpr std::string_view Edit2 = "Edit2";               // lime need by the SMP table, t/ha
inline constexpr std::string_view BitBtn5 = "BitBtn5";           // "&Adotar"

// Poorly buffered soils.
inline constexpr std::string_view RadioButton4 = "RadioButton4"; // target pH 5,5
inline constexpr std::string_view RadioButton5 = "RadioButton5"; // target pH 6,0
inline constexpr std::string_view RadioButton6 = "RadioButton6"; // target pH 6,5
inline constexpr std::string_view Label23 = "Label23";           // the formula of the target pH
inline constexpr std::string_view Edit5 = "Edit5";               // lime need by the formula, t/ha
inline constexpr std::string_view BitBtn8 = "BitBtn8";           // "&Calcular"
inline constexpr std::string_view BitBtn84 = "BitBtn84";         // "&Adotar"

// Base saturation.
inline constexpr std::string_view RadioButton7 = "RadioButton7"; // target pH 5,5
inline constexpr std::string_view RadioButton8 = "RadioButton8"; // target pH 6,0
inline constexpr std::string_view RadioButton9 = "RadioButton9"; // target pH 6,5
inline constexpr std::string_view Edit8 = "Edit8";               // desired base saturation V2, %
inline constexpr std::string_view Edit9 = "Edit9";               // lime need by base saturation, t/ha
inline constexpr std::string_view BitBtn6 = "BitBtn6";           // "&Calcular", the tab's default button
inline constexpr std::string_view BitBtn7 = "BitBtn7";           // "&Adotar"

// PRNT and area correction.
inline constexpr std::string_view Edit10 = "Edit10";   // adopted need at PRNT 100 %, t/ha
inline constexpr std::string_view Edit11 = "Edit11";   // PRNT of the commercial lime, %
inline constexpr std::string_view Edit12 = "Edit12";   // need of commercial lime, t/ha
inline constexpr std::string_view Edit26 = "Edit26";   // commercial lime for the whole area, t
inline constexpr std::string_view BitBtn9 = "BitBtn9"; // "&Calcular"

// Lime type.
inline constexpr std::string_view Edit15 = "Edit15"; // calcitic or dolomitic

} // namespace bulbicalc::liming

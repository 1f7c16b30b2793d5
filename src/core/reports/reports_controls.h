#pragma once

#include <string_view>

// The controls of the tab "Relatórios".
namespace bulbicalc::reports {

inline constexpr std::string_view TabSheet6 = "TabSheet6"; // "Relatórios"

inline constexpr std::string_view Memo3 = "Memo3";         // the recommendations text
inline constexpr std::string_view Edit21 = "Edit21";       // the technician responsible
inline constexpr std::string_view BitBtn12 = "BitBtn12";   // "&Recomendações gerais"
inline constexpr std::string_view BitBtn11 = "BitBtn11";   // "&Limpar"
inline constexpr std::string_view BitBtn80 = "BitBtn80";   // the text report
inline constexpr std::string_view BitBtn105 = "BitBtn105"; // the PDF report
inline constexpr std::string_view BitBtn108 = "BitBtn108"; // the spreadsheet report

} // namespace bulbicalc::reports

#pragma once

#include <string_view>

// The controls of the tab "Calendário de adubação".
namespace bulbicalc::calendar {

inline constexpr std::string_view TabSheet5 = "TabSheet5";             // "Calendário de adubação"
inline constexpr std::string_view stga1 = "stga1";                     // parcelas, days and dates
inline constexpr std::string_view DateTimePicker2 = "DateTimePicker2"; // the planting date
inline constexpr std::string_view RadioButton18 = "RadioButton18";     // chart along the days
inline constexpr std::string_view RadioButton19 = "RadioButton19";     // chart labelled with dates
inline constexpr std::string_view Image1 = "Image1";                   // growth stages, transplant
inline constexpr std::string_view Image2 = "Image2";                   // growth stages, direct seeding
inline constexpr std::string_view Chart1 = "Chart1";                   // the calendar chart

} // namespace bulbicalc::calendar

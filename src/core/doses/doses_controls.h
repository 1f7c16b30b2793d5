#pragma once

#include <string_view>

// The controls of the nutrient doses: the tab "Doses Macro e Micro", and the
// recommendation table they publish (held on the hidden tab and on the
// workbench).
namespace bulbicalc::doses {

inline constexpr std::string_view TabSheet3 = "TabSheet3";   // "Doses Macro e Micro"
inline constexpr std::string_view TabSheet4 = "TabSheet4";   // "Definição da adubação", never shown
inline constexpr std::string_view TabSheet10 = "TabSheet10"; // "Definição adubação ", the workbench

// Nitrogen.
inline constexpr std::string_view Edit16 = "Edit16";     // N dose, kg/ha
inline constexpr std::string_view UpDown1 = "UpDown1";   // number of N parcelas
inline constexpr std::string_view Edit17 = "Edit17";     // its edit
inline constexpr std::string_view BitBtn29 = "BitBtn29"; // "&Parcelar" of the N split
inline constexpr std::string_view rstga1 = "rstga1";     // the N split grid

// Phosphorus and potassium.
inline constexpr std::string_view Edit18 = "Edit18";     // P2O5 dose, kg/ha
inline constexpr std::string_view BtObsP = "BtObsP";     // advice on the P2O5 dose
inline constexpr std::string_view Edit19 = "Edit19";     // K2O dose, kg/ha
inline constexpr std::string_view UpDown2 = "UpDown2";   // number of potash applications
inline constexpr std::string_view Edit20 = "Edit20";     // its edit
inline constexpr std::string_view BitBtn10 = "BitBtn10"; // "&Parcelar" of the potash split
inline constexpr std::string_view BtObsK = "BtObsK";     // advice on the potash split
inline constexpr std::string_view rstga2 = "rstga2";     // the potash split grid

// Sulphur and micronutrients.
inline constexpr std::string_view RadioButton21 = "RadioButton21"; // sandy soils
inline constexpr std::string_view RadioButton22 = "RadioButton22"; // clayey soils
inline constexpr std::string_view Edit22 = "Edit22";               // S dose, kg/ha
inline constexpr std::string_view BTRZn = "BTRZn";                 // Zn advice
inline constexpr std::string_view BTRB = "BTRB";                   // B advice
inline constexpr std::string_view BTRMn = "BTRMn";                 // Mn advice

// The recommendation table: kg/ha of N, P2O5, K2O and S per parcela.
inline constexpr std::string_view rstga3 = "rstga3";                 // by parcela, on the hidden tab
inline constexpr std::string_view rstgaRecomenda = "rstgaRecomenda"; // by nutrient, on the workbench
inline constexpr std::string_view RstgaFalta = "RstgaFalta"; // what is missing: starts as a copy of it

} // namespace bulbicalc::doses

#pragma once

#include <string_view>

// The controls of the fertiliser planning: the workbench "Definição adubação "
// (beside the recommendation table the doses publish there) and the
// catalogue tab "Selecionar Adubos".
namespace bulbicalc::planning {

inline constexpr std::string_view TabSheet10 = "TabSheet10"; // "Definição adubação "
inline constexpr std::string_view TabSheet9 = "TabSheet9";   // "Selecionar Adubos"

// Workbench.
inline constexpr std::string_view rstgaAplica = "rstgaAplica"; // nutrients applied per parcela
inline constexpr std::string_view rStgaMeusAdubos =
    "rStgaMeusAdubos";                                     // the chosen fertilisers and quantities
inline constexpr std::string_view UpDown4 = "UpDown4";     // the parcela the clear button acts on
inline constexpr std::string_view Edit31 = "Edit31";       // its edit
inline constexpr std::string_view BitBtn97 = "BitBtn97";   // "&Limpar a parcela", the tab's default button
inline constexpr std::string_view BitBtn111 = "BitBtn111"; // "&Limpar todas parcelas"
inline constexpr std::string_view RstgaResumoParcela = "RstgaResumoParcela"; // summary per parcela
inline constexpr std::string_view rstgaResumoTotal = "rstgaResumoTotal";     // summary per fertiliser
inline constexpr std::string_view Edit44 = "Edit44";                         // cost per hectare, R$
inline constexpr std::string_view Edit45 = "Edit45";                         // cost of the area, R$
// The least-cost formula.
inline constexpr std::string_view BtOtimizarParcela = "BtOtimizarParcela"; // "&Otimizar a parcela" (Edit31)
inline constexpr std::string_view BtOtimizarTodas = "BtOtimizarTodas";     // "Otimizar &todas parcelas"
inline constexpr std::string_view CkSacosInteiros = "CkSacosInteiros";     // whole bags, whole tenths of a tonne
inline constexpr std::string_view LabelOtimizacao = "LabelOtimizacao";     // what the last optimisation found
inline constexpr std::string_view LabelCustoHa = "LabelCustoHa";             // the label of Edit44
inline constexpr std::string_view LabelCustoArea = "LabelCustoArea";         // the label of Edit45
inline constexpr std::string_view RadioButton23 = "RadioButton23";           // prices shown
inline constexpr std::string_view RadioButton24 = "RadioButton24";           // prices hidden

// Catalogue and selection.
inline constexpr std::string_view StgaAdubos = "StgaAdubos";         // the catalogue
inline constexpr std::string_view rCheckListBox1 = "rCheckListBox1"; // the fertilisers chosen from it

} // namespace bulbicalc::planning

#pragma once

#include <array>
#include <string_view>

namespace bulbicalc {

// The tab sheets of the main window in their order, with the help document of
// each shown tab (in the folder Ajuda beside the executable).
struct TabSheetInfo {
    std::string_view name;
    std::string_view caption;
    bool shown;
    std::string_view helpDocument;
};

inline constexpr std::array<TabSheetInfo, 10> kTabSheets = {{
    {"TabSheet1", "Entrada de dados", true, "ajuda_Entrada.pdf"},
    {"TabSheet2", "Calagem", true, "ajuda_Calagem.pdf"},
    {"TabSheet3", "Doses Macro e Micro", true, "ajuda_DosesMacroMicro.pdf"},
    {"TabSheet4", "Definição da adubação", false, ""},
    {"TabSheet10", "Definição adubação ", true, "ajuda_DefinicaoAdubacao.pdf"},
    {"TabSheet5", "Calendário de adubação", true, "ajuda_Calendario.pdf"},
    {"TabSheet6", "Relatórios", true, "ajuda_Relatorios.pdf"},
    {"TabSheet9", "Selecionar Adubos", true, "ajuda_SelecionarAdubos.pdf"},
    {"TabSheet8", "Fotos", true, "ajuda_Fotos.pdf"},
    {"TabSheet7", "Sobre", true, "ajuda_Sobre.pdf"},
}};

inline constexpr std::string_view kWindowCaption =
    "Bulbicalc -Programa para recomendação de adubação da cultura da cebola -Versão 1.0 ";

} // namespace bulbicalc

#include "core/app/shell.h"

#include "core/app/form_builder.h"
#include "core/app/tab_sheets.h"
#include "core/app/window_state.h"

#include <filesystem>

namespace bulbicalc {

void addShellControls(WindowState& window)
{
    FormBuilder b(window);
    b.tab(shell::Panel1);
    b.button(shell::BitBtn1, "&Fechar");
    b.button(shell::BitBtn3, "&Ajuda");
}

void BitBtn3Click(WindowState& window)
{
    for (const auto& tab : kTabSheets) {
        if (tab.name != window.activeTab() || tab.helpDocument.empty())
            continue;
        const auto path = window.dataDir() / "Ajuda" / std::filesystem::path(tab.helpDocument);
        std::error_code error;
        if (std::filesystem::is_regular_file(path, error))
            window.platform().openDocument(path);
    }
}

void registerShellHandlers(WindowState& window)
{
    window.onClick(shell::BitBtn3, BitBtn3Click);
}

} // namespace bulbicalc

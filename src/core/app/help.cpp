#include "core/app/help.h"

#include "core/app/window_controls.h"
#include "core/app/window_state.h"

#include <filesystem>

namespace bulbicalc {

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
    window.onClick("BitBtn3", BitBtn3Click);
}

} // namespace bulbicalc

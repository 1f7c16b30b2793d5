#pragma once

#include <string_view>

namespace bulbicalc {

class WindowState;

// The window's own controls: the bottom bar.
namespace shell {
inline constexpr std::string_view Panel1 = "Panel1";   // the bottom bar (its controls' tab)
inline constexpr std::string_view BitBtn1 = "BitBtn1"; // "&Fechar": closes the window
inline constexpr std::string_view BitBtn3 = "BitBtn3"; // "&Ajuda": the help document of the active tab
} // namespace shell

// Adds the buttons of the bottom bar.
void addShellControls(WindowState& window);

// "&Ajuda": opens the help document of the active tab from the folder Ajuda
// beside the executable. A missing document does nothing.
void BitBtn3Click(WindowState& window);

void registerShellHandlers(WindowState& window);

} // namespace bulbicalc

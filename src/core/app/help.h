#pragma once

namespace bulbicalc {

class WindowState;

// "&Ajuda": opens the help document of the active tab from the folder Ajuda
// beside the executable. A missing document does nothing.
void BitBtn3Click(WindowState& window);

void registerShellHandlers(WindowState& window);

} // namespace bulbicalc

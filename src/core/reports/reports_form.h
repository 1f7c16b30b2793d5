#pragma once

namespace bulbicalc {

class WindowState;

// Adds the controls of "Relatórios" with their design-time state.
void addReportsControls(WindowState& window);

} // namespace bulbicalc

#pragma once

namespace bulbicalc {

class WindowState;

// Adds the liming controls of "Calagem" with their design-time state, and
// the tab's default button "&Calcular" of the base-saturation method.
void addLimingControls(WindowState& window);

} // namespace bulbicalc

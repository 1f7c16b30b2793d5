#pragma once

namespace bulbicalc {

class WindowState;

// Adds the controls of "Fotos" and "Sobre" with their design-time state.
void addAboutControls(WindowState& window);

// Start-up: fills the about page (RichEdit2) with its formatted lines.
void writeAboutText(WindowState& window);

} // namespace bulbicalc

#pragma once

namespace bulbicalc {

class WindowState;

// Adds the controls of "Relatórios" with their design-time state.
void addReportsControls(WindowState& window);

// Registers the handlers of the analysis file buttons (on "Entrada de dados")
// and of the reports tab.
void registerReportsHandlers(WindowState& window);

} // namespace bulbicalc

#pragma once

namespace bulbicalc {

class WindowState;

// The event handlers of the workbench and of the catalogue tab: the check
// list's click, the fertiliser grid's Enter and popup commands, the clear
// buttons, the price display, and the hints and colours of the workbench
// grids.
void registerPlanningHandlers(WindowState& window);

} // namespace bulbicalc

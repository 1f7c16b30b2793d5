#pragma once

namespace bulbicalc {

class WindowState;

// Registers the event handlers of every subsystem on the window state.
void registerHandlers(WindowState& window);

} // namespace bulbicalc

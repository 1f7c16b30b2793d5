#pragma once

namespace bulbicalc {

class WindowState;

// Adds the controls of the soil analysis with their design-time state: the
// tab "Entrada de dados", the interpretation's outputs on "Calagem" and the two
// saturation charts; and the key rules of the tab's fields.
void addSoilControls(WindowState& window);

// Start-up: the two-line caption of the Mehlich-3 note.
void writeMehlichNote(WindowState& window);

} // namespace bulbicalc

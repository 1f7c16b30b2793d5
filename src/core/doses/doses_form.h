#pragma once

namespace bulbicalc {

class WindowState;

// Adds the controls of "Doses Macro e Micro" and the grids of the
// recommendation table with their design-time state, and the key rules of
// the dose fields and split grids.
void addDosesControls(WindowState& window);

// Start-up: the N split's headings and the transplant plan.
void writeNitrogenSplitDefaults(WindowState& window);
// Start-up: the potash split's headings and its three applications.
void writePotashSplitDefaults(WindowState& window);
// Start-up: the headings and column widths of the view by parcela.
void writeRecommendationHeadings(WindowState& window);

} // namespace bulbicalc

#pragma once

namespace bulbicalc {

class WindowState;

// Adds the controls of the workbench and of the catalogue tab with their
// design-time state, the key rule of the fertiliser grid's editor and the
// workbench's default button.
void addPlanningControls(WindowState& window);

// Start-up: the catalogue's headings, its first column 200 pixels wide.
void writeCatalogueHeadings(WindowState& window);
// Start-up: the headings of the recommendation, applied and missing grids.
void writeWorkbenchHeadings(WindowState& window);
// Start-up: the top row of the fertiliser grid.
void writeFertiliserGridHeadings(WindowState& window);
// Start-up: nothing applied yet, "0,0" in every body cell of rstgaAplica.
void writeAppliedZeros(WindowState& window);

} // namespace bulbicalc

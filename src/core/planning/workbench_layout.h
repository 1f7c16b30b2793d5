#pragma once

namespace bulbicalc {

class WindowState;

// Lays the workbench out for n parcelas: one column per parcela in the
// recommendation, applied and missing grids, six fixed columns and one per
// parcela in the fertiliser grid, each parcela column titled "Par. " + p
// (in the fertiliser grid also its row-0 cell, which is what it shows).
void layoutParcelaColumns(WindowState& window, int parcelas);

} // namespace bulbicalc

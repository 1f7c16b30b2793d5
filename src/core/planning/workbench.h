#pragma once

namespace bulbicalc {

class WindowState;

// The fertiliser workbench "Definição adubação ": quantities of the selected
// fertilisers per parcela (rStgaMeusAdubos), what they apply (rstgaAplica),
// what is still missing or in excess (RstgaFalta, from the recommendation
// rstgaRecomenda), a summary per parcela and one per fertiliser with costs.

// Recalculates the parcela whose quantities stand in column `coluna` of the
// fertiliser grid, row by row: after each row the applied and difference
// columns show the parcela as made up by the rows so far, which is what a
// closure code in the next row closes. A closure code in a quantity cell is
// resolved when its row is reached. Then both summaries are rebuilt.
// A cell that must be a number and is not throws ConversionError; rows
// already worked keep what they wrote and the summaries stay as they were.
void CalculaQUanti(WindowState& window, int coluna);

// Rebuild the summary per parcela (RstgaResumoParcela) and the summary per
// fertiliser with its costs (rstgaResumoTotal, Edit44, Edit45) from the whole
// fertiliser grid and the area EdArea. Both are worked out before either is
// written, so a failure (an area or quantity that is not a number) leaves
// both as they were.
void rebuildSummaries(WindowState& window);

// "&Limpar a parcela": empties the quantities of the parcela in Edit31 and
// recalculates it; a parcela beyond the last only rebuilds the summaries.
void BitBtn97Click(WindowState& window);
// "&Limpar todas parcelas": the same for every parcela, first to last.
void BitBtn111Click(WindowState& window);

// The price display: "Exibir" shows the price columns and the cost fields
// with their labels, "Ocultar" narrows the columns to 1 pixel and hides the
// fields. Nothing is recalculated.
void RadioButton23Click(WindowState& window);
void RadioButton24Click(WindowState& window);

// The hints of the workbench grids, the colours of the differences and the
// Enter key of the fertiliser grid's editor.
void installWorkbenchGridEvents(WindowState& window);

} // namespace bulbicalc

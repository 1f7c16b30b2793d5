#pragma once

namespace bulbicalc {

class WindowState;

// The least-cost formula on the workbench: for a parcela, the cheapest
// quantities of the fertilisers of rStgaMeusAdubos (their contents and prices
// as the grid shows them) that meet each nutrient recommended for it in
// rstgaRecomenda (an empty or non-positive recommendation sets none); in
// whole 50 kg bags of the mineral fertilisers and whole tenths of a tonne of
// the organic ones over the area EdArea when CkSacosInteiros is ticked.
//
// The result replaces the parcela's quantity cells, rounded up to the tenth
// so that no nutrient comes out short (an unused fertiliser's cell is
// emptied), and the parcela is recalculated as Enter does. Each quantity's
// hint tells why the fertiliser is there; LabelOtimizacao tells the cost of
// the parcela and the nutrients that set it.
//
// A content, price, recommendation or area that is not a number raises the
// conversion error before anything is written. A nutrient that no fertiliser
// supplies, or a failure of the solver, is a message and leaves that
// parcela's cells as they were.

// "&Otimizar a parcela": the parcela of Edit31.
void BtOtimizarParcelaClick(WindowState& window);
// "Otimizar &todas parcelas": every parcela, first to last.
void BtOtimizarTodasClick(WindowState& window);

// A new recommendation: the explanations of the last mixes and the summary
// line go.
void forgetOptimisation(WindowState& window);

// The hints of the optimised quantity cells, over the fertiliser grid's own
// (install after them).
void installOptimisationHints(WindowState& window);

} // namespace bulbicalc

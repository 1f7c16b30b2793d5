#pragma once

namespace bulbicalc {

class WindowState;

// Opening an analysis file starts a new recommendation: what was computed or
// composed for the previous analysis goes back to its start-up state, so that
// no report prints it beside the new analysis. That is the kilograms of both
// splits, the recommendation table (but for the P2O5 and S of parcela 1, which
// mirror the dose fields that are kept), the calendar with its chart, the
// workbench's recommended, applied and missing amounts, the quantities of the
// fertiliser grid, both summaries, the costs and the recommendations text.
// Kept: the split plans, the technician, the catalogue and its selection, the
// price display (and the column widths it sets), the planting date, the
// calendar's headings of the cultivation system.
void startNewRecommendation(WindowState& window);

} // namespace bulbicalc

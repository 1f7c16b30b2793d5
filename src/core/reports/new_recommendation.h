#pragma once

namespace bulbicalc {

class WindowState;

// Opening an analysis file starts a new recommendation: what was computed or
// composed for the previous analysis goes back to its start-up state, so that
// no report prints it beside the new analysis, also where the new file leaves
// a value out. That is the classes, saturations, relations and copies of the
// interpretation, its charts and cached numbers, the liming results and the
// adopted need, the doses and their advice, the kilograms of both splits, the
// recommendation table, the calendar with its chart, the workbench's
// recommended, applied and missing amounts, the quantities of the fertiliser
// grid, both summaries, the costs, the last optimisation and the
// recommendations text. Kept: the split plans, the choices of target pH, V2,
// PRNT and soil group, the technician, the catalogue and its selection, the
// price display (and the column widths it sets), the planting date, the
// calendar's headings of the cultivation system.
void startNewRecommendation(WindowState& window);

} // namespace bulbicalc

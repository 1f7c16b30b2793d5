#pragma once

#include <optional>
#include <vector>

namespace bulbicalc {

class WindowState;

// Which items of the check list were ticked before a click, given the ticks
// after it, the item clicked and the number of fertiliser rows the workbench
// got from the transfer before. Every change of a tick is followed by a
// transfer, so the ticks before differ from the ticks after at most in the
// clicked item, and they ticked as many items as there are fertiliser rows.
// Nullopt when no such ticks exist (no item clicked, or counts that do not
// fit).
std::optional<std::vector<bool>> ticksBeforeClick(const std::vector<bool>& ticked, int clicked,
                                                  int fertiliserRows);

// Rebuilds the fertiliser list of the workbench rStgaMeusAdubos from the
// ticked items of rCheckListBox1, in catalogue order: one row per ticked item
// with the name, contents and price of its catalogue row as StgaAdubos shows
// them now. Each fertiliser that was on the workbench before (by the ticks
// `ticksBefore`) keeps its quantities; every other row starts with empty
// quantity cells. Without `ticksBefore` every row starts empty.
void TransfereAdubo(WindowState& window, const std::optional<std::vector<bool>>& ticksBefore);

// The catalogue row (from 1) a row of the fertiliser grid came from: the
// item ticked in that place of the check list. Nullopt when the ticks do not
// tell (a list changed since the last transfer).
std::optional<int> catalogueRowOf(const WindowState& window, int fertiliserRow);

// A click on an item of the check list, ticking, unticking or only selecting
// it: TransfereAdubo, each fertiliser keeping its quantities.
void rCheckListBox1Click(WindowState& window);

} // namespace bulbicalc

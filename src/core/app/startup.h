#pragma once

namespace bulbicalc {

class WindowState;

// The start-up routine: headings and default cells of every grid, the about
// text, the fertiliser catalogues. Steps run in order; a failure (an Error)
// skips the remaining steps.
void formCreate(WindowState& window);

} // namespace bulbicalc

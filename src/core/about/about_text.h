#pragma once

namespace bulbicalc {

class WindowState;

// Fills the about page (RichEdit2) with its formatted lines.
void writeAboutText(WindowState& window);

} // namespace bulbicalc

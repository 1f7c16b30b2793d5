#pragma once

namespace bulbicalc::ui {

// Registers the metric-compatible Tahoma of Wine when it is installed and makes
// Tahoma 9 pt the application's font; without it the system sans serif is used.
void installApplicationFont();

} // namespace bulbicalc::ui

#pragma once

#include <string_view>

class QWidget;

namespace bulbicalc::ui {

// The page of one tab sheet, built from its form; every control on it is
// named with its control name.
QWidget* createTabPage(std::string_view tabSheet, QWidget* parent);

} // namespace bulbicalc::ui

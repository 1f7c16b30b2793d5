#pragma once

#include <filesystem>
#include <string_view>

class QWidget;

namespace bulbicalc::ui {

// The page of one tab sheet, built from its form; every control on it is
// named with its control name. `dataDir` is the folder beside the executable
// (pictures are loaded from it). The window puts it into the tab sheet.
QWidget* createTabPage(std::string_view tabSheet, QWidget* parent, const std::filesystem::path& dataDir);

// A page holding only the tab's group box, for a tab without a form.
QWidget* createEmptyPage(QWidget* parent);

} // namespace bulbicalc::ui

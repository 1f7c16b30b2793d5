#pragma once

#include <filesystem>

class QWidget;

namespace bulbicalc::ui {

// The page of the tab "Definição adubação " (TabSheet10); its widgets carry their control names.
QWidget* createWorkbenchPage(QWidget* parent, const std::filesystem::path& dataDir);

} // namespace bulbicalc::ui

#pragma once

#include <filesystem>

class QWidget;

namespace bulbicalc::ui {

// The page of the tab "Doses Macro e Micro" (TabSheet3); its widgets carry their control names.
QWidget* createDosesPage(QWidget* parent, const std::filesystem::path& dataDir);

} // namespace bulbicalc::ui

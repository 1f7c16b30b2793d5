#pragma once

#include <filesystem>

class QWidget;

namespace bulbicalc::ui {

// The page of the tab "Selecionar Adubos" (TabSheet9); its widgets carry their control names.
QWidget* createSelectionPage(QWidget* parent, const std::filesystem::path& dataDir);

} // namespace bulbicalc::ui

#pragma once

#include <filesystem>

class QWidget;

namespace bulbicalc::ui {

// The page of the tab "Entrada de dados" (TabSheet1); its widgets carry their control names.
QWidget* createDataEntryPage(QWidget* parent, const std::filesystem::path& dataDir);

} // namespace bulbicalc::ui

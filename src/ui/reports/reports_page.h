#pragma once

#include <filesystem>

class QWidget;

namespace bulbicalc::ui {

// The page of the tab "Relatórios" (TabSheet6); its widgets carry their control names.
QWidget* createReportsPage(QWidget* parent, const std::filesystem::path& dataDir);

} // namespace bulbicalc::ui

#pragma once

#include <filesystem>

class QWidget;

namespace bulbicalc::ui {

// The page of the tab "Calagem" (TabSheet2); its widgets carry their control names.
QWidget* createLimingPage(QWidget* parent, const std::filesystem::path& dataDir);

} // namespace bulbicalc::ui

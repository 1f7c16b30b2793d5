#pragma once

#include <filesystem>

class QWidget;

namespace bulbicalc::ui {

// The page of the tab "Sobre" (TabSheet7); its widgets carry their control names.
QWidget* createAboutPage(QWidget* parent, const std::filesystem::path& dataDir);

} // namespace bulbicalc::ui

#pragma once

#include <filesystem>

class QWidget;

namespace bulbicalc::ui {

// The page of the tab "Fotos" (TabSheet8); its widgets carry their control names.
QWidget* createPhotosPage(QWidget* parent, const std::filesystem::path& dataDir);

} // namespace bulbicalc::ui

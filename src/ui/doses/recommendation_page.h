#pragma once

#include <filesystem>

class QWidget;

namespace bulbicalc::ui {

// The page of the tab the hidden "Definição da adubação" (TabSheet4); its widgets carry their control names.
QWidget* createRecommendationPage(QWidget* parent, const std::filesystem::path& dataDir);

} // namespace bulbicalc::ui

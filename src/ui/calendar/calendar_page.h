#pragma once

#include <filesystem>

class QWidget;

namespace bulbicalc::ui {

// The page of the tab "Calendário de adubação" (TabSheet5); its widgets carry their control names.
QWidget* createCalendarPage(QWidget* parent, const std::filesystem::path& dataDir);

} // namespace bulbicalc::ui

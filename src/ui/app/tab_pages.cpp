#include "ui/app/tab_pages.h"

#include "ui/app/tab_group.h"

#include "ui/about/about_page.h"
#include "ui/about/photos_page.h"
#include "ui/calendar/calendar_page.h"
#include "ui/doses/doses_page.h"
#include "ui/doses/recommendation_page.h"
#include "ui/liming/liming_page.h"
#include "ui/planning/selection_page.h"
#include "ui/planning/workbench_page.h"
#include "ui/reports/reports_page.h"
#include "ui/soil/data_entry_page.h"

#include <QApplication>
#include <QGroupBox>
#include <QPalette>
#include <QVBoxLayout>
#include <QWidget>

namespace bulbicalc::ui {
QWidget* createTabPage(std::string_view tabSheet, QWidget* parent, const std::filesystem::path& dataDir)
{
    using Factory = QWidget* (*)(QWidget*, const std::filesystem::path&);
    static constexpr std::pair<std::string_view, Factory> kPages[] = {
        {"TabSheet1", createDataEntryPage},  {"TabSheet2", createLimingPage},
        {"TabSheet3", createDosesPage},      {"TabSheet4", createRecommendationPage},
        {"TabSheet10", createWorkbenchPage}, {"TabSheet5", createCalendarPage},
        {"TabSheet6", createReportsPage},    {"TabSheet9", createSelectionPage},
        {"TabSheet8", createPhotosPage},     {"TabSheet7", createAboutPage},
    };
    QWidget* page = nullptr;
    for (const auto& [name, factory] : kPages)
        if (name == tabSheet)
            page = factory(parent, dataDir);
    if (!page)
        page = createEmptyPage(parent);
    for (QGroupBox* group : page->findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly))
        paintInMenuColour(group);
    return page;
}

QWidget* createEmptyPage(QWidget* parent)
{
    auto* page = new QWidget(parent);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QGroupBox(page));
    return page;
}

} // namespace bulbicalc::ui

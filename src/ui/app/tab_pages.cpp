#include "ui/app/tab_pages.h"

#include <QGroupBox>
#include <QVBoxLayout>
#include <QWidget>

namespace bulbicalc::ui {

QWidget* createTabPage(std::string_view tabSheet, QWidget* parent)
{
    auto* page = new QWidget(parent);
    page->setObjectName(QString::fromUtf8(tabSheet.data(), static_cast<qsizetype>(tabSheet.size())));
    auto* layout = new QVBoxLayout(page);
    auto* group = new QGroupBox(page);
    group->setAutoFillBackground(true);
    layout->addWidget(group);
    return page;
}

} // namespace bulbicalc::ui

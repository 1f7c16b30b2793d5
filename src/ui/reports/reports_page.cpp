#include "ui/reports/reports_page.h"

#include "ui/reports/ui_reports_page.h"

namespace bulbicalc::ui {

QWidget* createReportsPage(QWidget* parent, const std::filesystem::path& /*dataDir*/)
{
    auto* page = new QWidget(parent);
    Ui::ReportsPage form;
    form.setupUi(page);
    return page;
}

} // namespace bulbicalc::ui

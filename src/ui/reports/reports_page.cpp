#include "ui/reports/reports_page.h"

#include "ui/app/tab_pages.h"

namespace bulbicalc::ui {

QWidget* createReportsPage(QWidget* parent, const std::filesystem::path& /*dataDir*/)
{
    return createEmptyPage(parent);
}

} // namespace bulbicalc::ui

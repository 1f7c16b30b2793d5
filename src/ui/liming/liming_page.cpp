#include "ui/liming/liming_page.h"

#include "ui_liming_tab.h"

namespace bulbicalc::ui {

QWidget* createLimingPage(QWidget* parent, const std::filesystem::path& /*dataDir*/)
{
    auto* page = new QWidget(parent);
    Ui::LimingTab form;
    form.setupUi(page);
    return page;
}

} // namespace bulbicalc::ui

#include "ui/liming/liming_page.h"

#include "ui/app/tab_group.h"

#include "ui_liming_tab.h"

namespace bulbicalc::ui {

QWidget* createLimingPage(QWidget* parent, const std::filesystem::path& /*dataDir*/)
{
    auto* page = new QWidget(parent);
    Ui::LimingTab form;
    form.setupUi(page);
    paintInMenuColour(form.grpTabSheet2);
    return page;
}

} // namespace bulbicalc::ui

#include "ui/doses/doses_page.h"

#include "ui/app/tab_group.h"

#include "ui_doses_tab.h"

namespace bulbicalc::ui {

QWidget* createDosesPage(QWidget* parent, const std::filesystem::path& /*dataDir*/)
{
    auto* page = new QWidget(parent);
    Ui::DosesTab form;
    form.setupUi(page);
    nameSpinEdit(form.UpDown1, "Edit17");
    nameSpinEdit(form.UpDown2, "Edit20");
    return page;
}

} // namespace bulbicalc::ui

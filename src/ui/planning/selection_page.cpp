#include "ui/planning/selection_page.h"

#include "ui/app/grid_view.h"
#include "ui/planning/ui_selection_page.h"

namespace bulbicalc::ui {

QWidget* createSelectionPage(QWidget* parent, const std::filesystem::path& /*dataDir*/)
{
    auto* page = new QWidget(parent);
    Ui::SelectionPage form;
    form.setupUi(page);
    return page;
}

} // namespace bulbicalc::ui

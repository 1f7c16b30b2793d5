#include "ui/doses/recommendation_page.h"

#include "ui/app/tab_group.h"

#include "ui_recommendation_tab.h"

namespace bulbicalc::ui {

QWidget* createRecommendationPage(QWidget* parent, const std::filesystem::path& /*dataDir*/)
{
    auto* page = new QWidget(parent);
    Ui::RecommendationTab form;
    form.setupUi(page);
    paintInMenuColour(form.grpTabSheet4);
    return page;
}

} // namespace bulbicalc::ui

#include "ui/doses/recommendation_page.h"

#include "ui_recommendation_tab.h"

namespace bulbicalc::ui {

QWidget* createRecommendationPage(QWidget* parent, const std::filesystem::path& /*dataDir*/)
{
    auto* page = new QWidget(parent);
    Ui::RecommendationTab form;
    form.setupUi(page);
    return page;
}

} // namespace bulbicalc::ui

#include "ui/about/about_page.h"

#include "ui/about/ui_about_page.h"

#include <QFont>

namespace bulbicalc::ui {

QWidget* createAboutPage(QWidget* parent, const std::filesystem::path& /*dataDir*/)
{
    auto* page = new QWidget(parent);
    Ui::AboutPage form;
    form.setupUi(page);
    // The about text is set in Tahoma at 13 pixels, whatever the screen's resolution.
    QFont font(QStringLiteral("Tahoma"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(13);
    form.RichEdit2->setFont(font);
    return page;
}

} // namespace bulbicalc::ui

#include "ui/app/fonts.h"

#include <QApplication>
#include <QFile>
#include <QFont>
#include <QFontDatabase>

namespace bulbicalc::ui {

void installApplicationFont()
{
    // Wine keeps its fonts outside fontconfig's folders. Only the regular face
    // is loaded: Wine's bold Tahoma draws thin, widely spaced glyphs at the
    // window's sizes, while the bold that Qt makes from the regular face looks
    // like Tahoma Bold.
    const QString regular = QStringLiteral("/usr/share/wine/fonts/tahoma.ttf");
    if (QFile::exists(regular))
        QFontDatabase::addApplicationFont(regular);
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(9);
    font.setStyleHint(QFont::SansSerif);
    QApplication::setFont(font);
}

} // namespace bulbicalc::ui

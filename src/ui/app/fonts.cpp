#include "ui/app/fonts.h"

#include <QApplication>
#include <QFile>
#include <QFont>
#include <QFontDatabase>

namespace bulbicalc::ui {

void installApplicationFont()
{
    // Wine keeps its fonts outside fontconfig's folders.
    for (const char* file : {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"})
        if (QFile::exists(QString::fromLatin1(file)))
            QFontDatabase::addApplicationFont(QString::fromLatin1(file));
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(9);
    font.setStyleHint(QFont::SansSerif);
    QApplication::setFont(font);
}

} // namespace bulbicalc::ui

#include "ui/app/qt_platform.h"

#include "ui/app/qt_text.h"

#include <QDate>
#include <QDesktopServices>
#include <QFileDialog>
#include <QUrl>

namespace bulbicalc::ui {

QtPlatform::QtPlatform(QWidget* dialogParent, MessageSink messages)
    : dialogParent_(dialogParent), messages_(std::move(messages))
{
}

void QtPlatform::showMessage(const std::string& text)
{
    messages_(qt(text));
}

void QtPlatform::openDocument(const std::filesystem::path& path)
{
    // The result is not looked at: no viewer means nothing happens.
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path.string())));
}

std::optional<std::filesystem::path> QtPlatform::chooseFileToOpen()
{
    const QString file = QFileDialog::getOpenFileName(dialogParent_);
    if (file.isEmpty())
        return std::nullopt;
    return std::filesystem::path(file.toStdString());
}

Date QtPlatform::today()
{
    const QDate d = QDate::currentDate();
    return Date{d.year(), d.month(), d.day()};
}

} // namespace bulbicalc::ui

#include "ui/app/qt_platform.h"

#include "ui/app/event_boundary.h"
#include "ui/app/qt_text.h"
#include "ui/reports/report_preview.h"

#include <QDate>
#include <QDesktopServices>
#include <QFileDialog>
#include <QPointer>
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

std::optional<std::filesystem::path> QtPlatform::chooseFileToOpen(const std::filesystem::path& folder)
{
    const QString file =
        QFileDialog::getOpenFileName(dialogParent_, QString(), QString::fromStdString(folder.string()));
    if (file.isEmpty())
        return std::nullopt;
    return std::filesystem::path(file.toStdString());
}

void QtPlatform::previewPage(const PrintedPage& page)
{
    // A failure inside the preview (a PDF that cannot be written) goes to the
    // window's error box, as the failures of the core do.
    QPointer<QWidget> parent = dialogParent_;
    ReportPreview preview(
        page,
        [parent](const QString& message) {
            if (auto* boundary = parent ? parent->findChild<EventBoundary*>() : nullptr)
                boundary->queueError(message);
        },
        dialogParent_);
    preview.exec();
}

Date QtPlatform::today()
{
    const QDate d = QDate::currentDate();
    return Date{d.year(), d.month(), d.day()};
}

} // namespace bulbicalc::ui

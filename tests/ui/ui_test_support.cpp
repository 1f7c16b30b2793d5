#include "ui_test_support.h"

#include "ui/app/fonts.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QGroupBox>
#include <QTabWidget>
#include <QTest>
#include <QWidget>

namespace bulbicalc::ui::test {

bool copyTree(const QString& source, const QString& target)
{
    QDir().mkpath(target);
    QDirIterator it(source, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    const QDir from(source);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString destination = target + QLatin1Char('/') + from.relativeFilePath(path);
        if (it.fileInfo().isDir()) {
            if (!QDir().mkpath(destination))
                return false;
        } else if (!QFile::copy(path, destination)) {
            return false;
        }
    }
    return true;
}

void RecordingPresenter::showDefect(QWidget*, const QString& message)
{
    defects << message;
    if (failOnDefect)
        QTest::qFail(qPrintable(QStringLiteral("the program met a defect: ") + message), __FILE__, __LINE__);
}

QString str(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

QString groupPath(const QWidget* widget)
{
    QStringList titles;
    for (const QWidget* w = widget->parentWidget(); w; w = w->parentWidget())
        if (const auto* group = qobject_cast<const QGroupBox*>(w); group && !group->title().isEmpty())
            titles.prepend(group->title());
    return titles.join(QLatin1Char('/'));
}

const QLabel* buddyLabel(const QWidget* page, const QWidget* widget)
{
    for (const QLabel* label : page->findChildren<QLabel*>())
        if (label->buddy() == widget)
            return label;
    return nullptr;
}

void prepareApplication()
{
    installApplicationFont();
}

WindowFixture::WindowFixture()
{
    dataPath_ = temp_.path();
    copyTree(QStringLiteral(BULBICALC_TEST_DATA_DIR), dataPath_);
    window_ = std::make_unique<MainWindow>(dataPath_.toStdString());
    window_->setDialogPresenter(&presenter_);
    // Tests reach every widget by name from the start.
    window_->buildAllPages();
    window_->show();
    QObject::connect(&watchdog_, &QTimer::timeout, [this] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            ++unexpectedDialogs_;
            modal->close();
        }
    });
    watchdog_.start(50);
    settle();
}

WindowFixture::~WindowFixture()
{
    watchdog_.stop();
    window_.reset();
}

bool WindowFixture::activate(const char* tab)
{
    window_->activateWindow();
    if (!QTest::qWaitForWindowActive(window_.get()))
        return false;
    if (tab)
        window_->tabs().setCurrentWidget(find<QWidget>(tab));
    settle();
    return true;
}

void WindowFixture::settle()
{
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

} // namespace bulbicalc::ui::test

#pragma once

#include "ui/app/dialogs.h"
#include "ui/app/main_window.h"

#include <QLabel>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

namespace bulbicalc::ui::test {

// Records the boxes the window would show instead of opening them. A defect
// of the program (a failure that is not the user's error) fails the running
// test at once, unless the test expects one.
class RecordingPresenter : public DialogPresenter {
public:
    QStringList errors;
    QStringList messages;
    QStringList defects;
    bool failOnDefect = true;
    void showError(QWidget*, const QString& message) override { errors << message; }
    void showMessage(QWidget*, const QString& message) override { messages << message; }
    void showDefect(QWidget* parent, const QString& message) override;
};

// A window over a temporary copy of the data folders. Boxes are recorded; a
// real modal dialog that opens anyway (a file dialog, say) is closed and
// counted, so a test fails instead of hanging.
class WindowFixture {
public:
    WindowFixture();
    ~WindowFixture();

    MainWindow& window() { return *window_; }
    RecordingPresenter& boxes() { return presenter_; }
    const QString& dataDir() const { return dataPath_; }
    int unexpectedDialogs() const { return unexpectedDialogs_; }

    // Lets queued boxes and timers run.
    void settle();

    // Makes the window the active one (keys and focus reach it) and shows the
    // tab sheet named `tab`, if any. False when the window did not activate.
    bool activate(const char* tab = nullptr);

    template <typename T> T* find(const char* name)
    {
        return window_->findChild<T*>(QString::fromLatin1(name));
    }

private:
    QTemporaryDir temp_;
    QString dataPath_;
    RecordingPresenter presenter_;
    std::unique_ptr<MainWindow> window_;
    QTimer watchdog_;
    int unexpectedDialogs_ = 0;
};

// A QString of a UTF-8 literal.
QString str(const char* utf8);

// The captions of the group boxes around `widget`, outermost first, without
// the untitled ones (the tab's own group).
QString groupPath(const QWidget* widget);

// The label of `page` whose buddy is `widget`, or null.
const QLabel* buddyLabel(const QWidget* page, const QWidget* widget);

// Copies a folder tree (the data folders) into `target`.
bool copyTree(const QString& source, const QString& target);

// Starts the application's fonts as the program does.
void prepareApplication();

} // namespace bulbicalc::ui::test

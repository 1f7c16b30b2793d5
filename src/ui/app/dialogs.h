#pragma once

#include <QString>

class QWidget;

namespace bulbicalc::ui {

// Shows the program's modal boxes. Tests replace it to record what would be
// shown instead of opening a modal box.
class DialogPresenter {
public:
    virtual ~DialogPresenter() = default;
    // A failure that no handler caught: the runtime's error box.
    virtual void showError(QWidget* parent, const QString& message) = 0;
    // A message a handler shows.
    virtual void showMessage(QWidget* parent, const QString& message) = 0;
    // A failure that is a defect of the program (anything but the user's
    // errors); the program goes on. Shown as an error box unless replaced.
    virtual void showDefect(QWidget* parent, const QString& message) { showError(parent, message); }
};

class MessageBoxPresenter : public DialogPresenter {
public:
    void showError(QWidget* parent, const QString& message) override;
    void showMessage(QWidget* parent, const QString& message) override;
};

} // namespace bulbicalc::ui

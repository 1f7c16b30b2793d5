#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

namespace bulbicalc::ui {

class DialogPresenter;

// Where user events enter the core. Runs one action; a failure escaping it is
// shown in the error box and the program goes on. A failure that is not one
// of the user's errors (an unknown control name, any other exception) is a
// defect: its box names it, and the presenter may treat it apart (the tests
// fail on it). After the action every
// widget is refreshed from the core. Boxes (the error, and the messages that
// handlers showed) open once the event that raised them has finished, so that
// no modal box opens inside a focus change.
class EventBoundary : public QObject {
    Q_OBJECT
public:
    EventBoundary(QWidget* dialogParent, DialogPresenter* presenter, QObject* parent = nullptr);

    void setPresenter(DialogPresenter* presenter) { presenter_ = presenter; }
    void setRefresh(std::function<void()> refresh) { refresh_ = std::move(refresh); }

    // Runs `action` at the boundary; returns false when it failed.
    bool run(const std::function<void()>& action);

    void queueMessage(const QString& message);
    void queueError(const QString& message);
    void queueDefect(const QString& message);
    // Opens the boxes queued so far, in order.
    void showPendingBoxes();
    bool insideEvent() const { return depth_ > 0; }

private:
    enum class BoxKind { Message, Error, Defect };
    struct Box {
        BoxKind kind;
        QString text;
    };
    QPointer<QWidget> dialogParent_;
    DialogPresenter* presenter_;
    std::function<void()> refresh_;
    std::vector<Box> pending_;
    int depth_ = 0;
    bool showScheduled_ = false;

    void scheduleBoxes();
};

} // namespace bulbicalc::ui

#include "ui/app/event_boundary.h"

#include "core/app/errors.h"
#include "ui/app/dialogs.h"

#include <QTimer>

#include <exception>

namespace bulbicalc::ui {

EventBoundary::EventBoundary(QWidget* dialogParent, DialogPresenter* presenter, QObject* parent)
    : QObject(parent), dialogParent_(dialogParent), presenter_(presenter)
{
}

bool EventBoundary::run(const std::function<void()>& action)
{
    bool ok = true;
    ++depth_;
    try {
        action();
    } catch (const Error& error) {
        ok = false;
        queueError(QString::fromUtf8(error.what()));
    } catch (const std::exception& error) {
        ok = false;
        queueDefect(QStringLiteral("Erro interno do programa: ") + QString::fromUtf8(error.what()));
    } catch (...) {
        ok = false;
        queueDefect(QStringLiteral("Erro interno do programa: falha desconhecida"));
    }
    --depth_;
    if (depth_ == 0 && refresh_)
        refresh_();
    return ok;
}

void EventBoundary::queueMessage(const QString& message)
{
    pending_.push_back(Box{BoxKind::Message, message});
    scheduleBoxes();
}

void EventBoundary::queueError(const QString& message)
{
    pending_.push_back(Box{BoxKind::Error, message});
    scheduleBoxes();
}

void EventBoundary::queueDefect(const QString& message)
{
    pending_.push_back(Box{BoxKind::Defect, message});
    scheduleBoxes();
}

void EventBoundary::scheduleBoxes()
{
    if (showScheduled_)
        return;
    showScheduled_ = true;
    QTimer::singleShot(0, this, &EventBoundary::showPendingBoxes);
}

void EventBoundary::showPendingBoxes()
{
    showScheduled_ = false;
    while (!pending_.empty()) {
        const Box box = pending_.front();
        pending_.erase(pending_.begin());
        if (!presenter_)
            continue;
        switch (box.kind) {
        case BoxKind::Message:
            presenter_->showMessage(dialogParent_, box.text);
            break;
        case BoxKind::Error:
            presenter_->showError(dialogParent_, box.text);
            break;
        case BoxKind::Defect:
            presenter_->showDefect(dialogParent_, box.text);
            break;
        }
    }
}

} // namespace bulbicalc::ui

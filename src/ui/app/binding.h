#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <string>
#include <vector>

namespace bulbicalc {
class WindowState;
}

namespace bulbicalc::ui {

class ChartView;
class EventBoundary;
class GridView;

// Binds the widgets of the window to the core by their object names, once:
// each widget whose name is a control, grid or chart of the core sends its
// user events to the core through the event boundary and is refreshed from
// the core after every event. Leave handlers run when the focus moves to
// another control of the window, never when a box, a popup or another window
// takes it.
class Binding : public QObject {
    Q_OBJECT
public:
    Binding(WindowState& core, EventBoundary& boundary, QObject* parent = nullptr);

    // Binds every named widget below `root`.
    void bind(QWidget* root);

    // Shows the core's state in every bound widget. Signals stay blocked, so
    // a refresh never re-enters the core; a text is set only when it differs,
    // so the cursor of the field being edited stays where it is.
    void refresh();

    // Names of the core's controls, grids and charts that no widget shows.
    std::vector<std::string> unboundNames() const;

    QWidget* widget(const std::string& name) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Bound {
        std::string name;
        QPointer<QWidget> widget;
    };

    WindowState& core_;
    EventBoundary& boundary_;
    std::vector<Bound> controls_;
    std::vector<QPointer<GridView>> grids_;
    std::vector<QPointer<ChartView>> charts_;

    void bindControl(const std::string& name, QWidget* widget);
    void watchKeysAndFocus(QWidget* widget, const std::string& name);
    void refreshControl(const Bound& bound);
    std::string nameOf(QObject* object) const;
    void moveFocusToCore();
};

} // namespace bulbicalc::ui

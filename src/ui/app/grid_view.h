#pragma once

#include <QTableView>

#include <string>

namespace bulbicalc {
class WindowState;
}

namespace bulbicalc::ui {

class EventBoundary;
class GridModel;

// The view of one core grid with the editor keys of the program's grids:
// every typed key goes through the grid's editor-key hook, Enter stores the
// text and moves to the next row where the grid asks for it (the editor stays
// open), Esc restores the text the cell had when editing started.
class GridView : public QTableView {
    Q_OBJECT
public:
    explicit GridView(QWidget* parent = nullptr);

    // Shows the core grid named like this widget.
    void attach(WindowState& core, EventBoundary& boundary);
    GridModel* gridModel() const { return model_; }

    // Re-reads the grid after an event: cells, sizes, widths, heights.
    void refresh();

    // The editor's key handling; returns true when the key was consumed.
    bool editorKeyPressed(QWidget* editor, int key, const QString& text);

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    WindowState* core_ = nullptr;
    EventBoundary* boundary_ = nullptr;
    GridModel* model_ = nullptr;
    std::string name_;

    void applyGeometry();
    void openEditorAt(int col, int row);
};

} // namespace bulbicalc::ui

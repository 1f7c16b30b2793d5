#include "ui/app/grid_view.h"

#include "core/app/window_state.h"
#include "ui/app/event_boundary.h"
#include "ui/app/grid_model.h"
#include "ui/app/qt_text.h"

#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QTimer>

namespace bulbicalc::ui {
namespace {

// The cell editor: a line edit whose keys the view filters.
class GridDelegate : public QStyledItemDelegate {
public:
    explicit GridDelegate(GridView* view) : QStyledItemDelegate(view), view_(view) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override
    {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        editor->installEventFilter(const_cast<GridDelegate*>(this));
        return editor;
    }

    // The editor takes the cell's text when it opens. Every event refreshes
    // the whole grid, typing included; filling the editor again then would
    // throw away what the user has typed so far.
    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        if (editor->property("bulbicalcFilled").toBool())
            return;
        editor->setProperty("bulbicalcFilled", true);
        QStyledItemDelegate::setEditorData(editor, index);
    }

    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (view_->editorKeyPressed(static_cast<QWidget*>(object), key->key(), key->text()))
                return true;
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Escape)
                return true;
            return false;
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    GridView* view_;
};

} // namespace

GridView::GridView(QWidget* parent) : QTableView(parent)
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    setItemDelegate(new GridDelegate(this));
    horizontalHeader()->setMinimumSectionSize(1);
}

void GridView::attach(WindowState& core, EventBoundary& boundary)
{
    core_ = &core;
    boundary_ = &boundary;
    name_ = utf8(objectName());
    model_ = new GridModel(core, boundary, name_, this);
    model_->setMeasureFont(font());
    setModel(model_);
    const Grid& g = core.grid(name_);
    setEditTriggers(g.editing ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                    QAbstractItemView::AnyKeyPressed
                              : QAbstractItemView::NoEditTriggers);
    applyGeometry();
}

void GridView::refresh()
{
    if (!model_)
        return;
    model_->refresh();
    applyGeometry();
}

void GridView::applyGeometry()
{
    const Grid& g = core_->grid(name_);
    for (int col = 0; col < g.colCount(); ++col)
        if (columnWidth(col) != g.column(col).width)
            setColumnWidth(col, g.column(col).width);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(g.rowHeight);
}

void GridView::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableView::currentChanged(current, previous);
    if (core_ && current.isValid())
        core_->grid(name_).setCurrent(current.column(), current.row());
}

void GridView::openEditorAt(int col, int row)
{
    const QModelIndex target = model_->index(row, col);
    setCurrentIndex(target);
    // Reopen once the closing editor is gone.
    QTimer::singleShot(0, this, [this, target] {
        if (target.isValid() && (model_->flags(target) & Qt::ItemIsEditable))
            edit(target);
    });
}

bool GridView::editorKeyPressed(QWidget* editor, int key, const QString& text)
{
    if (!core_)
        return false;
    const QModelIndex index = currentIndex();
    const int col = index.column();
    const int row = index.row();
    auto* line = qobject_cast<QLineEdit*>(editor);

    if (key == Qt::Key_Escape) {
        // Closing without committing restores the cell's text.
        closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
        boundary_->run([&] { core_->gridKey(name_, col, row, kKeyEscape); });
        return true;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
        boundary_->run([&] { core_->gridEnter(name_, col, row); });
        const Grid& g = core_->grid(name_);
        openEditorAt(g.currentCol(), g.currentRow());
        return true;
    }
    const QList<uint> codes = text.toUcs4();
    if (codes.size() != 1 || !text.at(0).isPrint())
        return false;
    char32_t result = kKeyNone;
    boundary_->run([&] { result = core_->gridKey(name_, col, row, static_cast<char32_t>(codes.front())); });
    if (result == static_cast<char32_t>(codes.front()))
        return false;
    if (result != kKeyNone && line)
        line->insert(QString::fromUcs4(&result, 1));
    return true;
}

} // namespace bulbicalc::ui

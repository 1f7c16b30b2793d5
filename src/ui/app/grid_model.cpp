#include "ui/app/grid_model.h"

#include "core/app/window_state.h"
#include "ui/app/event_boundary.h"
#include "ui/app/qt_text.h"

#include <QApplication>
#include <QBrush>
#include <QColor>
#include <QFontMetrics>
#include <QPalette>

namespace bulbicalc::ui {
namespace {

QColor toQColor(const Colour& c)
{
    return QColor(c.red, c.green, c.blue);
}

Qt::Alignment toQt(Alignment a)
{
    switch (a) {
    case Alignment::Center:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    case Alignment::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    case Alignment::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

} // namespace

GridModel::GridModel(WindowState& core, EventBoundary& boundary, std::string gridName, QObject* parent)
    : QAbstractTableModel(parent), core_(core), boundary_(boundary), name_(std::move(gridName))
{
    rows_ = grid().rowCount();
    cols_ = grid().colCount();
}

Grid& GridModel::grid() const
{
    return core_.grid(name_);
}

int GridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows_;
}

int GridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : cols_;
}

QVariant GridModel::data(const QModelIndex& index, int role) const
{
    const Grid& g = grid();
    const int col = index.column();
    const int row = index.row();
    if (!index.isValid() || !g.contains(col, row))
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return qt(g.shownText(col, row));
    case Qt::EditRole:
        return qt(g.cell(col, row));
    case Qt::TextAlignmentRole: {
        const auto& column = g.column(col);
        const bool title = row == 0 && g.fixedRows() > 0;
        return QVariant::fromValue(toQt(title ? column.titleAlignment : column.alignment));
    }
    case Qt::ForegroundRole: {
        const CellStyle style = g.cellStyle(col, row);
        if (style.font)
            return QBrush(toQColor(*style.font));
        return {};
    }
    case Qt::BackgroundRole: {
        const CellStyle style = g.cellStyle(col, row);
        if (style.background)
            return QBrush(toQColor(*style.background));
        if (style.heading)
            return QApplication::palette().brush(QPalette::Button);
        return {};
    }
    case Qt::ToolTipRole: {
        const QFontMetrics metrics(font_);
        const std::string hint =
            g.hint(col, row, [&](const std::string& text) { return metrics.horizontalAdvance(qt(text)); });
        if (hint.empty())
            return {};
        return qt(hint);
    }
    default:
        return {};
    }
}

bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid())
        return false;
    const std::string text = utf8(value.toString());
    const int col = index.column();
    const int row = index.row();
    return boundary_.run([&] { core_.editCell(name_, col, row, text); });
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (grid().cellEditable(index.column(), index.row()))
        f |= Qt::ItemIsEditable;
    return f;
}

void GridModel::refresh()
{
    const Grid& g = grid();
    if (g.rowCount() != rows_ || g.colCount() != cols_) {
        beginResetModel();
        rows_ = g.rowCount();
        cols_ = g.colCount();
        endResetModel();
        return;
    }
    if (rows_ > 0 && cols_ > 0)
        Q_EMIT dataChanged(index(0, 0), index(rows_ - 1, cols_ - 1));
}

} // namespace bulbicalc::ui

#pragma once

#include <QAbstractTableModel>
#include <QFont>

#include <string>

namespace bulbicalc {
class Grid;
class WindowState;
} // namespace bulbicalc

namespace bulbicalc::ui {

class EventBoundary;

// Shows one core grid: its displayed texts (titles in row 0 where the grid has
// a fixed row), alignments, colours and hints, all computed by the core.
// Fixed rows and columns are ordinary rows and columns of the model, painted
// as headings, so the model's addresses are the grid's addresses.
class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    GridModel(WindowState& core, EventBoundary& boundary, std::string gridName, QObject* parent = nullptr);

    const std::string& gridName() const { return name_; }
    Grid& grid() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The font hints are measured with.
    void setMeasureFont(const QFont& font) { font_ = font; }

    // Re-reads the core grid after an event.
    void refresh();

private:
    WindowState& core_;
    EventBoundary& boundary_;
    std::string name_;
    QFont font_;
    int rows_ = 0;
    int cols_ = 0;
};

} // namespace bulbicalc::ui

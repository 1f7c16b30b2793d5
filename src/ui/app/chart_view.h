#pragma once

#include "core/app/chart_data.h"

#include <QChartView>

#include <optional>

namespace bulbicalc::ui {

// Draws the chart data that the core computed: a pie, bars over a fixed axis,
// or points and rectangles over fixed axes with optional date labels.
// Drawing builds a whole chart, so it happens only while the view is visible:
// data given to a hidden view are drawn when it is next shown.
class ChartView : public QChartView {
    Q_OBJECT
public:
    explicit ChartView(QWidget* parent = nullptr);

    // The data to show; redrawn (now, or when the view is next shown) when
    // they differ from the data it has.
    void show(const ChartData& data);
    const std::optional<ChartData>& shown() const { return shown_; }
    // Whether the view has drawn the data it was given.
    bool isDrawn() const { return drawn_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::optional<ChartData> shown_;
    bool drawn_ = false;

    void draw(const ChartData& data);
};

} // namespace bulbicalc::ui

#pragma once

#include "core/app/chart_data.h"

#include <QChartView>

#include <optional>

namespace bulbicalc::ui {

// Draws the chart data that the core computed: a pie, bars over a fixed axis,
// or points and rectangles over fixed axes with optional date labels.
class ChartView : public QChartView {
    Q_OBJECT
public:
    explicit ChartView(QWidget* parent = nullptr);

    // Redraws when the data differ from what is shown.
    void show(const ChartData& data);
    const std::optional<ChartData>& shown() const { return shown_; }

private:
    std::optional<ChartData> shown_;

    void draw(const ChartData& data);
};

} // namespace bulbicalc::ui

#pragma once

#include "core/app/colour.h"

#include <optional>
#include <string>
#include <vector>

namespace bulbicalc {

// What a chart shows, computed in the core and drawn by the window.
enum class SeriesKind { Pie, Bar, Points, Rectangle };

struct ChartPoint {
    double x = 0;
    double y = 0;
    std::string label;            // point label (slice label for a pie); empty for none
    std::string mark;             // the mark text drawn beside a pie slice
    std::optional<Colour> colour; // a pie slice's own colour

    friend bool operator==(const ChartPoint&, const ChartPoint&) = default;
};

struct ChartSeries {
    SeriesKind kind = SeriesKind::Points;
    std::string title;
    Colour colour;
    // Pie: one point per slice (y the value, label its mark text).
    // Bar: one point, y the bar's value.
    // Rectangle: two corner points.
    std::vector<ChartPoint> points;

    friend bool operator==(const ChartSeries&, const ChartSeries&) = default;
};

struct ChartAxis {
    double minimum = 0;
    double maximum = 100;
    double step = 0; // 0: the chart chooses
    std::string title;
    bool fixed = false;
    int labelAngle = 0;
    bool pointLabels = false; // labels come from the point labels of the series

    friend bool operator==(const ChartAxis&, const ChartAxis&) = default;
};

struct ChartData {
    std::string title;
    bool legendVisible = false;
    bool legendAtTop = false;
    ChartAxis horizontal;
    ChartAxis vertical;
    std::vector<ChartSeries> series;

    friend bool operator==(const ChartData&, const ChartData&) = default;
};

} // namespace bulbicalc

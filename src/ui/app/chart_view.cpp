#include "ui/app/chart_view.h"

#include "ui/app/qt_text.h"

#include <QAreaSeries>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QLineSeries>
#include <QPieSeries>
#include <QPieSlice>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <vector>

namespace bulbicalc::ui {
namespace {

QColor toQColor(const Colour& c)
{
    return QColor(c.red, c.green, c.blue);
}

QAbstractAxis* valueAxis(const ChartAxis& axis, bool labelsFromPoints, const std::vector<ChartSeries>& series)
{
    if (labelsFromPoints) {
        auto* categories = new QCategoryAxis;
        categories->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
        categories->setRange(axis.minimum, axis.maximum);
        categories->setStartValue(axis.minimum);
        // A category axis takes its labels in rising order of value, each label
        // once: sort the labelled points by x; a label on a value already
        // labelled, or a label already shown, is left out.
        std::vector<const ChartPoint*> labelled;
        for (const auto& s : series)
            for (const auto& point : s.points)
                if (!point.label.empty())
                    labelled.push_back(&point);
        std::stable_sort(labelled.begin(), labelled.end(),
                         [](const ChartPoint* a, const ChartPoint* b) { return a->x < b->x; });
        for (const ChartPoint* point : labelled) {
            const QString label = qt(point->label);
            const bool rises = categories->count() == 0 ||
                               point->x > categories->endValue(categories->categoriesLabels().constLast());
            if (rises && !categories->categoriesLabels().contains(label))
                categories->append(label, point->x);
        }
        categories->setTitleText(qt(axis.title));
        categories->setLabelsAngle(axis.labelAngle);
        // The dates are short; they must show whole, not elided.
        categories->setTruncateLabels(false);
        return categories;
    }
    auto* values = new QValueAxis;
    values->setRange(axis.minimum, axis.maximum);
    if (axis.step > 0) {
        values->setTickCount(static_cast<int>(std::lround((axis.maximum - axis.minimum) / axis.step)) + 1);
        values->setLabelFormat(QStringLiteral("%.0f"));
    }
    values->setTitleText(qt(axis.title));
    values->setLabelsAngle(axis.labelAngle);
    return values;
}

} // namespace

ChartView::ChartView(QWidget* parent) : QChartView(parent)
{
    setRenderHint(QPainter::Antialiasing);
    chart()->legend()->hide();
}

void ChartView::show(const ChartData& data)
{
    if (shown_ && *shown_ == data)
        return;
    shown_ = data;
    drawn_ = false;
    if (isVisible()) {
        draw(data);
        drawn_ = true;
    }
}

void ChartView::showEvent(QShowEvent* event)
{
    if (shown_ && !drawn_) {
        draw(*shown_);
        drawn_ = true;
    }
    QChartView::showEvent(event);
}

void ChartView::draw(const ChartData& data)
{
    auto* chart = new QChart;
    chart->setTitle(qt(data.title));
    chart->legend()->setVisible(data.legendVisible);
    if (data.legendAtTop)
        chart->legend()->setAlignment(Qt::AlignTop);

    const bool isPie = !data.series.empty() && data.series.front().kind == SeriesKind::Pie;
    const bool isBar = !data.series.empty() && data.series.front().kind == SeriesKind::Bar;
    if (isPie) {
        auto* pie = new QPieSeries;
        // Room around the pie for the marks outside it.
        pie->setPieSize(0.5);
        for (const auto& point : data.series.front().points) {
            // Labels are drawn as rich text, which folds runs of blanks:
            // keep the mark's blanks as they are written.
            QString mark = qt(point.mark);
            mark.replace(QStringLiteral("  "), QStringLiteral(" \u00A0"));
            QPieSlice* slice = pie->append(mark, point.y);
            if (point.colour)
                slice->setColor(toQColor(*point.colour));
            // A slice of zero has no area: its mark would only pile up on
            // the others.
            slice->setLabelVisible(point.y != 0);
            slice->setLabelArmLengthFactor(0.08);
        }
        chart->addSeries(pie);
    } else if (isBar) {
        auto* bars = new QBarSeries;
        bars->setBarWidth(1.0);
        for (const auto& s : data.series) {
            auto* set = new QBarSet(qt(s.title));
            set->setColor(toQColor(s.colour));
            for (const auto& point : s.points)
                set->append(point.y);
            bars->append(set);
        }
        chart->addSeries(bars);
        auto* categories = new QBarCategoryAxis;
        categories->append(QString());
        categories->setLabelsVisible(false);
        chart->addAxis(categories, Qt::AlignBottom);
        bars->attachAxis(categories);
        QAbstractAxis* vertical = valueAxis(data.vertical, false, data.series);
        chart->addAxis(vertical, Qt::AlignLeft);
        bars->attachAxis(vertical);
    } else {
        QAbstractAxis* horizontal = valueAxis(data.horizontal, data.horizontal.pointLabels, data.series);
        QAbstractAxis* vertical = valueAxis(data.vertical, false, data.series);
        chart->addAxis(horizontal, Qt::AlignBottom);
        chart->addAxis(vertical, Qt::AlignLeft);
        for (const auto& s : data.series) {
            QAbstractSeries* drawn = nullptr;
            if (s.kind == SeriesKind::Points) {
                auto* points = new QScatterSeries;
                points->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
                points->setMarkerSize(10);
                points->setColor(toQColor(s.colour));
                for (const auto& point : s.points)
                    points->append(point.x, point.y);
                drawn = points;
            } else if (s.kind == SeriesKind::Rectangle && s.points.size() == 2) {
                const auto& a = s.points[0];
                const auto& b = s.points[1];
                auto* lower = new QLineSeries;
                lower->append(a.x, a.y);
                lower->append(b.x, a.y);
                auto* upper = new QLineSeries;
                upper->append(a.x, b.y);
                upper->append(b.x, b.y);
                auto* area = new QAreaSeries(upper, lower);
                // The area series draws its two lines but does not own them.
                upper->setParent(area);
                lower->setParent(area);
                area->setColor(toQColor(s.colour));
                area->setBorderColor(toQColor(s.colour));
                drawn = area;
            }
            if (!drawn)
                continue;
            chart->addSeries(drawn);
            drawn->attachAxis(horizontal);
            drawn->attachAxis(vertical);
        }
    }
    QChart* old = this->chart();
    setChart(chart);
    delete old;
}

} // namespace bulbicalc::ui

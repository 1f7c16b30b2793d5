#include "core/calendar/calendar.h"

#include "core/app/number_text.h"
#include "core/app/window_state.h"

#include <algorithm>
#include <cstddef>

namespace bulbicalc {
namespace {

constexpr int kTimingColumn = 1;
constexpr int kDateColumn = 2;

// Parcelas 2 to 6 have a rectangle series each (series 1 to 5).
constexpr int kLastDrawnParcela = 6;

// The rectangles stand on the line of the planting point.
constexpr double kBaseline = 50;
constexpr double kRectangleWidth = 3;
constexpr double kRectangleHeight = 4;

const Date& plantingDate(const WindowState& window)
{
    return window.control("DateTimePicker2").date;
}

std::string dayAxisTitle(CultivationSystem system)
{
    switch (system) {
    case CultivationSystem::Transplant:
        return "Dias após o transplante";
    case CultivationSystem::DirectSeeding:
        return "Dias após a semeadura";
    case CultivationSystem::ConsolidatedNoTill:
        break;
    }
    return "Dias após o plantio";
}

CalendarChartInput chartInput(const WindowState& window)
{
    CalendarChartInput input;
    const Grid& calendar = window.grid("stga1");
    for (int row = 1; row < calendar.rowCount(); ++row)
        input.rows.push_back({calendar.cell(kTimingColumn, row), calendar.cell(kDateColumn, row)});
    input.planting = plantingDate(window);
    input.dateView = window.isChecked("RadioButton19");
    input.system = cultivationSystem(window);
    return input;
}

} // namespace

std::string applicationDate(const Date& planting, const std::string& timing)
{
    return shortDateText(addDays(planting, parseInteger(timing)));
}

void DefineData(WindowState& window)
{
    Grid& calendar = window.grid("stga1");
    const Date planting = plantingDate(window);
    // Parcela 1 is the planting itself, whatever its timing cell holds.
    calendar.setCell(kDateColumn, 1, shortDateText(planting));
    for (int row = 2; row < calendar.rowCount(); ++row) {
        const std::string timing = calendar.cell(kTimingColumn, row);
        if (!timing.empty())
            calendar.setCell(kDateColumn, row, applicationDate(planting, timing));
    }
}

void fillCalendarChart(ChartData& chart, const CalendarChartInput& input)
{
    for (ChartSeries& series : chart.series)
        series.points.clear();
    chart.horizontal.minimum = -10;
    chart.horizontal.maximum = 140;
    chart.horizontal.fixed = true;
    chart.vertical.minimum = 30;
    chart.vertical.maximum = 70;
    chart.vertical.fixed = true;
    // A grid line every 10 days and every 10 units: whole-number labels.
    chart.horizontal.step = 10;
    chart.vertical.step = 10;
    chart.horizontal.pointLabels = input.dateView;
    chart.horizontal.title = input.dateView ? "Datas" : dayAxisTitle(input.system);
    if (chart.series.empty())
        return;

    chart.series[0].points.push_back(
        ChartPoint{0, kBaseline, input.dateView ? shortDateText(input.planting) : std::string(), {}, {}});

    const int lastParcela = std::min(
        {kLastDrawnParcela, static_cast<int>(input.rows.size()), static_cast<int>(chart.series.size())});
    int day = 0;
    for (int parcela = 2; parcela <= lastParcela; ++parcela) {
        const CalendarRow& row = input.rows[static_cast<std::size_t>(parcela - 1)];
        // The day view draws a parcela without timing where the one before it
        // stands; the date view leaves it out, having no date to show.
        if (row.timing.empty() && input.dateView)
            continue;
        if (!row.timing.empty())
            day = parseInteger(row.timing);
        const double x = day;
        auto& corners = chart.series[static_cast<std::size_t>(parcela - 1)].points;
        corners.push_back(ChartPoint{x, kBaseline, input.dateView ? row.date : std::string(), {}, {}});
        corners.push_back(ChartPoint{x + kRectangleWidth, kBaseline + kRectangleHeight, {}, {}, {}});
    }
}

void Grafico1(WindowState& window)
{
    ChartData chart = window.chart("Chart1");
    fillCalendarChart(chart, chartInput(window));
    window.chart("Chart1") = std::move(chart);
}

void showCultivationSystem(WindowState& window, CultivationSystem system)
{
    const bool transplant = system == CultivationSystem::Transplant;
    window.setText("RadioButton18", transplant ? "Dias após plantio (DAP)" : "Dias após semeadura (DASD)");
    // stga1 is a plain grid: its headings are the cells of row 0.
    window.grid("stga1").setCell(kTimingColumn, 0, transplant ? "Epoca (DAP)" : "Epoca (DASD)");
    window.control("Image1").visible = transplant;
    window.control("Image2").visible = !transplant;
}

void DateTimePicker2Change(WindowState& window)
{
    DefineData(window);
    Grafico1(window);
}

void registerCalendarHandlers(WindowState& window)
{
    window.onChange("DateTimePicker2", DateTimePicker2Change);
    window.onClick("RadioButton18", Grafico1);
    window.onClick("RadioButton19", Grafico1);
}

} // namespace bulbicalc

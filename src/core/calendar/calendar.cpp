#include "core/calendar/calendar.h"

#include "core/app/form_builder.h"
#include "core/app/number_text.h"
#include "core/app/window_state.h"
#include "core/calendar/calendar_controls.h"
#include "core/doses/doses_controls.h"
#include "core/doses/split_grid.h"

#include <algorithm>
#include <cstddef>

namespace bulbicalc {

using namespace calendar;

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
    return window.control(DateTimePicker2).date;
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
    const Grid& listing = window.grid(stga1);
    for (int row = 1; row < listing.rowCount(); ++row)
        input.rows.push_back({listing.cell(kTimingColumn, row), listing.cell(kDateColumn, row)});
    input.planting = plantingDate(window);
    input.dateView = window.isChecked(RadioButton19);
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
    Grid& listing = window.grid(stga1);
    const Date planting = plantingDate(window);
    // Parcela 1 is the planting itself, whatever its timing cell holds.
    listing.setCell(kDateColumn, 1, shortDateText(planting));
    for (int row = 2; row < listing.rowCount(); ++row) {
        const std::string timing = listing.cell(kTimingColumn, row);
        if (!timing.empty())
            listing.setCell(kDateColumn, row, applicationDate(planting, timing));
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

void listParcelas(WindowState& window, int parcelas)
{
    const Grid& split = window.grid(doses::rstga1);
    Grid& listing = window.grid(stga1);
    switch (cultivationSystem(window)) {
    case CultivationSystem::Transplant:
        listing.setCell(kTimingColumn, 0, "Época (DAT)");
        break;
    case CultivationSystem::DirectSeeding:
        listing.setCell(kTimingColumn, 0, "Época (DASD)");
        break;
    case CultivationSystem::ConsolidatedNoTill:
        break; // keeps the heading of the system switch
    }
    listing.setRowCount(parcelas + 1);
    listing.setCell(0, 1, "1");
    listing.setCell(kTimingColumn, 1, "0");
    for (int p = 2; p <= parcelas; ++p) {
        listing.setCell(0, p, split.cell(split_column::kNumber, p));
        listing.setCell(kTimingColumn, p, split.cell(split_column::kTiming, p));
    }
}

void Grafico1(WindowState& window)
{
    ChartData chart = window.chart(Chart1);
    fillCalendarChart(chart, chartInput(window));
    window.chart(Chart1) = std::move(chart);
}

void showCultivationSystem(WindowState& window, CultivationSystem system)
{
    const bool transplant = system == CultivationSystem::Transplant;
    window.setText(RadioButton18, transplant ? "Dias após plantio (DAP)" : "Dias após semeadura (DASD)");
    // stga1 is a plain grid: its headings are the cells of row 0.
    window.grid(stga1).setCell(kTimingColumn, 0, transplant ? "Epoca (DAP)" : "Epoca (DASD)");
    window.control(Image1).visible = transplant;
    window.control(Image2).visible = !transplant;
}

void DateTimePicker2Change(WindowState& window)
{
    DefineData(window);
    Grafico1(window);
}

void addCalendarControls(WindowState& window)
{
    FormBuilder b(window);
    b.tab(TabSheet5);
    Grid& g = b.grid(stga1, 3, 5, 0, 1, repeatedWidths(3, 100));
    g.editing = false;
    g.rowHeight = 24;
    Control& picker = b.add(DateTimePicker2, ControlKind::DatePicker);
    picker.date = Date{2021, 6, 1};
    b.radio(RadioButton18, "visao", "Dias após plantio", true);
    b.radio(RadioButton19, "visao", "Data");
    b.image(Image1, true);
    b.image(Image2, false);

    ChartData chart;
    chart.title = "Calendário de Adubação";
    // Before the first drawing the empty chart already has the drawn chart's
    // axes: a grid line every 10 days and every 10 units.
    chart.horizontal = ChartAxis{-10, 140, 10, "Dias após o plantio", true, 90, false};
    chart.vertical = ChartAxis{30, 70, 10, "", true, 0, false};
    chart.series.push_back(ChartSeries{SeriesKind::Points, "", Colour{0, 128, 192}, {}});
    for (Colour c : {colours::kGreen, colours::kBlue, colours::kPurple, colours::kPurple, colours::kPurple})
        chart.series.push_back(ChartSeries{SeriesKind::Rectangle, "", c, {}});
    window.addChart(std::string(Chart1), std::move(chart));
}

void writeCalendarHeadings(WindowState& window)
{
    writeRow(window.grid(stga1), 0, {"Parcela", "Epoca (DAS)", "Data"});
}

void registerCalendarHandlers(WindowState& window)
{
    window.onChange(DateTimePicker2, DateTimePicker2Change);
    window.onClick(RadioButton18, Grafico1);
    window.onClick(RadioButton19, Grafico1);
}

} // namespace bulbicalc

#include "calendar_window.h"
#include "core/app/errors.h"
#include "core/calendar/calendar.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace bulbicalc {
namespace {

using test::CalendarWindow;

struct DateCase {
    Date planting;
    const char* timing;
    const char* date;
    friend std::ostream& operator<<(std::ostream& out, const DateCase& c)
    {
        return out << shortDateText(c.planting) << " + " << c.timing;
    }
};

class ApplicationDate : public testing::TestWithParam<DateCase> {};

TEST_P(ApplicationDate, CountsDaysFromPlanting)
{
    EXPECT_EQ(applicationDate(GetParam().planting, GetParam().timing), GetParam().date);
}

INSTANTIATE_TEST_SUITE_P(
    Calendar, ApplicationDate,
    testing::Values(DateCase{{2021, 6, 1}, "0", "01/06/2021"}, DateCase{{2021, 6, 1}, "35", "06/07/2021"},
                    DateCase{{2021, 6, 1}, "60", "31/07/2021"}, DateCase{{2021, 6, 1}, "85", "25/08/2021"},
                    DateCase{{2021, 12, 31}, "35", "04/02/2022"}, DateCase{{2024, 2, 1}, "28", "29/02/2024"},
                    DateCase{{2021, 6, 1}, "-1", "31/05/2021"}, DateCase{{9999, 12, 1}, "30", "31/12/9999"}));

TEST(ApplicationDate, RejectsTimingsThatAreNoWholeNumber)
{
    for (const char* timing : {"35,5", "Plantio", "", " 35", "99999999999"}) {
        try {
            applicationDate(Date{2021, 6, 1}, timing);
            FAIL() << "accepted " << timing;
        } catch (const IntegerConversionError& error) {
            EXPECT_EQ(std::string(error.what()),
                      std::string("'") + timing + "' is not a valid integer value");
        }
    }
}

TEST(ApplicationDate, RejectsDatesOutsideTheCalendar)
{
    EXPECT_THROW(applicationDate(Date{2021, 6, 1}, "3000000"), Error);
    EXPECT_THROW(applicationDate(Date{2021, 6, 1}, "-2147483648"), Error);
    EXPECT_THROW(applicationDate(Date{9999, 12, 31}, "1"), Error);
}

// The chart as the window starts with it: title, six series, fixed axes.
ChartData startChart()
{
    CalendarWindow t;
    return t.window.chart("Chart1");
}

CalendarChartInput transplantPlan(bool dateView)
{
    CalendarChartInput input;
    input.rows = {{"0", "01/06/2021"}, {"35", "06/07/2021"}, {"60", "31/07/2021"}, {"85", "25/08/2021"}};
    input.planting = Date{2021, 6, 1};
    input.dateView = dateView;
    return input;
}

std::vector<ChartPoint> rectangle(double day, std::string label = {})
{
    return {ChartPoint{day, 50, std::move(label), {}, {}}, ChartPoint{day + 3, 54, {}, {}, {}}};
}

TEST(CalendarChart, DayViewDrawsThePlantingPointAndARectanglePerParcela)
{
    ChartData chart = startChart();
    fillCalendarChart(chart, transplantPlan(false));
    ASSERT_EQ(chart.series.size(), 6u);
    EXPECT_EQ(chart.series[0].points, (std::vector<ChartPoint>{ChartPoint{0, 50, {}, {}, {}}}));
    EXPECT_EQ(chart.series[1].points, rectangle(35));
    EXPECT_EQ(chart.series[2].points, rectangle(60));
    EXPECT_EQ(chart.series[3].points, rectangle(85));
    EXPECT_TRUE(chart.series[4].points.empty());
    EXPECT_TRUE(chart.series[5].points.empty());
    EXPECT_EQ(chart.horizontal.title, "Dias após o transplante");
    EXPECT_FALSE(chart.horizontal.pointLabels);
    EXPECT_EQ(chart.horizontal.minimum, -10);
    EXPECT_EQ(chart.horizontal.maximum, 140);
    EXPECT_TRUE(chart.horizontal.fixed);
    EXPECT_EQ(chart.vertical.minimum, 30);
    EXPECT_EQ(chart.vertical.maximum, 70);
    EXPECT_TRUE(chart.vertical.fixed);
    EXPECT_EQ(chart.horizontal.step, 10);
    EXPECT_EQ(chart.vertical.step, 10);
    // The look of the chart stays.
    EXPECT_EQ(chart.title, "Calendário de Adubação");
    EXPECT_EQ(chart.series[1].colour, colours::kGreen);
    EXPECT_EQ(chart.series[2].colour, colours::kBlue);
    EXPECT_EQ(chart.series[3].colour, colours::kPurple);
}

TEST(CalendarChart, DateViewLabelsThePlantingAndEachParcelaWithItsDate)
{
    ChartData chart = startChart();
    fillCalendarChart(chart, transplantPlan(true));
    EXPECT_EQ(chart.series[0].points, (std::vector<ChartPoint>{ChartPoint{0, 50, "01/06/2021", {}, {}}}));
    EXPECT_EQ(chart.series[1].points, rectangle(35, "06/07/2021"));
    EXPECT_EQ(chart.series[3].points, rectangle(85, "25/08/2021"));
    EXPECT_EQ(chart.horizontal.title, "Datas");
    EXPECT_TRUE(chart.horizontal.pointLabels);
}

TEST(CalendarChart, SwitchingViewsKeepsTheRectangles)
{
    ChartData days = startChart();
    ChartData dates = startChart();
    fillCalendarChart(dates, transplantPlan(true));
    days = dates;
    fillCalendarChart(days, transplantPlan(false));
    ChartData fresh = startChart();
    fillCalendarChart(fresh, transplantPlan(false));
    EXPECT_EQ(days, fresh);
}

TEST(CalendarChart, DayAxisTitleFollowsTheSystem)
{
    const std::pair<CultivationSystem, const char*> cases[] = {
        {CultivationSystem::Transplant, "Dias após o transplante"},
        {CultivationSystem::DirectSeeding, "Dias após a semeadura"},
        {CultivationSystem::ConsolidatedNoTill, "Dias após o plantio"},
    };
    for (const auto& [system, title] : cases) {
        ChartData chart = startChart();
        CalendarChartInput input = transplantPlan(false);
        input.system = system;
        fillCalendarChart(chart, input);
        EXPECT_EQ(chart.horizontal.title, title);
        input.dateView = true;
        fillCalendarChart(chart, input);
        EXPECT_EQ(chart.horizontal.title, "Datas");
    }
}

CalendarChartInput parcelas(int count, bool dateView)
{
    CalendarChartInput input;
    input.planting = Date{2021, 6, 1};
    input.dateView = dateView;
    input.rows.push_back({"0", "01/06/2021"});
    for (int p = 2; p <= count; ++p)
        input.rows.push_back({std::to_string(20 * (p - 1)), "d" + std::to_string(p)});
    return input;
}

TEST(CalendarChart, DrawsParcelasTwoToSixInBothViews)
{
    for (bool dateView : {false, true}) {
        ChartData chart = startChart();
        fillCalendarChart(chart, parcelas(8, dateView));
        for (int p = 2; p <= 6; ++p)
            EXPECT_EQ(chart.series[static_cast<std::size_t>(p - 1)].points,
                      rectangle(20 * (p - 1), dateView ? "d" + std::to_string(p) : ""))
                << "parcela " << p << (dateView ? " (dates)" : " (days)");
        EXPECT_EQ(chart.series.size(), 6u);
    }
}

TEST(CalendarChart, OneParcelaShowsOnlyThePlantingPoint)
{
    ChartData chart = startChart();
    fillCalendarChart(chart, transplantPlan(false));
    fillCalendarChart(chart, parcelas(1, false));
    EXPECT_EQ(chart.series[0].points.size(), 1u);
    for (std::size_t s = 1; s < chart.series.size(); ++s)
        EXPECT_TRUE(chart.series[s].points.empty()) << s;
}

TEST(CalendarChart, AParcelaWithoutTimingStandsOnThePreviousOneInTheDayViewOnly)
{
    CalendarChartInput input = transplantPlan(false);
    input.rows[2] = {"", ""};
    ChartData chart = startChart();
    fillCalendarChart(chart, input);
    EXPECT_EQ(chart.series[2].points, rectangle(35));
    EXPECT_EQ(chart.series[3].points, rectangle(85));

    input.dateView = true;
    fillCalendarChart(chart, input);
    EXPECT_TRUE(chart.series[2].points.empty());
    EXPECT_EQ(chart.series[3].points, rectangle(85, "25/08/2021"));

    // Without any timing the day view starts from day 0.
    input = transplantPlan(false);
    input.rows[1] = {"", ""};
    fillCalendarChart(chart, input);
    EXPECT_EQ(chart.series[1].points, rectangle(0));
}

TEST(CalendarChart, ATimingThatIsNoWholeNumberRaisesTheIntegerError)
{
    CalendarChartInput input = transplantPlan(false);
    input.rows[2].timing = "60,5";
    ChartData chart = startChart();
    EXPECT_THROW(fillCalendarChart(chart, input), IntegerConversionError);
}

TEST(Calendar, Grafico1KeepsTheChartOnAFailure)
{
    CalendarWindow t;
    WindowState& w = t.window;
    Grid& calendar = w.grid("stga1");
    calendar.setCell(1, 1, "0");
    calendar.setCell(1, 2, "35");
    Grafico1(w);
    const ChartData drawn = w.chart("Chart1");
    ASSERT_EQ(drawn.series[1].points, rectangle(35));
    calendar.setCell(1, 3, "sessenta");
    EXPECT_THROW(Grafico1(w), IntegerConversionError);
    EXPECT_EQ(w.chart("Chart1"), drawn);
}

TEST(Calendar, DefineDataStopsAtTheFirstBadTimingWithTheDatesBeforeItWritten)
{
    CalendarWindow t;
    WindowState& w = t.window;
    Grid& calendar = w.grid("stga1");
    calendar.setRowCount(5);
    calendar.setCell(1, 1, "Plantio"); // parcela 1 is the planting whatever it holds
    calendar.setCell(1, 2, "35");
    calendar.setCell(1, 3, "35,5");
    calendar.setCell(1, 4, "85");
    calendar.setCell(2, 4, "old");
    EXPECT_THROW(DefineData(w), IntegerConversionError);
    EXPECT_EQ(calendar.cell(2, 1), "01/06/2021");
    EXPECT_EQ(calendar.cell(2, 2), "06/07/2021");
    EXPECT_EQ(calendar.cell(2, 3), "");
    EXPECT_EQ(calendar.cell(2, 4), "old");
}

} // namespace
} // namespace bulbicalc

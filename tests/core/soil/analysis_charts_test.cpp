#include "core/app/errors.h"
#include "core/soil/analysis_charts.h"
#include "soil_window.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace bulbicalc {
namespace {

using test::SoilWindow;

struct PatternCase {
    double value;
    const char* pattern;
    const char* text;
    friend std::ostream& operator<<(std::ostream& out, const PatternCase& c)
    {
        return out << c.value << " with " << c.pattern;
    }
};

class SectionPattern : public testing::TestWithParam<PatternCase> {};

TEST_P(SectionPattern, WritesTheValueAsThePatternAsks)
{
    EXPECT_EQ(formatSections(GetParam().value, GetParam().pattern), GetParam().text);
}

constexpr const char* kMark = "#.0,;(#.##0,00)";

INSTANTIATE_TEST_SUITE_P(PieMarks, SectionPattern,
                         testing::Values(
                             // Zero and positive values: one decimal, no leading zero, grouping.
                             PatternCase{0.5, kMark, ",5"}, PatternCase{0, kMark, ",0"},
                             PatternCase{0.04, kMark, ",0"}, PatternCase{0.05, kMark, ",1"},
                             PatternCase{0.96, kMark, "1,0"}, PatternCase{2, kMark, "2,0"},
                             PatternCase{25, kMark, "25,0"}, PatternCase{12.25, kMark, "12,3"},
                             PatternCase{100, kMark, "100,0"}, PatternCase{1234.56, kMark, "1.234,6"},
                             PatternCase{1234567, kMark, "1.234.567,0"},
                             // Negative values: the second section, without the sign; its five
                             // decimal placeholders end in '0', so all five are written.
                             PatternCase{-2.5, kMark, "(2,50000)"}, PatternCase{-0.5, kMark, "(,50000)"},
                             PatternCase{-1234.5, kMark, "(1.234,50000)"}));

INSTANTIATE_TEST_SUITE_P(OtherPatterns, SectionPattern,
                         testing::Values(PatternCase{0.5, "0.00", "0,50"}, PatternCase{2.5, "#.##", "2,5"},
                                         PatternCase{2, "#.##", "2"}, PatternCase{5, "00.0", "05,0"},
                                         PatternCase{-3, "0", "-3"}, PatternCase{-3, "0;", "-3"},
                                         PatternCase{0, "0.0;-0.0;nada", "nada"},
                                         PatternCase{-1.25, "0.0;[0.0]", "[1,3]"},
                                         PatternCase{37.5, "0", "38"}));

TEST(SectionPattern, RejectsTextBetweenPlaceholders)
{
    EXPECT_THROW(formatSections(1, "0x0"), std::invalid_argument);
}

void typeSaturations(WindowState& w, const char* k, const char* al, const char* ca, const char* mg,
                     const char* h)
{
    w.type("Edit42", k);
    w.type("Edit43", al);
    w.type("Edit14", ca);
    w.type("Edit46", mg);
    w.type("Edit47", h);
}

TEST(AnalysisCharts, SlicesCarryLabelMarkColourAndValueInOrder)
{
    SoilWindow t;
    typeSaturations(t.window, "2,0", "5,0", "15,0", "10,0", "25,0");
    Grafico3(t.window);
    const ChartData& chart = t.window.chart("Chart3");
    EXPECT_EQ(chart.title, "% Saturação na CTC");
    ASSERT_EQ(chart.series.size(), 1u);
    const auto& slices = chart.series[0].points;
    ASSERT_EQ(slices.size(), 5u);
    const struct {
        const char* label;
        const char* mark;
        Colour colour;
        double value;
    } expected[] = {
        {"K =", "K = 2,0", {128, 0, 128}, 2},   {"Al =", "Al = 5,0", {192, 192, 192}, 5},
        {"Ca =", "Ca = 15,0", {0, 128, 0}, 15}, {"Mg =", "Mg = 10,0", {0, 255, 0}, 10},
        {"H= ", "H=  25,0", {0, 128, 128}, 25},
    };
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(slices[i].label, expected[i].label) << i;
        EXPECT_EQ(slices[i].mark, expected[i].mark) << i;
        EXPECT_EQ(slices[i].colour, expected[i].colour) << i;
        EXPECT_DOUBLE_EQ(slices[i].y, expected[i].value) << i;
    }
}

TEST(AnalysisCharts, EachBarSeriesHoldsOneBarOfItsOwnColour)
{
    SoilWindow t;
    typeSaturations(t.window, "2,0", "5,0", "15,0", "10,0", "125,0");
    const ChartData before = t.window.chart("Chart2");
    Grafico2(t.window);
    const ChartData& chart = t.window.chart("Chart2");
    const char* titles[] = {"K", "Al", "Ca", "Mg", "H"};
    const double values[] = {2, 5, 15, 10, 125};
    ASSERT_EQ(chart.series.size(), 5u);
    for (std::size_t i = 0; i < 5; ++i) {
        const ChartSeries& s = chart.series[i];
        EXPECT_EQ(s.title, titles[i]);
        EXPECT_EQ(s.colour, before.series[i].colour);
        ASSERT_EQ(s.points.size(), 1u) << i;
        EXPECT_DOUBLE_EQ(s.points[0].y, values[i]) << i;
        EXPECT_EQ(s.points[0].label, "") << i;
        EXPECT_EQ(s.points[0].colour, s.colour) << i;
    }
    // The axis stays fixed: a value above 100 is cut off at the top.
    EXPECT_EQ(chart.vertical, before.vertical);
    EXPECT_TRUE(chart.legendVisible && chart.legendAtTop);
}

TEST(AnalysisCharts, RedrawingReplacesThePreviousContent)
{
    SoilWindow t;
    typeSaturations(t.window, "2,0", "5,0", "15,0", "10,0", "25,0");
    Grafico2(t.window);
    Grafico3(t.window);
    typeSaturations(t.window, "", "", "", "", "");
    Grafico2(t.window);
    Grafico3(t.window);
    const auto& slices = t.window.chart("Chart3").series[0].points;
    ASSERT_EQ(slices.size(), 5u);
    for (const auto& slice : slices) {
        EXPECT_EQ(slice.y, 0);
        EXPECT_EQ(slice.mark, std::string(slice.label) + " ,0");
    }
    for (const auto& s : t.window.chart("Chart2").series) {
        ASSERT_EQ(s.points.size(), 1u);
        EXPECT_EQ(s.points[0].y, 0);
    }
}

TEST(AnalysisCharts, AFieldThatDoesNotParseLeavesTheChartAsItWas)
{
    SoilWindow t;
    typeSaturations(t.window, "2,0", "5,0", "15,0", "10,0", "25,0");
    Grafico2(t.window);
    Grafico3(t.window);
    const ChartData bars = t.window.chart("Chart2");
    const ChartData pie = t.window.chart("Chart3");
    // The last field read is the bad one: the four before it must not reach the chart.
    typeSaturations(t.window, "1,0", "1,0", "1,0", "1,0", "2.5");
    try {
        Grafico2(t.window);
        FAIL() << "no conversion error";
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), "'2.5' is not a valid floating point value");
    }
    EXPECT_THROW(Grafico3(t.window), ConversionError);
    EXPECT_EQ(t.window.chart("Chart2"), bars);
    EXPECT_EQ(t.window.chart("Chart3"), pie);
}

TEST(AnalysisCharts, ReadsTheFiveFieldsInChartOrder)
{
    SoilWindow t;
    typeSaturations(t.window, "1", "", "3", "-4", "5,5");
    EXPECT_EQ(readSaturations(t.window), (Saturations{1, 0, 3, -4, 5.5}));
}

} // namespace
} // namespace bulbicalc

#include "core/app/errors.h"
#include "core/app/number_text.h"

#include <gtest/gtest.h>

#include <limits>

#include <cmath>
#include <ostream>
#include <string>

namespace bulbicalc {
namespace {

struct ParseCase {
    const char* text;
    double value;
    friend std::ostream& operator<<(std::ostream& out, const ParseCase& c)
    {
        return out << '"' << c.text << '"';
    }
};

class AcceptedNumber : public testing::TestWithParam<ParseCase> {};

TEST_P(AcceptedNumber, ParsesToItsValue)
{
    EXPECT_DOUBLE_EQ(parseNumber(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(NumberText, AcceptedNumber,
                         testing::Values(ParseCase{"4,5", 4.5}, ParseCase{"30", 30}, ParseCase{"1,0", 1.0},
                                         ParseCase{"  12,25  ", 12.25}, ParseCase{"-0,06", -0.06},
                                         ParseCase{"+7", 7}, ParseCase{",5", 0.5}, ParseCase{"5,", 5},
                                         ParseCase{"1E20", 1e20}, ParseCase{"2,5e-3", 0.0025},
                                         ParseCase{"1e+2", 100}, ParseCase{"0", 0}, ParseCase{"1e-400", 0.0},
                                         ParseCase{"007", 7}));

class RejectedNumber : public testing::TestWithParam<const char*> {};

TEST_P(RejectedNumber, RaisesTheConversionErrorWithTheText)
{
    const std::string text = GetParam();
    try {
        parseNumber(text);
        FAIL() << "accepted " << text;
    } catch (const ConversionError& error) {
        EXPECT_EQ(std::string(error.what()), "'" + text + "' is not a valid floating point value");
    }
}

INSTANTIATE_TEST_SUITE_P(NumberText, RejectedNumber,
                         testing::Values("", " ", "4.5", "85.5", "1,2,3", "1.000,5", "R$ 5", "abc", "5a",
                                         "e5", "1e", "1e+", ",", "-", "+-1", "1 2", "1,0 x", "1e400",
                                         "-1e400", "99999999999999999999999999999999999999999999999999e300"));

struct FormatCase {
    double value;
    const char* pattern;
    const char* text;
    friend std::ostream& operator<<(std::ostream& out, const FormatCase& c)
    {
        return out << c.value << " with " << c.pattern;
    }
};

class Formatting : public testing::TestWithParam<FormatCase> {};

TEST_P(Formatting, RoundsToThePattern)
{
    const auto& c = GetParam();
    EXPECT_EQ(formatNumber(c.value, c.pattern), c.text) << c.value << " with " << c.pattern;
}

INSTANTIATE_TEST_SUITE_P(
    NumberText, Formatting,
    testing::Values(
        // "0." writes no separator.
        FormatCase{20, "0.", "20"}, FormatCase{12.4, "0.", "12"}, FormatCase{12.5, "0.", "13"},
        // One to four decimals, zeros kept.
        FormatCase{4.56, "0.0", "4,6"}, FormatCase{3, "0.0", "3,0"}, FormatCase{-0.06, "0.0", "-0,1"},
        FormatCase{0.5, "0.00", "0,50"}, FormatCase{0.125, "0.00", "0,13"},
        FormatCase{-0.125, "0.00", "-0,13"}, FormatCase{2, "0.000", "2,000"}, FormatCase{4, "0.000", "4,000"},
        FormatCase{3, "0.0000", "3,0000"}, FormatCase{0.12, "0.0000", "0,1200"},
        // Not a tie in binary: 2,675 is stored just below, 1,005 just below.
        FormatCase{2.675, "0.00", "2,67"}, FormatCase{1.005, "0.00", "1,00"},
        // "0,0": whole numbers with thousands grouping; halves away from zero.
        FormatCase{80, "0,0", "80"}, FormatCase{37.5, "0,0", "38"}, FormatCase{0.4, "0,0", "0"},
        FormatCase{-37.5, "0,0", "-38"}, FormatCase{1234567, "0,0", "1.234.567"},
        FormatCase{999.5, "0,0", "1.000"}, FormatCase{14.4, "0,0", "14"}, FormatCase{28.8, "0,0", "29"},
        // A value that rounds to zero carries no sign.
        FormatCase{-0.04, "0.0", "0,0"}, FormatCase{-0.4, "0,0", "0"}, FormatCase{9.995, "0.0", "10,0"},
        FormatCase{99.96, "0.0", "100,0"}));

struct GeneralCase {
    double value;
    const char* text;
    friend std::ostream& operator<<(std::ostream& out, const GeneralCase& c) { return out << c.value; }
};

class GeneralFormat : public testing::TestWithParam<GeneralCase> {};

TEST_P(GeneralFormat, IsTheShortestText)
{
    EXPECT_EQ(generalFormat(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(NumberText, GeneralFormat,
                         testing::Values(GeneralCase{80, "80"}, GeneralCase{12.5, "12,5"},
                                         GeneralCase{90, "90"}, GeneralCase{0, "0"},
                                         GeneralCase{-2.25, "-2,25"}, GeneralCase{0.1 + 0.2, "0,3"},
                                         GeneralCase{100.0000000000001, "100"}, GeneralCase{1e20, "1E20"},
                                         GeneralCase{1.5e-7, "1,5E-7"}, GeneralCase{0.00001, "0,00001"},
                                         GeneralCase{123456789012345, "123456789012345"},
                                         GeneralCase{1234567890123456, "1,23456789012346E15"}));

TEST(NumberText, TheGeneralTextOfTheLargestDoubleReadsBack)
{
    // 15 digits round the largest double up, beyond what a double holds.
    const double largest = std::numeric_limits<double>::max();
    ASSERT_EQ(generalFormat(largest), "1,79769313486232E308");
    EXPECT_EQ(parseNumber("1,79769313486232E308"), largest);
    EXPECT_EQ(parseNumber("-1,79769313486232E308"), -largest);
    // Anything further above is still too large.
    EXPECT_THROW(parseNumber("1,79769313486233E308"), ConversionError);
    EXPECT_THROW(parseNumber("1,8E308"), ConversionError);
}

TEST(NumberText, NonFiniteValuesAreInvalidOperations)
{
    EXPECT_THROW(formatNumber(std::nan(""), "0.0"), InvalidOperationError);
    EXPECT_THROW(formatNumber(HUGE_VAL, "0,0"), InvalidOperationError);
    EXPECT_THROW(generalFormat(-HUGE_VAL), InvalidOperationError);
}

TEST(IntegerText, AcceptsPlainDigitsWithAnOptionalMinus)
{
    EXPECT_EQ(parseInteger("35"), 35);
    EXPECT_EQ(parseInteger("0"), 0);
    EXPECT_EQ(parseInteger("-12"), -12);
    EXPECT_EQ(parseInteger("2147483647"), 2147483647);
    EXPECT_EQ(integerText(-7), "-7");
}

TEST(IntegerText, RejectsEverythingElse)
{
    for (const char* text : {"", "35,5", "Plantio", " 35", "35 ", "+3", "-", "2147483648", "1e3"}) {
        try {
            parseInteger(text);
            ADD_FAILURE() << "accepted " << text;
        } catch (const IntegerConversionError& error) {
            EXPECT_EQ(std::string(error.what()), std::string("'") + text + "' is not a valid integer value");
        }
    }
}

TEST(Division, RaisesTheUsersErrors)
{
    EXPECT_DOUBLE_EQ(divide(1, 4), 0.25);
    try {
        divide(3, 0);
        FAIL();
    } catch (const DivisionByZeroError& error) {
        EXPECT_STREQ(error.what(), "Floating point division by zero");
    }
    try {
        divide(0, 0);
        FAIL();
    } catch (const InvalidOperationError& error) {
        EXPECT_STREQ(error.what(), "Invalid floating point operation");
    }
}

} // namespace
} // namespace bulbicalc

#include "core/app/errors.h"
#include "core/app/number_text.h"
#include "core/liming/liming.h"
#include "core/soil/cation_exchange.h"
#include "liming_window.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>

namespace bulbicalc {
namespace {

using test::LimingWindow;

struct KeyCase {
    double smp;
    int key;
    friend std::ostream& operator<<(std::ostream& out, const KeyCase& c) { return out << c.smp; }
};

class SmpKey : public testing::TestWithParam<KeyCase> {};

TEST_P(SmpKey, IsTheIndexTruncatedToTenths)
{
    EXPECT_EQ(smpKey(GetParam().smp), GetParam().key);
}

INSTANTIATE_TEST_SUITE_P(
    Liming, SmpKey,
    testing::Values(KeyCase{5.3, 53}, KeyCase{5.35, 53}, KeyCase{5.39, 53}, KeyCase{5.4, 54},
                    KeyCase{4.4, 44}, KeyCase{7.0, 70}, KeyCase{7.09, 70}, KeyCase{0.05, 0}, KeyCase{0, 0},
                    KeyCase{-0.05, 0}, KeyCase{-5.3, -53}, KeyCase{-5.39, -53}, KeyCase{100, 1000},
                    KeyCase{1e20, 1000}, KeyCase{-1e20, -1000}, KeyCase{1e300, 1000}, KeyCase{-1e300, -1000},
                    // One unit in the last place below its tenths still reads them.
                    KeyCase{std::nextafter(5.3, 0.0), 53}, KeyCase{std::nextafter(6.0, 0.0), 60},
                    KeyCase{std::nextafter(std::nextafter(4.5, 0.0), 0.0), 45}));

TEST(SmpKey, EveryIndexWithOneDecimalGivesItsTenths)
{
    for (int tenths = 0; tenths < 1000; ++tenths) {
        const std::string text = std::to_string(tenths / 10) + "," + std::to_string(tenths % 10);
        EXPECT_EQ(smpKey(parseNumber(text)), tenths) << text;
        // The same index computed the long way, a little below its binary value.
        EXPECT_EQ(smpKey(tenths / 10 + (tenths % 10) * 0.1), tenths) << text;
    }
}

// The whole SMP table as printed, each row with its three columns.
struct SmpRow {
    const char* smp;
    const char* ph55;
    const char* ph60;
    const char* ph65;
};

constexpr SmpRow kTable[] = {
    {"4,4", "15,0", "21,0", "29,0"},   {"4,5", "12,5", "17,3", "24,0"}, {"4,6", "10,9", "15,1", "20,0"},
    {"4,7", "9,6", "13,3", "17,5"},    {"4,8", "8,5", "11,9", "15,7"},  {"4,9", "7,7", "10,7", "14,2"},
    {"5,0", "6,6", "9,9", "13,3"},     {"5,1", "6,0", "9,1", "12,3"},   {"5,2", "5,3", "8,3", "11,3"},
    {"5,3", "4,8", "7,5", "10,4"},     {"5,4", "4,2", "6,8", "9,5"},    {"5,5", "3,7", "6,1", "8,6"},
    {"5,6", "3,2", "5,4", "7,8"},      {"5,7", "2,8", "4,8", "7,0"},    {"5,8", "2,3", "4,2", "6,3"},
    {"5,9", "2,0", "3,7", "5,6"},      {"6,0", "1,6", "3,2", "4,9"},    {"6,1", "1,3", "2,7", "4,3"},
    {"6,2", "1,0", "2,2", "3,7"},      {"6,3", "0,8", "1,8", "3,1"},    {"6,4", "0,6", "1,4", "2,6"},
    {"6,5", "0,4", "1,1", "2,1"},      {"6,6", "0,2", "0,8", "1,6"},    {"6,7", "0,0", "0,5", "1,2"},
    {"6,8", "0,0", "0,3", "0,8"},      {"6,9", "0,0", "0,2", "0,5"},    {"7,0", "0,0", "0,0", "0,2"},
    {"7,1", "0,0", "0,0", "0,0"},      {"4,3", "15,0", "21,0", "29,0"}, {"1E20", "0,0", "0,0", "0,0"},
    {"-1E20", "15,0", "21,0", "29,0"}, {"5,35", "4,8", "7,5", "10,4"},  {"5,39", "4,8", "7,5", "10,4"},
};

TEST(SmpTable, ReadsTheRowOfTheIndexInTheColumnOfTheTargetPh)
{
    for (const SmpRow& row : kTable) {
        const int key = smpKey(parseNumber(row.smp));
        EXPECT_EQ(formatNumber(limeNeedBySmp(key, TargetPh::Ph55), "0.0"), row.ph55)
            << row.smp << " at pH 5,5";
        EXPECT_EQ(formatNumber(limeNeedBySmp(key, TargetPh::Ph60), "0.0"), row.ph60)
            << row.smp << " at pH 6,0";
        EXPECT_EQ(formatNumber(limeNeedBySmp(key, TargetPh::Ph65), "0.0"), row.ph65)
            << row.smp << " at pH 6,5";
    }
}

TEST(CalcarioSMP, LooksTheIndexUpOnEveryChangeAndTargetPh)
{
    LimingWindow t;
    WindowState& w = t.window;
    w.click("RadioButton1");
    w.type("Edit1", "5,3");
    EXPECT_EQ(w.text("Edit2"), "4,8");
    // Switching the target pH looks the index up again at once.
    w.click("RadioButton2");
    EXPECT_EQ(w.text("Edit2"), "7,5");
    w.click("RadioButton3");
    EXPECT_EQ(w.text("Edit2"), "10,4");
    w.type("Edit1", "4,4");
    EXPECT_EQ(w.text("Edit2"), "29,0");
}

TEST(CalcarioSMP, AnEmptyIndexKeepsTheLastNeed)
{
    LimingWindow t;
    t.window.type("Edit1", "5,0");
    t.window.type("Edit1", "");
    t.window.click("RadioButton3");
    EXPECT_EQ(t.window.text("Edit2"), "9,9");
}

TEST(CalcarioSMP, AnIndexThatDoesNotParseRaisesTheConversionError)
{
    LimingWindow t;
    t.window.type("Edit1", "5,0");
    EXPECT_THROW(t.window.type("Edit1", "5.3"), ConversionError);
    EXPECT_EQ(t.window.text("Edit2"), "9,9");
}

struct NeedCase {
    double organicMatter;
    double al;
    TargetPh ph;
    const char* need;
};

class PoorlyBuffered : public testing::TestWithParam<NeedCase> {};

TEST_P(PoorlyBuffered, FollowsTheRegressionOfTheTargetPh)
{
    const NeedCase& c = GetParam();
    EXPECT_EQ(formatNumber(limeNeedPoorlyBuffered(c.organicMatter, c.al, c.ph), "0.00"), c.need);
}

INSTANTIATE_TEST_SUITE_P(
    Liming, PoorlyBuffered,
    testing::Values(NeedCase{0, 0, TargetPh::Ph60, "-0,52"}, NeedCase{0, 0, TargetPh::Ph55, "-0,65"},
                    NeedCase{0, 0, TargetPh::Ph65, "-0,12"},
                    NeedCase{2, 0.5, TargetPh::Ph55, "1,28"},   // -0,653 + 0,960 + 0,9685
                    NeedCase{2, 0.5, TargetPh::Ph60, "2,31"},   // -0,516 + 1,610 + 1,2175
                    NeedCase{2, 0.5, TargetPh::Ph65, "3,62"})); // -0,122 + 2,386 + 1,3565

TEST(LimingRules, FormulaLabelAndDesiredSaturationFollowTheTargetPh)
{
    EXPECT_STREQ(poorlyBufferedFormula(TargetPh::Ph55), "NC =-0,653 + 0,480MO + 1,937Al");
    EXPECT_STREQ(poorlyBufferedFormula(TargetPh::Ph60), "NC =-0,516 + 0,805MO + 2,435Al");
    EXPECT_STREQ(poorlyBufferedFormula(TargetPh::Ph65), "NC = -0,122 + 1,193MO + 2,713Al");
    EXPECT_STREQ(desiredBaseSaturation(TargetPh::Ph55), "65");
    EXPECT_STREQ(desiredBaseSaturation(TargetPh::Ph60), "75");
    EXPECT_STREQ(desiredBaseSaturation(TargetPh::Ph65), "85");
}

TEST(LimingRules, BaseSaturationAndPrnt)
{
    EXPECT_DOUBLE_EQ(limeNeedByBaseSaturation(10, 80, 75), -0.5);
    EXPECT_DOUBLE_EQ(limeNeedByBaseSaturation(10, 45, 75), 3);
    EXPECT_DOUBLE_EQ(commercialLimeNeed(3, 75), 4);
    EXPECT_DOUBLE_EQ(commercialLimeNeed(3, 100), 3);
    EXPECT_THROW(commercialLimeNeed(3, 0), DivisionByZeroError);
}

struct AdviceCase {
    double caMg;
    double caSaturation;
    const char* advice;
};

class LimeType : public testing::TestWithParam<AdviceCase> {};

TEST_P(LimeType, IsDolomiticOnlyWithEnoughCaOnBothCounts)
{
    EXPECT_STREQ(limeTypeAdvice(GetParam().caMg, GetParam().caSaturation), GetParam().advice);
}

INSTANTIATE_TEST_SUITE_P(Liming, LimeType,
                         testing::Values(AdviceCase{2, 50, "Use calcário Dolomítico"},
                                         AdviceCase{1.99, 50, "Use calcário Calcítico"},
                                         AdviceCase{1.99, 90, "Use calcário Calcítico"},
                                         AdviceCase{2, 49.9, "Use calcário Calcítico"},
                                         AdviceCase{5, 80, "Use calcário Dolomítico"},
                                         AdviceCase{-1, 80, "Use calcário Calcítico"}));

TEST(LimeTypeAdvice, FollowsEveryRelationAndSaturationTheSoilWrites)
{
    LimingWindow t;
    WindowState& w = t.window;
    w.type("Edit14", "60,0");
    writeCaMgRelation(w, 3, 1); // the lime-type advice follows Edit13
    EXPECT_EQ(w.text("Edit15"), "Use calcário Dolomítico");
    writeCaSaturation(w, 4, 10); // and Edit14
    EXPECT_EQ(w.text("Edit15"), "Use calcário Calcítico");
}

} // namespace
} // namespace bulbicalc

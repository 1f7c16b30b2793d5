#include "core/app/errors.h"
#include "core/app/number_text.h"
#include "core/doses/phosphorus_potassium.h"
#include "doses_window.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace bulbicalc {
namespace {

using test::DosesWindow;
using Limits = ClassLimits;

constexpr const char* kWholeDoseAdvice = "Pode aplicar toda dose no sulco de semeadura,\r"
                                         " ou a lanço e incorporado antes da semeadura ou plantio";
constexpr const char* kDividedDoseAdvice = "Dividir a dose aplicando\r metade a lanço e incorporada\r"
                                           " metade aplicada na linha de plantio";

struct PhosphorusCase {
    double clay;
    double phosphorus;
    const char* yield;
    Limits limits;
    const char* className;
    const char* dose;
    const char* advice;
    friend std::ostream& operator<<(std::ostream& out, const PhosphorusCase& c)
    {
        return out << "clay " << c.clay << ", P " << c.phosphorus << ", " << c.yield << " t/ha";
    }
};

class PhosphorusClass : public testing::TestWithParam<PhosphorusCase> {};

TEST_P(PhosphorusClass, GivesLimitsClassDoseAndAdvice)
{
    const PhosphorusCase& c = GetParam();
    const Limits limits = phosphorusLimits(c.clay);
    EXPECT_EQ(limits, c.limits);
    EXPECT_STREQ(nutrientClassName(nutrientClass(c.phosphorus, limits)), c.className);
    const double dose = phosphateDose(c.phosphorus, limits, parseNumber(c.yield));
    EXPECT_EQ(formatNumber(dose, "0,0"), c.dose);
    EXPECT_STREQ(phosphateAdvice(dose), c.advice);
}

INSTANTIATE_TEST_SUITE_P(
    Doses, PhosphorusClass,
    testing::Values(
        // Clay bands: 60 belongs to the first, 40 to the third, 20 to the fourth.
        PhosphorusCase{60, 3, "30", {3, 6, 9, 12}, "Muito baixo", "280", kDividedDoseAdvice},
        PhosphorusCase{59.9, 4, "30", {4, 8, 12, 24}, "Muito baixo", "280", kDividedDoseAdvice},
        PhosphorusCase{40.1, 4.1, "30", {4, 8, 12, 24}, "Baixo", "200", kDividedDoseAdvice},
        PhosphorusCase{40, 6, "30", {6, 12, 18, 36}, "Muito baixo", "280", kDividedDoseAdvice},
        PhosphorusCase{20.1, 12.1, "30", {6, 12, 18, 36}, "Médio", "160", kDividedDoseAdvice},
        PhosphorusCase{20, 10, "30", {10, 20, 30, 60}, "Muito baixo", "280", kDividedDoseAdvice},
        PhosphorusCase{15, 5, "30", {10, 20, 30, 60}, "Muito baixo", "280", kDividedDoseAdvice},
        // Class boundaries of the second band.
        PhosphorusCase{50, 8, "30", {4, 8, 12, 24}, "Baixo", "200", kDividedDoseAdvice},
        PhosphorusCase{50, 8.1, "30", {4, 8, 12, 24}, "Médio", "160", kDividedDoseAdvice},
        PhosphorusCase{50, 24, "30", {4, 8, 12, 24}, "Alto", "120", kWholeDoseAdvice},
        PhosphorusCase{50, 24.1, "30", {4, 8, 12, 24}, "Muito alto", "80", kWholeDoseAdvice},
        // First band: Lm4P is 12; above three times Lm3P the dose is 0.
        PhosphorusCase{65, 12, "30", {3, 6, 9, 12}, "Alto", "120", kWholeDoseAdvice},
        PhosphorusCase{65, 12.1, "30", {3, 6, 9, 12}, "Muito alto", "80", kWholeDoseAdvice},
        PhosphorusCase{65, 27, "30", {3, 6, 9, 12}, "Muito alto", "80", kWholeDoseAdvice},
        PhosphorusCase{65, 27.1, "30", {3, 6, 9, 12}, "Muito alto", "0", kWholeDoseAdvice},
        // Yield correction: 3 kg/ha per t/ha above 30, also on a zero dose.
        PhosphorusCase{65, 27.1, "40", {3, 6, 9, 12}, "Muito alto", "30", kWholeDoseAdvice},
        PhosphorusCase{30, 40, "40", {6, 12, 18, 36}, "Muito alto", "110", kWholeDoseAdvice},
        PhosphorusCase{30, 40, "20", {6, 12, 18, 36}, "Muito alto", "80", kWholeDoseAdvice},
        // The advice compares the unrounded dose: 120,3 shows 120 but is split.
        PhosphorusCase{65, 12, "30,1", {3, 6, 9, 12}, "Alto", "120", kDividedDoseAdvice}));

TEST(ClasseP, StoresTheLimitsAndWritesClassDoseAndAdvice)
{
    DosesWindow t;
    WindowState& w = t.window;
    w.numbers().argila = 50;
    w.numbers().P = 8.1;
    w.type("EdProducao", "40");
    ClasseP(w);
    const ModuleNumbers& n = w.numbers();
    EXPECT_EQ((Limits{n.Lm1P, n.Lm2P, n.Lm3P, n.Lm4P}), (Limits{4, 8, 12, 24}));
    EXPECT_EQ(w.text("EdClasseP"), "Médio");
    EXPECT_EQ(w.text("Edit18"), "190");
    EXPECT_EQ(w.text("BtObsP"), kDividedDoseAdvice);
    EXPECT_EQ(w.grid("rstga3").cell(3, 1), "190");
}

TEST(ClasseP, PublishesTheDoseEvenWhenTheFieldAlreadyShowsIt)
{
    DosesWindow t;
    WindowState& w = t.window;
    w.numbers().argila = 30;
    w.numbers().P = 40; // "Muito alto": 80 kg/ha, the text Edit18 starts with
    ClasseP(w);
    ASSERT_EQ(w.text("Edit18"), "80");
    EXPECT_EQ(w.grid("rstga3").cell(3, 1), "80");
    EXPECT_EQ(w.grid("rstgaRecomenda").cell(1, 2), "80");
    EXPECT_EQ(w.grid("RstgaFalta").cell(1, 2), "80");
}

TEST(ClasseP, AnEmptyYieldStopsAfterTheClass)
{
    DosesWindow t;
    WindowState& w = t.window;
    w.numbers().P = 5;
    w.type("EdProducao", "");
    EXPECT_THROW(ClasseP(w), ConversionError);
    EXPECT_EQ(w.text("EdClasseP"), "Muito baixo");
    EXPECT_EQ(w.text("Edit18"), "80");
    EXPECT_EQ(w.grid("rstga3").cell(3, 1), "");
}

constexpr const char* kThreeApplications = "50%  a lanço no transplante ou semeadura \r"
                                           "25 % em cobertura aos 60 DAT ou 110 DASD\r"
                                           "25 % em cobertura aos 85 dias após transplante ou 110 dias após "
                                           "semeadura direta em campo";
constexpr const char* kOneApplication = "Aplicada lanço e incorporada no transplante ou semeadura";
constexpr const char* kInTheRow = "Pode também ser aplicada na linha de plantio ou semeadura";

struct PotassiumCase {
    double ctc;
    double potassium;
    const char* yield;
    Limits limits;
    const char* className;
    const char* dose;
    int applications;
    const char* advice;
    friend std::ostream& operator<<(std::ostream& out, const PotassiumCase& c)
    {
        return out << "CTC " << c.ctc << ", K " << c.potassium << ", " << c.yield << " t/ha";
    }
};

class PotassiumClass : public testing::TestWithParam<PotassiumCase> {};

TEST_P(PotassiumClass, GivesLimitsClassDoseAndProposedSplit)
{
    const PotassiumCase& c = GetParam();
    const Limits limits = potassiumLimits(c.ctc);
    EXPECT_EQ(limits, c.limits);
    EXPECT_STREQ(nutrientClassName(nutrientClass(c.potassium, limits)), c.className);
    const double dose = potashDose(c.potassium, limits, parseNumber(c.yield));
    EXPECT_EQ(formatNumber(dose, "0,0"), c.dose);
    const PotashSplitProposal split = proposedPotashSplit(dose);
    EXPECT_EQ(split.applications, c.applications);
    EXPECT_STREQ(split.advice, c.advice);
    if (c.applications == 3)
        EXPECT_EQ(split.shares, (std::vector<std::string>{"50", "25", "25"}));
    else
        EXPECT_EQ(split.shares, (std::vector<std::string>{"100"}));
}

INSTANTIATE_TEST_SUITE_P(
    Doses, PotassiumClass,
    testing::Values(
        // The worked example.
        PotassiumCase{10, 50, "30", {30, 60, 90, 180}, "Baixo", "150", 3, kThreeApplications},
        // CTC bands: 7,5 in the first, 30 in the third.
        PotassiumCase{7.5, 20, "30", {20, 40, 60, 120}, "Muito baixo", "210", 3, kThreeApplications},
        PotassiumCase{7.6, 30, "30", {30, 60, 90, 180}, "Muito baixo", "210", 3, kThreeApplications},
        PotassiumCase{15, 30.1, "30", {30, 60, 90, 180}, "Baixo", "150", 3, kThreeApplications},
        PotassiumCase{30, 40, "30", {40, 80, 120, 240}, "Muito baixo", "210", 3, kThreeApplications},
        PotassiumCase{30.1, 45, "30", {45, 90, 135, 270}, "Muito baixo", "210", 3, kThreeApplications},
        // 120 kg/ha still gets three applications; just below, one.
        PotassiumCase{10, 90, "30", {30, 60, 90, 180}, "Médio", "120", 3, kThreeApplications},
        PotassiumCase{10, 180, "39,6", {30, 60, 90, 180}, "Alto", "119", 1, kOneApplication},
        // 60 kg/ha or less may go in the row; 61 may not.
        PotassiumCase{10, 180.1, "30", {30, 60, 90, 180}, "Muito alto", "60", 1, kInTheRow},
        PotassiumCase{10, 180.1, "30,4", {30, 60, 90, 180}, "Muito alto", "61", 1, kOneApplication},
        // Above three times Lm3K the base dose is 0; the yield still adds.
        PotassiumCase{10, 270, "30", {30, 60, 90, 180}, "Muito alto", "60", 1, kInTheRow},
        PotassiumCase{10, 270.1, "30", {30, 60, 90, 180}, "Muito alto", "0", 1, kInTheRow},
        PotassiumCase{10, 271, "50", {30, 60, 90, 180}, "Muito alto", "60", 1, kInTheRow},
        PotassiumCase{10, 50, "20", {30, 60, 90, 180}, "Baixo", "150", 3, kThreeApplications}));

TEST(ClasseK, WritesClassDoseAndTheProposedSplitKeepingTheTimings)
{
    for (const auto& [potassium, applications] : {std::pair{50.0, 3}, std::pair{200.0, 1}}) {
        DosesWindow t;
        WindowState& w = t.window;
        w.numbers().CTC = 10;
        w.numbers().K = potassium;
        ClasseK(w);
        const ModuleNumbers& n = w.numbers();
        EXPECT_EQ((Limits{n.Lm1K, n.Lm2K, n.Lm3K, n.Lm4K}), (Limits{30, 60, 90, 180})) << potassium;
        const Grid& split = w.grid("rstga2");
        EXPECT_EQ(split.rowCount(), applications + 1) << potassium;
        EXPECT_EQ(w.control("UpDown2").position, applications) << potassium;
        EXPECT_EQ(w.text("Edit20"), std::to_string(applications)) << potassium;
        if (applications == 3) {
            EXPECT_EQ(w.text("EdClasseK"), "Baixo");
            EXPECT_EQ(w.text("Edit19"), "150");
            EXPECT_EQ(w.text("BtObsK"), kThreeApplications);
            EXPECT_EQ(split.cell(2, 1), "50");
            EXPECT_EQ(split.cell(2, 2), "25");
            EXPECT_EQ(split.cell(2, 3), "25");
        } else {
            EXPECT_EQ(w.text("EdClasseK"), "Muito alto");
            EXPECT_EQ(w.text("Edit19"), "60");
            EXPECT_EQ(w.text("BtObsK"), kInTheRow);
            EXPECT_EQ(split.cell(2, 1), "100");
        }
        // The timings stay those of the cultivation system.
        EXPECT_EQ(split.cell(1, 1), "Plantio") << potassium;
    }
}

TEST(ClasseK, StoresTheYield)
{
    DosesWindow t;
    WindowState& w = t.window;
    w.numbers().CTC = 10;
    w.numbers().K = 50;
    w.type("EdProducao", "36");
    ClasseK(w);
    EXPECT_DOUBLE_EQ(w.numbers().Producao, 36);
    EXPECT_EQ(w.text("Edit19"), "168");
}

TEST(ClasseK, RowsHiddenByOneApplicationComeBackWithTheirTexts)
{
    DosesWindow t;
    WindowState& w = t.window;
    w.numbers().CTC = 10;
    w.numbers().K = 200; // one application
    ClasseK(w);
    Grid& split = w.grid("rstga2");
    ASSERT_EQ(split.rowCount(), 2);
    split.setRowCount(4);
    EXPECT_EQ(split.cell(1, 3), "85");
    EXPECT_EQ(split.cell(2, 3), "25");
}

} // namespace
} // namespace bulbicalc

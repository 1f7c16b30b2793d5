#include "core/app/errors.h"
#include "core/app/number_text.h"
#include "core/doses/sulphur_micronutrients.h"
#include "doses_window.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>

namespace bulbicalc {
namespace {

using test::DosesWindow;

struct SulphurCase {
    SoilGroup group;
    double sulphur;
    double dose;
    friend std::ostream& operator<<(std::ostream& out, const SulphurCase& c)
    {
        return out << (c.group == SoilGroup::Sandy ? "sandy" : "clayey") << ", S " << c.sulphur;
    }
};

class SulphurDose : public testing::TestWithParam<SulphurCase> {};

TEST_P(SulphurDose, FollowsSoilGroupAndContent)
{
    const SulphurCase& c = GetParam();
    EXPECT_EQ(sulphurDose(c.group, c.sulphur), c.dose);
}

constexpr auto kSandy = SoilGroup::Sandy;
constexpr auto kClayey = SoilGroup::Clayey;

INSTANTIATE_TEST_SUITE_P(Doses, SulphurDose,
                         testing::Values(SulphurCase{kSandy, 15, 60}, SulphurCase{kSandy, 15.1, 30},
                                         SulphurCase{kSandy, 20, 30}, SulphurCase{kSandy, 20.1, 0},
                                         SulphurCase{kSandy, 0, 60}, SulphurCase{kClayey, 10, 30},
                                         SulphurCase{kClayey, 10.1, 0}, SulphurCase{kClayey, 12, 0}));

TEST(DoseS, WritesTheDoseOfTheSelectedSoilGroupAndPublishesIt)
{
    DosesWindow t;
    WindowState& w = t.window;
    w.type("EdS", "12");
    for (const auto& [soil, dose] : {std::pair{"RadioButton21", "60,0"}, std::pair{"RadioButton22", "0,0"}}) {
        w.setChecked(soil); // which runs DoseS itself
        DoseS(w);
        EXPECT_EQ(w.text("Edit22"), dose) << soil;
        EXPECT_EQ(w.grid("rstga3").cell(5, 1), dose) << soil;
        EXPECT_EQ(w.grid("rstgaRecomenda").cell(1, 4), dose) << soil;
        EXPECT_EQ(w.grid("RstgaFalta").cell(1, 4), dose) << soil;
    }
    EXPECT_DOUBLE_EQ(w.numbers().S, 12);
}

TEST(DoseS, AnEmptyContentLeavesEverythingAsItWas)
{
    DosesWindow t;
    WindowState& w = t.window;
    w.numbers().S = 7;
    DoseS(w);
    EXPECT_EQ(w.text("Edit22"), "80");
    EXPECT_EQ(w.grid("rstga3").cell(5, 1), "");
    EXPECT_DOUBLE_EQ(w.numbers().S, 7);
}

TEST(DoseS, AnUnparsableContentRaisesTheConversionError)
{
    DosesWindow t;
    WindowState& w = t.window;
    w.type("EdS", "1.5");
    EXPECT_THROW(DoseS(w), ConversionError);
    EXPECT_EQ(w.text("Edit22"), "80");
}

struct MicronutrientCase {
    const char* (*rule)(double);
    const char* name;
    double content;
    const char* advice;
    friend std::ostream& operator<<(std::ostream& out, const MicronutrientCase& c)
    {
        return out << c.name << " " << c.content;
    }
};

constexpr const char* kZinc = "Aplicar de 3 a 4 kg/ha de Zn a cada 2 anos.\r"
                              " Aplicar via solo, previamente ao plantio ou semeadura";
constexpr const char* kBoron = "Aplicar anualmente de 1,5 a 2,0 kg/ha de B. \r"
                               "Pode se aplicado a lanço antes do plantio ou semeadura";
constexpr const char* kManganese = "Fazer de 3 a 4 pulverizações com Sulfato de Mn \r"
                                   "na concentração de 0,5 a 1% em intervalos de uma a duas semanas";

class MicronutrientAdvice : public testing::TestWithParam<MicronutrientCase> {};

TEST_P(MicronutrientAdvice, DependsOnTheThreshold)
{
    const MicronutrientCase& c = GetParam();
    EXPECT_STREQ(c.rule(c.content), c.advice);
}

INSTANTIATE_TEST_SUITE_P(
    Doses, MicronutrientAdvice,
    testing::Values(MicronutrientCase{zincAdvice, "Zn", 3, kZinc},
                    MicronutrientCase{zincAdvice, "Zn", 3.1, "Não há necessidade de adubação com Zn"},
                    MicronutrientCase{boronAdvice, "B", 0.6, kBoron},
                    MicronutrientCase{boronAdvice, "B", 0.61, "Não há necessidade de aplicar boro"},
                    MicronutrientCase{manganeseAdvice, "Mn", 5, kManganese},
                    MicronutrientCase{manganeseAdvice, "Mn", 5.1, "Não há necessidade de suplementar Mn"}));

TEST(MicronutrientAdvice, EachRoutineWritesItsLabelFromItsField)
{
    struct Wiring {
        void (*routine)(WindowState&);
        const char* field;
        const char* label;
        const char* content;
        const char* advice;
    };
    const Wiring wirings[] = {{DoseZn, "EdZn", "BTRZn", "2", kZinc},
                              {DoseB, "EdB", "BTRB", "0,5", kBoron},
                              {DoseMn, "EdMn", "BTRMn", "4", kManganese}};
    for (const Wiring& c : wirings) {
        DosesWindow t;
        WindowState& w = t.window;
        // An empty content leaves the label as it was.
        c.routine(w);
        EXPECT_EQ(w.text(c.label), "") << c.field;
        w.type(c.field, c.content);
        c.routine(w);
        EXPECT_EQ(w.text(c.label), c.advice) << c.field;
    }
}

TEST(MicronutrientAdvice, AClearedOrUnparsableContentKeepsThePreviousText)
{
    DosesWindow t;
    WindowState& w = t.window;
    w.type("EdB", "0,2");
    DoseB(w);
    w.type("EdB", "");
    DoseB(w);
    EXPECT_EQ(w.text("BTRB"), kBoron);
    w.type("EdB", "muito");
    EXPECT_THROW(DoseB(w), ConversionError);
    EXPECT_EQ(w.text("BTRB"), kBoron);
}

} // namespace
} // namespace bulbicalc

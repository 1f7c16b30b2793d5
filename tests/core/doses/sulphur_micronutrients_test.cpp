#include "core/app/errors.h"
#include "core/doses/doses.h"
#include "support/test_window.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace bulbicalc {
namespace {

using test::TestWindow;

struct SulphurCase {
    const char* soil; // the radio button of the soil group
    const char* sulphur;
    const char* dose;
    friend std::ostream& operator<<(std::ostream& out, const SulphurCase& c)
    {
        return out << c.soil << ", S " << c.sulphur;
    }
};

class SulphurDose : public testing::TestWithParam<SulphurCase> {};

TEST_P(SulphurDose, FollowsSoilGroupAndContentAndIsPublished)
{
    const SulphurCase& c = GetParam();
    TestWindow t;
    WindowState& w = t.window;
    w.setChecked(c.soil);
    w.type("EdS", c.sulphur);
    DoseS(w);
    EXPECT_EQ(w.text("Edit22"), c.dose);
    EXPECT_EQ(w.grid("rstga3").cell(5, 1), c.dose);
    EXPECT_EQ(w.grid("rstgaRecomenda").cell(1, 4), c.dose);
    EXPECT_EQ(w.grid("RstgaFalta").cell(1, 4), c.dose);
}

INSTANTIATE_TEST_SUITE_P(
    Doses, SulphurDose,
    testing::Values(SulphurCase{"RadioButton21", "15", "60,0"}, SulphurCase{"RadioButton21", "15,1", "30,0"},
                    SulphurCase{"RadioButton21", "20", "30,0"}, SulphurCase{"RadioButton21", "20,1", "0,0"},
                    SulphurCase{"RadioButton21", "0", "60,0"}, SulphurCase{"RadioButton22", "10", "30,0"},
                    SulphurCase{"RadioButton22", "10,1", "0,0"}, SulphurCase{"RadioButton22", "12", "0,0"}));

TEST(SulphurDose, AnEmptyContentLeavesEverythingAsItWas)
{
    TestWindow t;
    WindowState& w = t.window;
    w.numbers().S = 7;
    DoseS(w);
    EXPECT_EQ(w.text("Edit22"), "80");
    EXPECT_EQ(w.grid("rstga3").cell(5, 1), "");
    EXPECT_DOUBLE_EQ(w.numbers().S, 7);
}

TEST(SulphurDose, AnUnparsableContentRaisesTheConversionError)
{
    TestWindow t;
    WindowState& w = t.window;
    w.type("EdS", "1.5");
    EXPECT_THROW(DoseS(w), ConversionError);
    EXPECT_EQ(w.text("Edit22"), "80");
}

struct MicronutrientCase {
    void (*routine)(WindowState&);
    const char* field;
    const char* label;
    const char* content;
    const char* advice;
    friend std::ostream& operator<<(std::ostream& out, const MicronutrientCase& c)
    {
        return out << c.field << " " << c.content;
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
    TestWindow t;
    WindowState& w = t.window;
    w.type(c.field, c.content);
    c.routine(w);
    EXPECT_EQ(w.text(c.label), c.advice);
}

INSTANTIATE_TEST_SUITE_P(
    Doses, MicronutrientAdvice,
    testing::Values(MicronutrientCase{DoseZn, "EdZn", "BTRZn", "3", kZinc},
                    MicronutrientCase{DoseZn, "EdZn", "BTRZn", "3,1",
                                      "Não há necessidade de adubação com Zn"},
                    MicronutrientCase{DoseB, "EdB", "BTRB", "0,6", kBoron},
                    MicronutrientCase{DoseB, "EdB", "BTRB", "0,61", "Não há necessidade de aplicar boro"},
                    MicronutrientCase{DoseMn, "EdMn", "BTRMn", "5", kManganese},
                    MicronutrientCase{DoseMn, "EdMn", "BTRMn", "5,1", "Não há necessidade de suplementar Mn"},
                    // An empty content leaves the label as it was.
                    MicronutrientCase{DoseMn, "EdMn", "BTRMn", "", ""}));

TEST(MicronutrientAdvice, AClearedOrUnparsableContentKeepsThePreviousText)
{
    TestWindow t;
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

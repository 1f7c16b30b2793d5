#include "core/app/errors.h"
#include "core/planning/closure.h"
#include "planning_window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace bulbicalc {
namespace {

using test::PlanningWindow;
using Cells = std::vector<std::string>;

const Cells kUrea = {" Ureia", "45", "0", "0", "0", "3,0000"};
const Cells kFormula = {" NPK 05-20-10", "5", "20", "10", "0", "3,1000"};
const Cells kGypsum = {" Gesso", "0", "0", "0", "15", "0,3500"};

TEST(ClosureRules, OneNutrient)
{
    struct Case {
        double difference, content, quantity;
    };
    const Case cases[] = {
        {10, 45, 1000.0 / 45}, {90, 45, 200}, {-9, 45, -20}, {0, 45, 0}, {60, 0, 0}, {0, 0, 0}, {15, 15, 100},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(closingQuantity(c.difference, c.content), c.quantity)
            << c.difference << " of " << c.content << " %";
}

TEST(ClosureRules, SmallestOfTheNpkLimits)
{
    struct Case {
        double dn, dp, dk, tn, tp, tk, quantity;
    };
    const Case cases[] = {
        {90, 60, 30, 45, 0, 0, 200},     // only N sets a limit
        {10, 60, 60, 5, 20, 10, 200},    // 200, 300 and 600
        {60, 30, 60, 5, 20, 10, 150},    // P2O5 first
        {10, 0, 60, 5, 20, 10, 0},       // a nutrient already met
        {10, -5, 60, 5, 20, 10, -25},    // one in excess
        {10, 20, 30, 0, 0, 0, kNoLimit}, // nothing of N, P2O5, K2O
        {40, 40, 40, 10, 10, 10, 400},   // equal limits
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(smallestNpkQuantity(c.dn, c.dp, c.dk, c.tn, c.tp, c.tk), c.quantity)
            << c.dn << " " << c.dp << " " << c.dk;
}

// Parcela 1 of a workbench with the given recommendation.
struct Closing : PlanningWindow {
    Closing(std::initializer_list<Cells> rows, const char* n, const char* p, const char* k,
            const char* s = "")
    {
        setFertilisers(rows);
        recommend(Nutrient::N, 1, n);
        recommend(Nutrient::P2O5, 1, p);
        recommend(Nutrient::K2O, 1, k);
        recommend(Nutrient::S, 1, s);
    }

    void menu(int row, const char* command) { window.menu("rStgaMeusAdubos", 6, row, command); }

    Cells differences()
    {
        return {difference(Nutrient::N, 1), difference(Nutrient::P2O5, 1), difference(Nutrient::K2O, 1),
                difference(Nutrient::S, 1)};
    }
};

TEST(Closure, SmallestNpkOfAFertiliserWithNitrogenOnly)
{
    Closing t({kUrea}, "90", "60", "30");
    t.menu(1, "Fechar pelo menor NPK");
    EXPECT_EQ(t.quantity(1, 1), "200,0");
    EXPECT_EQ(t.differences(), (Cells{"0,0", "60,0", "30,0", "0,0"}));
}

TEST(Closure, SmallestNpkStopsAtTheFirstNutrientMet)
{
    Closing t({kFormula}, "10", "60", "60");
    t.menu(1, "Fechar pelo menor NPK");
    EXPECT_EQ(t.quantity(1, 1), "200,0");
    EXPECT_EQ(t.differences(), (Cells{"0,0", "20,0", "40,0", "0,0"}));
}

TEST(Closure, EachCommandClosesItsNutrient)
{
    struct Case {
        const char* command;
        const char* quantity;
        Cells differences;
    };
    const Case cases[] = {
        {"Fechar pelo N", "200,0", {"0,0", "10,0", "10,0", "30,0"}},
        {"Fechar pelo P205", "250,0", {"-2,5", "0,0", "5,0", "30,0"}},
        {"Fechar pelo K2O", "300,0", {"-5,0", "-10,0", "0,0", "30,0"}},
        {"Fechar pelo S", "0,0", {"10,0", "50,0", "30,0", "30,0"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        Closing t({kFormula}, "10", "50", "30", "30");
        t.menu(1, c.command);
        EXPECT_EQ(t.quantity(1, 1), c.quantity);
        EXPECT_EQ(t.differences(), c.differences);
    }
}

TEST(Closure, CodesTypedIntoCells)
{
    struct Case {
        const char* code;
        Cells fertiliser;
        const char* quantity;
    };
    const Case cases[] = {
        {"?2", kUrea, "0,0"},        // no P2O5 in it
        {"?", kGypsum, "1000000,0"}, // no N, P2O5 or K2O in it
        {"?4", kGypsum, "200,0"},    // 30 kg/ha of S at 15 %
        {"?1", kUrea, "22,2"},       {"?3", kFormula, "500,0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        Closing t({c.fertiliser}, "10", "60", "50", "30");
        t.enterQuantity(1, 1, c.code);
        EXPECT_EQ(t.quantity(1, 1), c.quantity);
    }
}

TEST(Closure, ACodeClosesAnExcessWithANegativeQuantity)
{
    Closing t({kUrea, {" Ureia protegida", "45", "0", "0", "0", "4,0000"}}, "81", "", "");
    t.enterQuantity(1, 1, "200");
    ASSERT_EQ(t.difference(Nutrient::N, 1), "-9,0");
    t.enterQuantity(2, 1, "?1");
    EXPECT_EQ(t.quantity(2, 1), "-20,0");
    EXPECT_EQ(t.difference(Nutrient::N, 1), "0,0");
}

TEST(Closure, CodesResolveFromTheTopRowDown)
{
    // "?" in rows 1 and 2, Enter only in row 2: row 1 closes the difference
    // the parcela showed before, row 2 what row 1 leaves.
    {
        Closing t({kUrea, kFormula}, "100", "60", "30");
        t.fertilisers().setCell(6, 1, "?");
        t.enterQuantity(2, 1, "?");
        EXPECT_EQ(t.quantity(1, 1), "222,2");
        EXPECT_EQ(t.quantity(2, 1), "0,0");
        EXPECT_EQ(t.differences(), (Cells{"0,0", "60,0", "30,0", "0,0"}));
    }
    // P2O5 first from the formula, then N from the urea for what is left.
    {
        Closing t({kFormula, kUrea}, "100", "60", "30");
        t.fertilisers().setCell(6, 1, "?2");
        t.enterQuantity(2, 1, "?1");
        EXPECT_EQ(t.quantity(1, 1), "300,0");
        EXPECT_EQ(t.quantity(2, 1), "188,9");
        EXPECT_EQ(t.differences(), (Cells{"0,0", "0,0", "0,0", "0,0"}));
    }
    // A code below the row that closes first does not count for it.
    {
        Closing t({kUrea, kUrea}, "90", "", "");
        t.fertilisers().setCell(6, 2, "100");
        t.enterQuantity(1, 1, "?1");
        EXPECT_EQ(t.quantity(1, 1), "200,0");
        EXPECT_EQ(t.difference(Nutrient::N, 1), "-45,0");
    }
}

TEST(Closure, FromTheMenuTheCellsOwnQuantityIsNotCountedTwice)
{
    Closing t({kUrea}, "55", "", "");
    t.enterQuantity(1, 1, "100");
    ASSERT_EQ(t.difference(Nutrient::N, 1), "10,0");
    t.menu(1, "Fechar pelo N");
    EXPECT_EQ(t.quantity(1, 1), "122,2");
    EXPECT_EQ(t.difference(Nutrient::N, 1), "0,0");
    // Closing again changes nothing.
    t.menu(1, "Fechar pelo N");
    EXPECT_EQ(t.quantity(1, 1), "122,2");
}

TEST(Closure, FromTheMenuAfterADoseChangeTheOtherFertilisersCount)
{
    Closing t({kUrea, kFormula}, "100", "", "");
    t.enterQuantity(1, 1, "100");
    t.enterQuantity(2, 1, "200");
    ASSERT_EQ(t.difference(Nutrient::N, 1), "45,0");
    // A new dose: the difference shows the plain recommendation again.
    t.recommend(Nutrient::N, 1, "120");
    t.menu(1, "Fechar pelo N");
    EXPECT_EQ(t.quantity(1, 1), "244,4");
    EXPECT_EQ(t.difference(Nutrient::N, 1), "0,0");
}

TEST(Closure, FromTheMenuOnlyQuantityCellsAreClosed)
{
    Closing t({kUrea}, "90", "", "");
    t.enterQuantity(1, 1, "100");
    const Cells before = t.row("rStgaMeusAdubos", 1, 7);
    for (int col = 0; col <= 5; ++col)
        t.window.menu("rStgaMeusAdubos", col, 1, "Fechar pelo N");
    t.window.menu("rStgaMeusAdubos", 6, 0, "Fechar pelo menor NPK");
    EXPECT_EQ(t.row("rStgaMeusAdubos", 1, 7), before);
    EXPECT_EQ(t.fertilisers().cell(6, 0), "Par 1");
    EXPECT_EQ(t.window.grid("rstgaAplica").cell(0, 1), "N");
    EXPECT_EQ(t.difference(Nutrient::N, 1), "45,0");
}

TEST(Closure, AFailedClosureLeavesTheCellsText)
{
    struct Case {
        const char* label;
        int col; // the content column made bad
        const char* command;
    };
    const Case cases[] = {
        {"its own content", 1, "Fechar pelo N"},
        {"another content of the smallest NPK", 4, "Fechar pelo menor NPK"},
        {"a content the closure does not read but the recalculation does", 3, "Fechar pelo N"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        Closing t({kUrea}, "90", "", "");
        t.fertilisers().setCell(6, 1, "100");
        t.fertilisers().setCell(c.col, 1, "x");
        EXPECT_THROW(t.menu(1, c.command), ConversionError);
        EXPECT_EQ(t.quantity(1, 1), "100");
    }
    // A code keeps its text too, when a content or the difference it reads
    // is no number.
    {
        Closing t({{" Ureia", "", "0", "0", "0", "3,0000"}}, "90", "", "");
        EXPECT_THROW(t.enterQuantity(1, 1, "?1"), ConversionError);
        EXPECT_EQ(t.quantity(1, 1), "?1");
    }
    {
        Closing t({kUrea}, "noventa", "", "");
        EXPECT_THROW(t.enterQuantity(1, 1, "?"), ConversionError);
        EXPECT_EQ(t.quantity(1, 1), "?");
    }
}

TEST(Closure, OnlyTheExactCodesAreCodes)
{
    for (const char* text : {"? ", " ?", "?5", "?0", "??", "?1 "}) {
        Closing t({kUrea}, "90", "", "");
        EXPECT_THROW(t.enterQuantity(1, 1, text), ConversionError) << text;
        EXPECT_EQ(t.quantity(1, 1), text);
    }
}

} // namespace
} // namespace bulbicalc

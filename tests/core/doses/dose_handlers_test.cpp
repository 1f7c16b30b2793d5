#include "core/app/errors.h"
#include "core/doses/dose_handlers.h"
#include "doses_window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace bulbicalc {
namespace {

using test::DosesWindow;

TEST(SystemSwitch, WritesThePlanOfTheSystemAndHandsTheRestOn)
{
    DosesWindow t;
    WindowState& w = t.window;
    w.click("RadioButton11");
    const Grid& n = w.grid("rstga1");
    ASSERT_EQ(n.rowCount(), 6);
    EXPECT_EQ(w.text("Edit17"), "5");
    EXPECT_EQ(n.cell(1, 1), "Semeadura");
    EXPECT_EQ(n.cell(1, 5), "135");
    EXPECT_EQ(n.cell(2, 5), "20");
    EXPECT_EQ(w.grid("rstga2").cell(1, 3), "110");
    w.click("RadioButton20");
    w.click("RadioButton10");
    EXPECT_EQ(n.rowCount(), 5);
    EXPECT_EQ(n.cell(1, 4), "85");
    EXPECT_EQ(w.grid("rstga2").cell(1, 1), "Plantio");
    EXPECT_EQ(t.switched, (std::vector<CultivationSystem>{CultivationSystem::DirectSeeding,
                                                          CultivationSystem::ConsolidatedNoTill,
                                                          CultivationSystem::Transplant}));
}

TEST(SystemSwitch, AnUnparsableOrganicMatterStopsItBeforeTheCalendar)
{
    DosesWindow t;
    WindowState& w = t.window;
    w.type("EdMO", "3.0");
    try {
        w.click("RadioButton11");
        FAIL() << "the switch accepted the organic matter 3.0";
    } catch (const ConversionError& error) {
        EXPECT_EQ(std::string(error.what()), "'3.0' is not a valid floating point value");
    }
    // The plans are written, the calendar's side is not.
    EXPECT_EQ(w.grid("rstga1").cell(1, 5), "135");
    EXPECT_EQ(w.grid("rstga2").cell(1, 1), "Semeadura");
    EXPECT_TRUE(t.switched.empty());
}

TEST(YieldTriggers, ReclassPotassiumInBothEntryOrders)
{
    // K typed before the yield: the yield trigger brings the K2O dose along.
    {
        DosesWindow t;
        WindowState& w = t.window;
        w.type("EdK", "50");
        w.type("EdCTC", "10");
        w.leave("EdK");
        ASSERT_EQ(w.text("Edit19"), "150");
        w.type("EdProducao", "45");
        w.enter("EdProducao");
        EXPECT_EQ(w.text("Edit19"), "195");
        w.type("EdArea", "2,5");
        w.type("EdProducao", "50");
        w.leave("EdArea");
        EXPECT_EQ(w.text("Edit19"), "210");
    }
    // The yield typed first: leaving EdK uses it.
    {
        DosesWindow t;
        WindowState& w = t.window;
        w.type("EdProducao", "45");
        w.leave("EdProducao");
        EXPECT_EQ(w.text("Edit19"), "60"); // no K yet: nothing computed
        w.type("EdK", "50");
        w.type("EdCTC", "10");
        w.leave("EdK");
        EXPECT_EQ(w.text("Edit19"), "195");
    }
}

TEST(YieldTriggers, UseTheTypedKAndCtcEvenWhenTheStoredOnesDiffer)
{
    DosesWindow t;
    WindowState& w = t.window;
    w.numbers().K = 500;
    w.numbers().CTC = 40;
    w.type("EdK", "50");
    w.type("EdCTC", "10");
    w.leave("EdProducao");
    EXPECT_DOUBLE_EQ(w.numbers().K, 50);
    EXPECT_DOUBLE_EQ(w.numbers().CTC, 10);
    EXPECT_EQ(w.text("EdClasseK"), "Baixo");
}

TEST(YieldTriggers, WithoutKOrCtcLeaveThePotashAlone)
{
    DosesWindow t;
    WindowState& w = t.window;
    w.type("EdK", "50");
    w.leave("EdProducao");
    EXPECT_EQ(w.text("EdClasseK"), "");
    EXPECT_EQ(w.grid("rstga2").rowCount(), 4);
    EXPECT_DOUBLE_EQ(w.numbers().K, 0);
}

TEST(RecommendationTable, TypedDosesArePublishedOnARealChangeOnly)
{
    DosesWindow t;
    WindowState& w = t.window;
    w.type("Edit22", "80"); // the start-up text: no change
    EXPECT_EQ(w.grid("rstgaRecomenda").cell(1, 4), "");
    w.type("Edit22", "25,5");
    EXPECT_EQ(w.grid("rstga3").cell(5, 1), "25,5");
    EXPECT_EQ(w.grid("rstgaRecomenda").cell(1, 4), "25,5");
    EXPECT_EQ(w.grid("RstgaFalta").cell(1, 4), "25,5");
    w.type("Edit18", "90");
    EXPECT_EQ(w.grid("rstga3").cell(3, 1), "90");
    EXPECT_EQ(w.grid("rstgaRecomenda").cell(1, 2), "90");
    EXPECT_EQ(w.grid("RstgaFalta").cell(1, 2), "90");
    // The other nutrients and parcelas are untouched.
    EXPECT_EQ(w.grid("rstgaRecomenda").cell(2, 2), "");
    EXPECT_EQ(w.grid("rstgaRecomenda").cell(1, 1), "");
}

} // namespace
} // namespace bulbicalc

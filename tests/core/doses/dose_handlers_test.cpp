#include "core/app/errors.h"
#include "core/doses/dose_handlers.h"
#include "support/test_window.h"

#include <gtest/gtest.h>

#include <string>

namespace bulbicalc {
namespace {

using test::TestWindow;

TEST(SystemSwitch, ShowsThePictureOfTheSystem)
{
    TestWindow t;
    WindowState& w = t.window;
    EXPECT_TRUE(w.control("Image1").visible);
    EXPECT_FALSE(w.control("Image2").visible);
    for (const char* system : {"RadioButton11", "RadioButton20"}) {
        w.click(system);
        EXPECT_FALSE(w.control("Image1").visible) << system;
        EXPECT_TRUE(w.control("Image2").visible) << system;
    }
    w.click("RadioButton10");
    EXPECT_TRUE(w.control("Image1").visible);
    EXPECT_FALSE(w.control("Image2").visible);
}

TEST(SystemSwitch, AnUnparsableOrganicMatterStopsItBeforeTheCalendar)
{
    TestWindow t;
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
    EXPECT_EQ(w.text("RadioButton18"), "Dias após plantio");
    EXPECT_TRUE(w.control("Image1").visible);
}

TEST(YieldTriggers, ReclassPotassiumInBothEntryOrders)
{
    // K typed before the yield: the yield trigger brings the K2O dose along.
    {
        TestWindow t;
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
        TestWindow t;
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
    TestWindow t;
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
    TestWindow t;
    WindowState& w = t.window;
    w.type("EdK", "50");
    w.leave("EdProducao");
    EXPECT_EQ(w.text("EdClasseK"), "");
    EXPECT_EQ(w.grid("rstga2").rowCount(), 4);
    EXPECT_DOUBLE_EQ(w.numbers().K, 0);
}

TEST(RecommendationTable, TypedDosesArePublishedOnARealChangeOnly)
{
    TestWindow t;
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

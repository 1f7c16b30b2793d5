#include "core/app/errors.h"
#include "core/soil/cation_exchange.h"
#include "support/test_window.h"

#include <gtest/gtest.h>

namespace bulbicalc {
namespace {

using test::TestWindow;

TEST(CationExchange, SaturationsAreSharesOfTheCtcWithOneDecimal)
{
    TestWindow t;
    WindowState& w = t.window;
    writeCaSaturation(w, 1.5, 10);
    writeMgSaturation(w, 1, 10);
    writeAlSaturation(w, 0.5, 10);
    writeKSaturation(w, 78.2, 10); // 78,2 mg/dm³ is 0,2 cmolc/dm³
    writeHSaturation(w, 3, 0.5, 10, "0.0");
    EXPECT_EQ(w.text("Edit14"), "15,0");
    EXPECT_EQ(w.text("Edit46"), "10,0");
    EXPECT_EQ(w.text("Edit43"), "5,0");
    EXPECT_EQ(w.text("Edit42"), "2,0");
    EXPECT_EQ(w.text("Edit47"), "25,0");
}

TEST(CationExchange, HSaturationTakesThePatternItIsGiven)
{
    TestWindow t;
    writeHSaturation(t.window, 3, 0.5, 7, "0.00");
    EXPECT_EQ(t.window.text("Edit47"), "35,71");
    writeHSaturation(t.window, 3, 0.5, 7, "0.0");
    EXPECT_EQ(t.window.text("Edit47"), "35,7");
    // More Al than H+Al gives a negative share, written as it is.
    writeHSaturation(t.window, 1, 2, 10, "0.0");
    EXPECT_EQ(t.window.text("Edit47"), "-10,0");
}

TEST(CationExchange, RelationsHaveTwoDecimals)
{
    TestWindow t;
    WindowState& w = t.window;
    writeCaMgRelation(w, 1.5, 1);
    writeCaKRelation(w, 1.5, 78.2);
    writeMgKRelation(w, 1, 78.2);
    EXPECT_EQ(w.text("Edit13"), "1,50");
    EXPECT_EQ(w.text("Edit32"), "7,50");
    EXPECT_EQ(w.text("Edit41"), "5,00");
}

TEST(CationExchange, AZeroDivisorRaisesTheDivisionErrorAndWritesNothing)
{
    TestWindow t;
    WindowState& w = t.window;
    w.type("Edit14", "7,7");
    w.type("Edit13", "7,7");
    w.type("Edit32", "7,7");
    EXPECT_THROW(writeCaSaturation(w, 1.5, 0), DivisionByZeroError);
    EXPECT_THROW(writeCaMgRelation(w, 0, 0), InvalidOperationError);
    EXPECT_THROW(writeCaKRelation(w, 1.5, 0), DivisionByZeroError);
    EXPECT_EQ(w.text("Edit14"), "7,7");
    EXPECT_EQ(w.text("Edit13"), "7,7");
    EXPECT_EQ(w.text("Edit32"), "7,7");
}

TEST(CationExchange, WritingAFieldRunsItsChangeHandler)
{
    TestWindow t;
    WindowState& w = t.window;
    w.type("Edit14", "60,0");
    writeCaMgRelation(w, 3, 1); // the lime-type advice follows Edit13
    EXPECT_EQ(w.text("Edit15"), "Use calcário Dolomítico");
    writeCaSaturation(w, 4, 10); // and Edit14
    EXPECT_EQ(w.text("Edit15"), "Use calcário Calcítico");
}

} // namespace
} // namespace bulbicalc

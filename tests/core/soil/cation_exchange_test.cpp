#include "core/app/errors.h"
#include "core/soil/cation_exchange.h"
#include "soil_window.h"

#include <gtest/gtest.h>

namespace bulbicalc {
namespace {

using test::SoilWindow;

TEST(CationExchangeRules, SharesAndRelationsOfTheWorkedExample)
{
    // Ca 1,5; Mg 1; K 78,2 mg/dm³ (0,2 cmolc/dm³); Al 0,5; H+Al 3; CTC 10.
    EXPECT_DOUBLE_EQ(potassiumCmol(78.2), 0.2);
    EXPECT_DOUBLE_EQ(saturation(1.5, 10), 15);
    EXPECT_DOUBLE_EQ(potassiumSaturation(78.2, 10), 2);
    EXPECT_DOUBLE_EQ(hydrogenSaturation(3, 0.5, 10), 25);
    EXPECT_DOUBLE_EQ(caMgRelation(1.5, 1), 1.5);
    EXPECT_NEAR(caKRelation(1.5, 78.2), 7.5, 1e-12);
    EXPECT_NEAR(mgKRelation(1, 78.2), 5, 1e-12);
    // More Al than H+Al gives a negative share, kept as it is.
    EXPECT_DOUBLE_EQ(hydrogenSaturation(1, 2, 10), -10);
}

TEST(CationExchangeRules, AZeroDivisorRaisesTheDivisionError)
{
    EXPECT_THROW(saturation(1.5, 0), DivisionByZeroError);
    EXPECT_THROW(caMgRelation(0, 0), InvalidOperationError);
    EXPECT_THROW(caKRelation(1.5, 0), DivisionByZeroError);
    EXPECT_THROW(mgKRelation(1, 0), DivisionByZeroError);
}

TEST(CationExchange, SaturationsAreWrittenWithOneDecimal)
{
    SoilWindow t;
    WindowState& w = t.window;
    writeCaSaturation(w, 1.5, 10);
    writeMgSaturation(w, 1, 10);
    writeAlSaturation(w, 0.5, 10);
    writeKSaturation(w, 78.2, 10);
    writeHSaturation(w, 3, 0.5, 10, "0.0");
    EXPECT_EQ(w.text("Edit14"), "15,0");
    EXPECT_EQ(w.text("Edit46"), "10,0");
    EXPECT_EQ(w.text("Edit43"), "5,0");
    EXPECT_EQ(w.text("Edit42"), "2,0");
    EXPECT_EQ(w.text("Edit47"), "25,0");
}

TEST(CationExchange, HSaturationTakesThePatternItIsGiven)
{
    SoilWindow t;
    writeHSaturation(t.window, 3, 0.5, 7, "0.00");
    EXPECT_EQ(t.window.text("Edit47"), "35,71");
    writeHSaturation(t.window, 3, 0.5, 7, "0.0");
    EXPECT_EQ(t.window.text("Edit47"), "35,7");
    writeHSaturation(t.window, 1, 2, 10, "0.0");
    EXPECT_EQ(t.window.text("Edit47"), "-10,0");
}

TEST(CationExchange, RelationsAreWrittenWithTwoDecimals)
{
    SoilWindow t;
    WindowState& w = t.window;
    writeCaMgRelation(w, 1.5, 1);
    writeCaKRelation(w, 1.5, 78.2);
    writeMgKRelation(w, 1, 78.2);
    EXPECT_EQ(w.text("Edit13"), "1,50");
    EXPECT_EQ(w.text("Edit32"), "7,50");
    EXPECT_EQ(w.text("Edit41"), "5,00");
}

TEST(CationExchange, AZeroDivisorWritesNothing)
{
    SoilWindow t;
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

} // namespace
} // namespace bulbicalc

#include "core/app/errors.h"
#include "core/doses/doses.h"
#include "support/test_window.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace bulbicalc {
namespace {

using test::TestWindow;

struct NitrogenCase {
    const char* organicMatter;
    const char* yield;
    const char* system; // the radio button of the cultivation system
    const char* dose;
    friend std::ostream& operator<<(std::ostream& out, const NitrogenCase& c)
    {
        return out << "MO " << c.organicMatter << ", " << c.yield << " t/ha, " << c.system;
    }
};

class NitrogenDose : public testing::TestWithParam<NitrogenCase> {};

TEST_P(NitrogenDose, FollowsOrganicMatterYieldAndSystem)
{
    const NitrogenCase& c = GetParam();
    TestWindow t;
    WindowState& w = t.window;
    w.setChecked(c.system);
    w.type("EdMO", c.organicMatter);
    w.type("EdProducao", c.yield);
    DoseN(w);
    EXPECT_EQ(w.text("Edit16"), c.dose);
}

INSTANTIATE_TEST_SUITE_P(
    Doses, NitrogenDose,
    testing::Values(
        // The organic-matter bands, transplant, no yield correction.
        NitrogenCase{"2,5", "30", "RadioButton10", "120,0"},
        NitrogenCase{"2,51", "30", "RadioButton10", "100,0"},
        NitrogenCase{"5,0", "30", "RadioButton10", "100,0"},
        NitrogenCase{"5,01", "30", "RadioButton10", "80,0"},
        NitrogenCase{"7,5", "30", "RadioButton10", "80,0"},
        NitrogenCase{"7,6", "30", "RadioButton10", "60,0"}, NitrogenCase{"0", "30", "RadioButton10", "120,0"},
        // Above 30 t/ha the dose grows by 4 kg/ha per t/ha; below it stays.
        NitrogenCase{"3,0", "35", "RadioButton10", "120,0"},
        NitrogenCase{"3,0", "40", "RadioButton10", "140,0"},
        NitrogenCase{"3,0", "20", "RadioButton10", "100,0"},
        NitrogenCase{"3,0", "30,5", "RadioButton10", "102,0"},
        // System factors on the corrected dose.
        NitrogenCase{"3,0", "40", "RadioButton11", "168,0"},
        NitrogenCase{"3,0", "40", "RadioButton20", "105,0"}, NitrogenCase{"6", "30", "RadioButton20", "60,0"},
        NitrogenCase{"6", "30", "RadioButton11", "96,0"}, NitrogenCase{"2,0", "30", "RadioButton11", "144,0"},
        NitrogenCase{"8", "31", "RadioButton20", "48,0"}));

TEST(NitrogenDose, StoresOrganicMatterAndYield)
{
    TestWindow t;
    WindowState& w = t.window;
    w.type("EdMO", "3,5");
    w.type("EdProducao", "42");
    DoseN(w);
    EXPECT_DOUBLE_EQ(w.numbers().MO, 3.5);
    EXPECT_DOUBLE_EQ(w.numbers().Producao, 42);
}

TEST(NitrogenDose, AnUnparsableYieldStopsBeforeTheDoseIsWritten)
{
    TestWindow t;
    WindowState& w = t.window;
    w.type("EdMO", "3,0");
    for (const char* yield : {"", "40.5", "x"}) {
        w.type("EdProducao", yield);
        try {
            DoseN(w);
            FAIL() << "accepted the yield '" << yield << "'";
        } catch (const ConversionError& error) {
            EXPECT_EQ(std::string(error.what()),
                      std::string("'") + yield + "' is not a valid floating point value");
        }
        EXPECT_EQ(w.text("Edit16"), "120");
    }
}

} // namespace
} // namespace bulbicalc

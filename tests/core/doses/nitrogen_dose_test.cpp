#include "core/app/errors.h"
#include "core/doses/nitrogen_dose.h"
#include "doses_window.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace bulbicalc {
namespace {

using test::DosesWindow;

constexpr auto kTransplant = CultivationSystem::Transplant;
constexpr auto kDirectSeeding = CultivationSystem::DirectSeeding;
constexpr auto kNoTill = CultivationSystem::ConsolidatedNoTill;

struct NitrogenCase {
    double organicMatter;
    double yield;
    CultivationSystem system;
    double dose;
    friend std::ostream& operator<<(std::ostream& out, const NitrogenCase& c)
    {
        return out << "MO " << c.organicMatter << ", " << c.yield << " t/ha, system "
                   << static_cast<int>(c.system);
    }
};

class NitrogenDose : public testing::TestWithParam<NitrogenCase> {};

TEST_P(NitrogenDose, FollowsOrganicMatterYieldAndSystem)
{
    const NitrogenCase& c = GetParam();
    EXPECT_DOUBLE_EQ(nitrogenDose(c.organicMatter, c.yield, c.system), c.dose);
}

INSTANTIATE_TEST_SUITE_P(Doses, NitrogenDose,
                         testing::Values(
                             // The organic-matter bands, transplant, no yield correction.
                             NitrogenCase{2.5, 30, kTransplant, 120},
                             NitrogenCase{2.51, 30, kTransplant, 100},
                             NitrogenCase{5.0, 30, kTransplant, 100}, NitrogenCase{5.01, 30, kTransplant, 80},
                             NitrogenCase{7.5, 30, kTransplant, 80}, NitrogenCase{7.6, 30, kTransplant, 60},
                             NitrogenCase{0, 30, kTransplant, 120},
                             // Above 30 t/ha the dose grows by 4 kg/ha per t/ha; below it stays.
                             NitrogenCase{3.0, 35, kTransplant, 120}, NitrogenCase{3.0, 40, kTransplant, 140},
                             NitrogenCase{3.0, 20, kTransplant, 100},
                             NitrogenCase{3.0, 30.5, kTransplant, 102},
                             // System factors on the corrected dose.
                             NitrogenCase{3.0, 40, kDirectSeeding, 168}, NitrogenCase{3.0, 40, kNoTill, 105},
                             NitrogenCase{6, 30, kNoTill, 60}, NitrogenCase{6, 30, kDirectSeeding, 96},
                             NitrogenCase{2.0, 30, kDirectSeeding, 144}, NitrogenCase{8, 31, kNoTill, 48}));

TEST(DoseN, WritesTheDoseOfTheSelectedSystemWithOneDecimal)
{
    DosesWindow t;
    WindowState& w = t.window;
    w.type("EdMO", "3,0");
    w.type("EdProducao", "40");
    DoseN(w);
    EXPECT_EQ(w.text("Edit16"), "140,0");
    w.setChecked("RadioButton11");
    DoseN(w);
    EXPECT_EQ(w.text("Edit16"), "168,0");
    w.setChecked("RadioButton20");
    DoseN(w);
    EXPECT_EQ(w.text("Edit16"), "105,0");
}

TEST(DoseN, StoresOrganicMatterAndYield)
{
    DosesWindow t;
    WindowState& w = t.window;
    w.type("EdMO", "3,5");
    w.type("EdProducao", "42");
    DoseN(w);
    EXPECT_DOUBLE_EQ(w.numbers().MO, 3.5);
    EXPECT_DOUBLE_EQ(w.numbers().Producao, 42);
}

TEST(DoseN, AnUnparsableYieldStopsBeforeTheDoseIsWritten)
{
    DosesWindow t;
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

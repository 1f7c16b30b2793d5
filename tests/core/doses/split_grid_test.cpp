#include "core/app/errors.h"
#include "core/doses/split_grid.h"
#include "doses_window.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace bulbicalc {
namespace {

using test::DosesWindow;

Grid splitOf(std::initializer_list<const char*> percents)
{
    Grid split(4, static_cast<int>(percents.size()) + 1, 0, 1);
    int row = 1;
    for (const char* percent : percents)
        split.setCell(split_column::kPercent, row++, percent);
    return split;
}

std::vector<std::string> kilograms(const Grid& split)
{
    std::vector<std::string> out;
    for (int row = 1; row < split.rowCount(); ++row)
        out.push_back(split.cell(split_column::kKilograms, row));
    return out;
}

TEST(SplitDose, RoundsEachShareToWholeKilograms)
{
    Grid nitrogen = splitOf({"10", "20", "25", "25", "20"});
    EXPECT_DOUBLE_EQ(splitDose(nitrogen, 144), 100);
    EXPECT_EQ(kilograms(nitrogen), (std::vector<std::string>{"14", "29", "36", "36", "29"}));

    // 37,5 is a half: away from zero.
    Grid potash = splitOf({"50", "25", "25"});
    splitDose(potash, 150);
    EXPECT_EQ(kilograms(potash), (std::vector<std::string>{"75", "38", "38"}));
}

TEST(SplitDose, RowsWithoutAShareKeepTheirKilogramsAndAddNothing)
{
    Grid split = splitOf({"40", "", "50"});
    split.setCell(split_column::kKilograms, 2, "99");
    EXPECT_DOUBLE_EQ(splitDose(split, 200), 90);
    EXPECT_EQ(kilograms(split), (std::vector<std::string>{"80", "99", "100"}));
}

TEST(SplitDose, AShareThatIsNoNumberStopsAtItsRow)
{
    Grid split = splitOf({"50", "2O", "25"});
    try {
        splitDose(split, 100);
        FAIL() << "accepted the share 2O";
    } catch (const ConversionError& error) {
        EXPECT_EQ(std::string(error.what()), "'2O' is not a valid floating point value");
    }
    EXPECT_EQ(kilograms(split), (std::vector<std::string>{"50", "", ""}));
}

TEST(SplitDose, WarnsWhenTheSharesDoNotAddUpToOneHundred)
{
    struct Case {
        double total;
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {100, {}},
        {90, {"Total percentual = 90 reveja os valores"}},
        {112.5, {"Total percentual = 112,5 reveja os valores"}},
        {0, {"Total percentual = 0 reveja os valores"}},
        // 10 + 19,9 + 34,3 + 35,8 in binary: reads as 100, no warning.
        {10.0 + 19.9 + 34.3 + 35.8, {}},
    };
    for (const Case& c : cases) {
        DosesWindow t;
        warnUnlessWholeDose(t.window, c.total);
        EXPECT_EQ(std::vector<std::string>(t.platform.messages.begin(), t.platform.messages.end()),
                  c.messages)
            << c.total;
    }
}

TEST(SplitDose, SettingTheCountNumbersTheApplicationsOnly)
{
    Grid split = splitOf({"15", "25", "35", "25"});
    split.setCell(split_column::kTiming, 2, "35");
    setApplicationCount(split, 6);
    EXPECT_EQ(split.rowCount(), 7);
    EXPECT_EQ(applicationCount(split), 6);
    for (int row = 1; row <= 6; ++row)
        EXPECT_EQ(split.cell(split_column::kNumber, row), std::to_string(row));
    EXPECT_EQ(split.cell(split_column::kTiming, 2), "35");
    EXPECT_EQ(split.cell(split_column::kPercent, 5), "");
}

int noWidth(const std::string&)
{
    return 0;
}

TEST(SplitGridEvents, HintsNameEachColumnAndTheTimingFollowsTheSystem)
{
    DosesWindow t;
    WindowState& w = t.window;
    for (const char* name : {"rstga1", "rstga2"}) {
        const Grid& g = w.grid(name);
        EXPECT_EQ(g.hint(0, 1, noWidth), "Número da Parcela)") << name;
        EXPECT_EQ(g.hint(1, 2, noWidth), "Dias após transplante") << name;
        EXPECT_EQ(g.hint(2, 0, noWidth), "Quantidade (%)") << name;
        EXPECT_EQ(g.hint(3, 3, noWidth), "Quantidade (kg)") << name;
        EXPECT_EQ(g.hint(4, 1, noWidth), "") << name;
    }
    for (const char* system : {"RadioButton11", "RadioButton20"}) {
        w.setChecked(system);
        EXPECT_EQ(w.grid("rstga1").hint(1, 1, noWidth), "Dias após a semeadura") << system;
        EXPECT_EQ(w.grid("rstga2").hint(1, 1, noWidth), "Dias após a semeadura") << system;
    }
}

TEST(SplitGridEvents, TypedColumnsAreLightYellowAndKilogramsWhite)
{
    DosesWindow t;
    for (const char* name : {"rstga1", "rstga2"}) {
        const Grid& g = t.window.grid(name);
        for (int col = 0; col < 3; ++col)
            EXPECT_EQ(g.cellStyle(col, 1).background, colours::kLightYellow) << name << " " << col;
        EXPECT_EQ(g.cellStyle(3, 2).background, colours::kWhite) << name;
        // The title row keeps the grid's own heading look.
        EXPECT_TRUE(g.cellStyle(1, 0).heading) << name;
        EXPECT_NE(g.cellStyle(1, 0).background, colours::kLightYellow) << name;
    }
}

} // namespace
} // namespace bulbicalc

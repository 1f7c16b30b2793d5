#include "core/soil/municipalities.h"
#include "soil_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace bulbicalc {
namespace {

using test::SoilWindow;

constexpr int kRS = 0;
constexpr int kSC = 1;
constexpr int kPR = 2;
constexpr int kOutro = 3;

bool hasLeadingBlank(std::string_view name)
{
    return !name.empty() && name.front() == ' ';
}
bool hasTrailingBlank(std::string_view name)
{
    return !name.empty() && name.back() == ' ';
}

int indexOf(const std::vector<std::string>& items, std::string_view name)
{
    const auto it = std::find(items.begin(), items.end(), name);
    return it == items.end() ? -1 : static_cast<int>(it - items.begin());
}

TEST(Municipalities, EachStateHasItsFixedNumberOfNames)
{
    EXPECT_EQ(municipalitiesOf(kRS).size(), 499u);
    EXPECT_EQ(municipalitiesOf(kSC).size(), 293u);
    EXPECT_EQ(municipalitiesOf(kPR).size(), 399u);
    EXPECT_TRUE(municipalitiesOf(kOutro).empty());
    EXPECT_TRUE(municipalitiesOf(-1).empty());
    EXPECT_TRUE(municipalitiesOf(4).empty());
}

TEST(Municipalities, RioGrandeDoSulNamesButTheFirstEndWithOneBlank)
{
    const auto rs = municipalitiesOf(kRS);
    EXPECT_EQ(rs.front(), "Acegua");
    EXPECT_EQ(rs[2], "Agudo ");
    EXPECT_EQ(rs.back(), "Xangri-La ");
    for (std::size_t i = 1; i < rs.size(); ++i) {
        SCOPED_TRACE(std::string(rs[i]));
        ASSERT_GE(rs[i].size(), 2u);
        EXPECT_TRUE(hasTrailingBlank(rs[i]));
        EXPECT_NE(rs[i][rs[i].size() - 2], ' ');
        EXPECT_FALSE(hasLeadingBlank(rs[i]));
    }
}

TEST(Municipalities, SantaCatarinaNamesHaveNoBlanksAtTheirEnds)
{
    const auto sc = municipalitiesOf(kSC);
    EXPECT_EQ(sc.front(), "Agrolândia");
    EXPECT_EQ(sc.back(), "Zortéa");
    EXPECT_TRUE(std::all_of(sc.begin(), sc.end(),
                            [](std::string_view n) { return !hasLeadingBlank(n) && !hasTrailingBlank(n); }));
    EXPECT_NE(std::find(sc.begin(), sc.end(), "Herval DOeste"), sc.end());
}

TEST(Municipalities, ParanaHasOnlySaoTomeWithALeadingBlank)
{
    const auto pr = municipalitiesOf(kPR);
    EXPECT_EQ(pr.front(), "Abatia");
    EXPECT_EQ(pr.back(), "Xambre");
    std::vector<std::string_view> leading;
    for (std::string_view name : pr) {
        EXPECT_FALSE(hasTrailingBlank(name)) << name;
        if (hasLeadingBlank(name))
            leading.push_back(name);
    }
    EXPECT_EQ(leading, std::vector<std::string_view>{" São Tome"});
}

TEST(Municipalities, StartupListIsTheSantaCatarinaListWithTwoNamesInFrontAndTheApostrophe)
{
    const auto startup = startupMunicipalities();
    const auto sc = municipalitiesOf(kSC);
    ASSERT_EQ(startup.size(), 295u);
    EXPECT_EQ(startup[0], "Abdon Batista");
    EXPECT_EQ(startup[1], "Abelardo Luz");
    int differences = 0;
    for (std::size_t i = 0; i < sc.size(); ++i) {
        if (startup[i + 2] == sc[i])
            continue;
        ++differences;
        EXPECT_EQ(sc[i], "Herval DOeste");
        EXPECT_EQ(startup[i + 2], "Herval D'Oeste");
    }
    EXPECT_EQ(differences, 1);
}

TEST(MunicipalityBox, StartsWithTheStartupListAndNoText)
{
    SoilWindow t;
    const Control& muni = t.window.control("CBMuni");
    EXPECT_EQ(muni.items, startupMunicipalities());
    EXPECT_EQ(muni.text, "");
    EXPECT_EQ(muni.itemIndex, -1);
    EXPECT_EQ(t.window.text("CbUF"), "SC");
    EXPECT_EQ(t.window.control("CbUF").itemIndex, kSC);
}

struct StateCase {
    int state;
    std::size_t names;
};

class ChoosingAState : public testing::TestWithParam<StateCase> {};

TEST_P(ChoosingAState, ReplacesTheListAndEmptiesTheText)
{
    SoilWindow t;
    WindowState& w = t.window;
    w.type("CBMuni", "Lages");
    w.select("CbUF", GetParam().state);
    const Control& muni = w.control("CBMuni");
    EXPECT_EQ(muni.items.size(), GetParam().names);
    const auto expected = municipalitiesOf(GetParam().state);
    EXPECT_TRUE(std::equal(muni.items.begin(), muni.items.end(), expected.begin(), expected.end()));
    EXPECT_EQ(muni.text, "");
    EXPECT_EQ(muni.itemIndex, -1);
}

INSTANTIATE_TEST_SUITE_P(States, ChoosingAState,
                         testing::Values(StateCase{kRS, 499}, StateCase{kSC, 293}, StateCase{kPR, 399},
                                         StateCase{kOutro, 0}));

TEST(MunicipalityBox, PickedNamesKeepTheirBlanks)
{
    SoilWindow t;
    WindowState& w = t.window;
    w.select("CbUF", kRS);
    w.select("CBMuni", indexOf(w.control("CBMuni").items, "Agudo "));
    EXPECT_EQ(w.text("CBMuni"), "Agudo ");
    w.select("CbUF", kPR);
    w.select("CBMuni", indexOf(w.control("CBMuni").items, " São Tome"));
    EXPECT_EQ(w.text("CBMuni"), " São Tome");
}

TEST(MunicipalityBox, ChoosingSantaCatarinaAgainGivesTheFixedListNotTheStartupList)
{
    SoilWindow t;
    WindowState& w = t.window;
    w.select("CbUF", kPR);
    w.select("CbUF", kSC);
    const auto& items = w.control("CBMuni").items;
    EXPECT_EQ(items.size(), 293u);
    EXPECT_EQ(indexOf(items, "Abdon Batista"), -1);
    EXPECT_EQ(indexOf(items, "Abelardo Luz"), -1);
    EXPECT_EQ(indexOf(items, "Herval D'Oeste"), -1);
    EXPECT_NE(indexOf(items, "Herval DOeste"), -1);
}

TEST(MunicipalityBox, AnyNameCanBeTypedForAnotherState)
{
    SoilWindow t;
    WindowState& w = t.window;
    w.select("CbUF", kOutro);
    w.type("CBMuni", "Montevidéu");
    EXPECT_EQ(w.text("CBMuni"), "Montevidéu");
    EXPECT_TRUE(w.control("CBMuni").items.empty());
}

TEST(MunicipalityBox, ATypedTextThatIsNoStateChangesNothing)
{
    SoilWindow t;
    WindowState& w = t.window;
    w.select("CbUF", kPR);
    w.type("CBMuni", "Curitiba");
    w.type("CbUF", "P");
    w.type("CbUF", "Paraná");
    EXPECT_EQ(w.text("CbUF"), "Paraná");
    EXPECT_EQ(w.text("CBMuni"), "Curitiba");
    EXPECT_EQ(w.control("CBMuni").items.size(), 399u);
}

TEST(MunicipalityBox, ATypedStateNameCountsAsChoosingIt)
{
    SoilWindow t;
    WindowState& w = t.window;
    w.type("CBMuni", "Lages");
    w.type("CbUF", "RS");
    EXPECT_EQ(w.control("CbUF").itemIndex, kRS);
    EXPECT_EQ(w.control("CBMuni").items.size(), 499u);
    EXPECT_EQ(w.text("CBMuni"), "");
}

} // namespace
} // namespace bulbicalc

#include "core/planning/selection.h"
#include "planning_window.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace bulbicalc {
namespace {

using test::DataFolder;
using test::PlanningWindow;

TEST(TicksBeforeClick, FollowFromTheRowsOfTheLastTransfer)
{
    const std::vector<bool> after = {true, false, true, true};
    struct Case {
        const char* label;
        int clicked;
        int rows;
        std::optional<std::vector<bool>> before;
    };
    const Case cases[] = {
        {"item 1 ticked now", 0, 2, std::vector<bool>{false, false, true, true}},
        {"item 2 unticked now", 1, 4, std::vector<bool>{true, true, true, true}},
        {"item 3 only selected", 2, 3, after},
        {"item 2 only selected", 1, 3, after},
        {"rows that no click explains", 0, 1, std::nullopt},
        {"no item clicked", -1, 3, std::nullopt},
        {"an item beyond the list", 4, 3, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ticksBeforeClick(after, c.clicked, c.rows), c.before) << c.label;
}

// A catalogue of three mineral and two organic fertilisers.
struct FiveFertilisers {
    FiveFertilisers()
    {
        data.write("AdubosMinerais.txt", "h\r\n45 0 0 0 150 A\r\n20 0 0 22 100 B\r\n0 18 0 11 90 C\r\n");
        data.write("AdubosOrganicos.txt", "h\r\n3.2 3.5 2.5 120 D\r\n1.5 1.4 1.5 130 E\r\n");
    }
    DataFolder data;
};

// All five on the workbench, with quantities in parcelas 1 and 4.
struct Selection : FiveFertilisers, PlanningWindow {
    Selection() : PlanningWindow(data.dir)
    {
        loadCatalogues(window);
        for (int row = 1; row <= 5; ++row) {
            fertilisers().setCell(6, row, std::to_string(row * 10));
            fertilisers().setCell(9, row, std::to_string(row));
        }
    }

    std::vector<std::string> names()
    {
        std::vector<std::string> out;
        for (int row = 1; row <= fertilisers().rowCount() - 1; ++row)
            out.push_back(fertilisers().cell(0, row));
        return out;
    }

    // "parcela 1/parcela 4" of each row.
    std::vector<std::string> quantities()
    {
        std::vector<std::string> out;
        for (int row = 1; row <= fertilisers().rowCount() - 1; ++row)
            out.push_back(fertilisers().cell(6, row) + "/" + fertilisers().cell(9, row));
        return out;
    }
};

TEST(SelectionChange, EachFertiliserKeepsItsQuantities)
{
    Selection t;
    WindowState& w = t.window;
    // Unticking B moves C, D and E up one row, their quantities with them.
    w.check("rCheckListBox1", 1, false);
    EXPECT_EQ(t.names(), (std::vector<std::string>{" A", " C", " D", " E"}));
    EXPECT_EQ(t.quantities(), (std::vector<std::string>{"10/1", "30/3", "40/4", "50/5"}));
    EXPECT_EQ(t.row("rStgaMeusAdubos", 2, 6), t.row("StgaAdubos", 3, 6));
    // A click that only selects an item changes nothing.
    w.check("rCheckListBox1", 3, true);
    EXPECT_EQ(t.quantities(), (std::vector<std::string>{"10/1", "30/3", "40/4", "50/5"}));
    // B comes back with empty cells; the rows below it keep theirs.
    w.check("rCheckListBox1", 1, true);
    EXPECT_EQ(t.names(), (std::vector<std::string>{" A", " B", " C", " D", " E"}));
    EXPECT_EQ(t.quantities(), (std::vector<std::string>{"10/1", "/", "30/3", "40/4", "50/5"}));
    // Unticking the last leaves no stale row behind for the next tick.
    w.check("rCheckListBox1", 4, false);
    EXPECT_EQ(t.fertilisers().rowCount(), 5);
    w.check("rCheckListBox1", 4, true);
    EXPECT_EQ(t.quantities().back(), "/");
}

TEST(SelectionChange, UntickingEverythingLeavesTheHeadingRow)
{
    Selection t;
    WindowState& w = t.window;
    for (int item = 0; item < 5; ++item)
        w.check("rCheckListBox1", item, false);
    EXPECT_EQ(t.fertilisers().rowCount(), 1);
    EXPECT_EQ(t.fertilisers().cell(5, 0), "R$/Kg");
    w.check("rCheckListBox1", 3, true);
    EXPECT_EQ(t.names(), (std::vector<std::string>{" D"}));
    EXPECT_EQ(t.quantities(), (std::vector<std::string>{"/"}));
}

TEST(SelectionChange, EditsOfTheCatalogueGoAcrossOnTheNextClickNamesStayInTheList)
{
    Selection t;
    WindowState& w = t.window;
    w.editCell("StgaAdubos", 5, 2, "2,5000");
    w.editCell("StgaAdubos", 0, 2, " B novo");
    EXPECT_EQ(t.fertilisers().cell(5, 2), "2,0000");
    w.check("rCheckListBox1", 0, true);
    EXPECT_EQ(t.fertilisers().cell(5, 2), "2,5000");
    EXPECT_EQ(t.fertilisers().cell(0, 2), " B novo");
    EXPECT_EQ(w.control("rCheckListBox1").items[1], " B");
    EXPECT_EQ(t.quantities()[1], "20/2");
}

TEST(SelectionChange, AParcelaColumnHiddenBySplittingIntoFewerParcelasDoesNotComeBack)
{
    Selection t;
    WindowState& w = t.window;
    t.fertilisers().setCell(10, 1, "99");
    t.fertilisers().setColCount(10); // four parcelas
    w.check("rCheckListBox1", 0, true);
    t.fertilisers().setColCount(11);
    EXPECT_EQ(t.fertilisers().cell(10, 1), "");
    EXPECT_EQ(t.fertilisers().cell(9, 1), "1");
}

} // namespace
} // namespace bulbicalc

#include "core/app/grid.h"

#include <gtest/gtest.h>

#include <string>

namespace bulbicalc {
namespace {

// A 4 x 5 grid with one heading row and numbered body cells "c,r".
Grid numberedGrid()
{
    Grid g(4, 5, 0, 1);
    for (int row = 0; row < 5; ++row)
        for (int col = 0; col < 4; ++col)
            g.setCell(col, row, std::to_string(col) + "," + std::to_string(row));
    return g;
}

TEST(Grid, UnwrittenCellsAreEmpty)
{
    Grid g;
    EXPECT_EQ(g.cell(2, 3), "");
    EXPECT_EQ(g.cell(40, 40), "");
}

TEST(Grid, TextSurvivesASmallerRowAndColumnCount)
{
    Grid g = numberedGrid();
    g.setRowCount(3);
    g.setColCount(2);
    EXPECT_EQ(g.rowCount(), 3);
    EXPECT_EQ(g.colCount(), 2);
    g.setRowCount(5);
    g.setColCount(4);
    EXPECT_EQ(g.cell(3, 4), "3,4");
    EXPECT_EQ(g.cell(1, 3), "1,3");
}

TEST(Grid, ColumnDescriptionsFollowTheColumnCount)
{
    Grid g(3, 2, 0, 1);
    g.column(2).width = 120;
    g.column(2).titleCaption = "Par. 2";
    g.setColCount(2);
    g.setColCount(4);
    // Shrinking removed the description; growing appends defaults.
    EXPECT_EQ(g.column(2).width, 90);
    EXPECT_EQ(g.column(2).titleCaption, "");
    EXPECT_EQ(g.column(3).alignment, Alignment::Left);
}

TEST(Grid, CuttingToOneRowRemovesTheFixedRowForGood)
{
    Grid g(4, 5, 0, 1);
    g.column(1).titleCaption = "Época";
    g.setCell(1, 0, "row zero");
    g.setRowCount(1);
    EXPECT_EQ(g.fixedRows(), 0);
    g.setRowCount(9);
    EXPECT_EQ(g.fixedRows(), 0);
    EXPECT_EQ(g.rowCount(), 9);
    // Row 0 is an ordinary row now: it shows its cells, not the titles.
    EXPECT_EQ(g.shownText(1, 0), "row zero");
    EXPECT_TRUE(g.cellEditable(1, 0));
}

TEST(Grid, FixedColumnsFollowTheSameRule)
{
    Grid g(5, 5, 1, 1);
    g.setColCount(1);
    EXPECT_EQ(g.fixedCols(), 0);
    g.setColCount(5);
    EXPECT_EQ(g.fixedCols(), 0);
}

TEST(Grid, CountsNeverFallBelowOne)
{
    Grid g(3, 3, 0, 1);
    g.setRowCount(0);
    g.setColCount(-4);
    EXPECT_EQ(g.rowCount(), 1);
    EXPECT_EQ(g.colCount(), 1);
}

TEST(Grid, TitlesShowInRowZeroWhileTheCellKeepsItsText)
{
    Grid g(11, 5, 1, 1);
    g.column(8).titleCaption = "Parc 3";
    g.setCell(8, 0, "Par 3");
    EXPECT_EQ(g.shownText(8, 0), "Parc 3");
    EXPECT_EQ(g.cell(8, 0), "Par 3");
    // Without a title the cell's text shows; other rows always show cells.
    g.setCell(7, 0, "Par 2");
    EXPECT_EQ(g.shownText(7, 0), "Par 2");
    g.setCell(8, 1, "12");
    EXPECT_EQ(g.shownText(8, 1), "12");
}

TEST(Grid, DeleteRowExMovesTheRowsBelowUp)
{
    Grid g = numberedGrid();
    g.setCurrent(1, 4);
    g.deleteRowEx(2);
    EXPECT_EQ(g.rowCount(), 4);
    EXPECT_EQ(g.cell(0, 2), "0,3");
    EXPECT_EQ(g.cell(3, 3), "3,4");
    EXPECT_EQ(g.currentRow(), 3);
    // The old last row was emptied: growing again shows nothing there.
    g.setRowCount(5);
    EXPECT_EQ(g.cell(0, 4), "");
}

TEST(Grid, DeleteRowExIgnoresHeadingsAndRowsOutside)
{
    Grid g = numberedGrid();
    g.deleteRowEx(0);
    g.deleteRowEx(5);
    g.deleteRowEx(-1);
    EXPECT_EQ(g.rowCount(), 5);
    EXPECT_EQ(g.cell(2, 0), "2,0");
    EXPECT_EQ(g.cell(2, 4), "2,4");
}

TEST(Grid, OnlyBodyCellsOfAnEditingGridAreEditable)
{
    Grid g(5, 5, 1, 1);
    EXPECT_FALSE(g.cellEditable(0, 2));
    EXPECT_FALSE(g.cellEditable(2, 0));
    EXPECT_TRUE(g.cellEditable(2, 2));
    g.column(2).readOnly = true;
    EXPECT_FALSE(g.cellEditable(2, 2));
    g.editing = false;
    EXPECT_FALSE(g.cellEditable(3, 3));
    EXPECT_FALSE(g.cellEditable(7, 1));
}

int sevenPixelsPerByte(const std::string& text)
{
    return 7 * static_cast<int>(text.size());
}

TEST(Grid, HintsShowOnlyTextThatDoesNotFit)
{
    Grid g(2, 3, 0, 1);
    g.hintsEnabled = true;
    g.column(0).width = 50;     // fits up to 45 pixels
    g.setCell(0, 1, "123456");  // 42 pixels: fits
    g.setCell(0, 2, "1234567"); // 49 pixels: at least width - 4
    EXPECT_EQ(g.hint(0, 1, sevenPixelsPerByte), "");
    EXPECT_EQ(g.hint(0, 2, sevenPixelsPerByte), "1234567");
    EXPECT_EQ(g.hint(1, 1, sevenPixelsPerByte), "");
    EXPECT_EQ(g.hint(5, 1, sevenPixelsPerByte), "");
}

TEST(Grid, AHintHandlerThatChangesTheTextIsAlwaysShown)
{
    Grid g(2, 3, 0, 1);
    g.hintsEnabled = true;
    g.column(1).titleCaption = "Época";
    std::string received;
    g.onGetHintText = [&](int col, int, std::string& hint) {
        received = hint;
        if (col == 1)
            hint = "Dias após transplante";
    };
    EXPECT_EQ(g.hint(1, 0, sevenPixelsPerByte), "Dias após transplante");
    // The handler receives the displayed text (the title in row 0).
    EXPECT_EQ(received, "Época");
    g.hintsEnabled = false;
    EXPECT_EQ(g.hint(1, 0, sevenPixelsPerByte), "");
}

TEST(Grid, EnterMovesDownExceptInTheLastRow)
{
    Grid g(4, 5, 0, 1);
    g.nextRowAfterReturn = true;
    g.setCurrent(2, 3);
    g.editorKey(kKeyEnter);
    EXPECT_EQ(g.currentRow(), 4);
    g.editorKey(kKeyEnter);
    EXPECT_EQ(g.currentRow(), 4);
    EXPECT_EQ(g.currentCol(), 2);

    Grid staying(4, 5, 0, 1);
    staying.setCurrent(1, 2);
    staying.editorKey(kKeyEnter);
    EXPECT_EQ(staying.currentRow(), 2);
}

TEST(Grid, TheEditorKeyHookRunsAfterTheGridsOwnEnter)
{
    Grid g(4, 5, 0, 1);
    g.nextRowAfterReturn = true;
    int rowSeenByHook = -1;
    g.onEditorKeyPress = [&](char32_t& key) {
        if (key == kKeyEnter)
            rowSeenByHook = g.currentRow();
        if (key == U'x')
            key = kKeyNone;
    };
    g.setCurrent(1, 1);
    EXPECT_EQ(g.editorKey(kKeyEnter), kKeyEnter);
    EXPECT_EQ(rowSeenByHook, 2);
    EXPECT_EQ(g.editorKey(U'x'), kKeyNone);
    EXPECT_EQ(g.editorKey(U'7'), U'7');
}

TEST(Grid, KeysInACellThatMayNotBeEditedAreDropped)
{
    Grid g(5, 5, 1, 1);
    bool hookRan = false;
    g.onEditorKeyPress = [&](char32_t&) { hookRan = true; };
    g.setCurrent(0, 2);
    EXPECT_EQ(g.editorKey(U'5'), kKeyNone);
    EXPECT_FALSE(hookRan);
}

TEST(Grid, CellStyleStartsFromTheTitleColourAndTheHandlerDecides)
{
    Grid g(4, 5, 0, 1);
    g.column(0).titleColour = colours::kHotLight;
    EXPECT_TRUE(g.cellStyle(0, 0).heading);
    EXPECT_EQ(g.cellStyle(0, 0).background, colours::kHotLight);
    EXPECT_FALSE(g.cellStyle(0, 1).heading);
    EXPECT_FALSE(g.cellStyle(0, 1).background.has_value());
    g.onGetCellParams = [](int col, int row, CellStyle& style) {
        if (row > 0 && col < 3)
            style.background = colours::kLightYellow;
    };
    EXPECT_EQ(g.cellStyle(2, 3).background, colours::kLightYellow);
    EXPECT_FALSE(g.cellStyle(3, 3).background.has_value());
}

} // namespace
} // namespace bulbicalc

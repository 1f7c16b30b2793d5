#pragma once

#include "core/app/colour.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace bulbicalc {

enum class Alignment { Left, Center, Right };

struct ColumnDescription {
    int width = 90;
    Alignment alignment = Alignment::Left;
    std::string titleCaption;
    Alignment titleAlignment = Alignment::Left;
    std::optional<Colour> titleColour; // none: the grid's heading colour
    bool readOnly = false;
};

// What a cell is painted with. An empty colour means the platform's default
// (window text and window background for body cells, the heading look for
// fixed cells).
struct CellStyle {
    bool heading = false;
    std::optional<Colour> font;
    std::optional<Colour> background;
};

// Keys of a cell editor: a character, or one of these control keys.
inline constexpr char32_t kKeyEnter = U'\r';
inline constexpr char32_t kKeyEscape = U'\x1b';
inline constexpr char32_t kKeyNone = U'\0';

// A rectangle of text cells addressed by column and row, both from 0.
//
// Text outside the grid survives a smaller row or column count and shows again
// when the grid grows. A grid always keeps fewer fixed rows than rows (and fewer
// fixed columns than columns): cutting it to one row removes its fixed row for
// good.
class Grid {
public:
    Grid(int colCount = 5, int rowCount = 5, int fixedCols = 1, int fixedRows = 1);

    int colCount() const { return colCount_; }
    int rowCount() const { return rowCount_; }
    int fixedCols() const { return fixedCols_; }
    int fixedRows() const { return fixedRows_; }
    void setColCount(int count);
    void setRowCount(int count);
    void setFixedCols(int count);
    void setFixedRows(int count);

    const std::string& cell(int col, int row) const;
    void setCell(int col, int row, std::string text);
    // Empties every stored cell of a row (also those of hidden columns).
    void clearRow(int row);

    ColumnDescription& column(int col) { return columns_.at(static_cast<std::size_t>(col)); }
    const ColumnDescription& column(int col) const { return columns_.at(static_cast<std::size_t>(col)); }

    // Row 0 of a grid with a fixed row shows the column's title when it has
    // one; every other cell shows its own text.
    std::string shownText(int col, int row) const;

    // Removes a body row: the rows below move up, the last row is emptied and
    // the row count falls by one. Heading rows and rows outside are ignored.
    void deleteRowEx(int row);

    int currentCol() const { return currentCol_; }
    int currentRow() const { return currentRow_; }
    void setCurrent(int col, int row);

    bool contains(int col, int row) const;
    bool isFixed(int col, int row) const { return col < fixedCols_ || row < fixedRows_; }
    bool cellEditable(int col, int row) const;

    // Options.
    bool editing = true;
    bool nextRowAfterReturn = false;
    bool hintsEnabled = false;
    int rowHeight = 17;

    // Events a handler may hook.
    std::function<void(int col, int row, std::string& hint)> onGetHintText;
    std::function<void(int col, int row, CellStyle& style)> onGetCellParams;
    std::function<void(char32_t& key)> onEditorKeyPress;

    // The hint over a cell, or empty for none. `textWidth` measures a text in
    // pixels with the grid's font.
    std::string hint(int col, int row, const std::function<int(const std::string&)>& textWidth) const;

    CellStyle cellStyle(int col, int row) const;

    // The cell editor's handling of one key: Enter stores `editorText` and moves
    // to the next row where the grid asks for it, then the editor-key hook runs.
    // Returns the key that reaches the editor (kKeyNone when swallowed).
    char32_t editorKey(char32_t key);

private:
    int colCount_;
    int rowCount_;
    int fixedCols_;
    int fixedRows_;
    int currentCol_ = 0;
    int currentRow_ = 0;
    std::vector<ColumnDescription> columns_;
    std::map<std::pair<int, int>, std::string> cells_; // (row, col) -> text

    void clampCurrent();
};

} // namespace bulbicalc

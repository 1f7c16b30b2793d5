#include "core/app/grid.h"

#include <algorithm>

namespace bulbicalc {
namespace {
const std::string kEmpty;
}

Grid::Grid(int colCount, int rowCount, int fixedCols, int fixedRows)
    : colCount_(std::max(1, colCount)), rowCount_(std::max(1, rowCount)),
      fixedCols_(std::clamp(fixedCols, 0, colCount_ - 1)),
      fixedRows_(std::clamp(fixedRows, 0, rowCount_ - 1)), columns_(static_cast<std::size_t>(colCount_))
{
    currentCol_ = fixedCols_;
    currentRow_ = fixedRows_;
}

void Grid::setColCount(int count)
{
    count = std::max(1, count);
    if (count <= fixedCols_)
        fixedCols_ = count - 1;
    colCount_ = count;
    columns_.resize(static_cast<std::size_t>(count));
    clampCurrent();
}

void Grid::setRowCount(int count)
{
    count = std::max(1, count);
    if (count <= fixedRows_)
        fixedRows_ = count - 1;
    rowCount_ = count;
    clampCurrent();
}

void Grid::setFixedCols(int count)
{
    fixedCols_ = std::clamp(count, 0, colCount_ - 1);
}

void Grid::setFixedRows(int count)
{
    fixedRows_ = std::clamp(count, 0, rowCount_ - 1);
}

const std::string& Grid::cell(int col, int row) const
{
    const auto it = cells_.find({row, col});
    return it == cells_.end() ? kEmpty : it->second;
}

void Grid::setCell(int col, int row, std::string text)
{
    if (col < 0 || row < 0)
        return;
    if (text.empty())
        cells_.erase({row, col});
    else
        cells_[{row, col}] = std::move(text);
}

void Grid::clearRow(int row)
{
    auto it = cells_.lower_bound({row, 0});
    while (it != cells_.end() && it->first.first == row)
        it = cells_.erase(it);
}

std::string Grid::shownText(int col, int row) const
{
    if (row == 0 && fixedRows_ > 0 && col >= 0 && col < colCount_) {
        const auto& title = column(col).titleCaption;
        if (!title.empty())
            return title;
    }
    return cell(col, row);
}

void Grid::deleteRowEx(int row)
{
    if (row < fixedRows_ || row >= rowCount_)
        return;
    for (int r = row; r < rowCount_ - 1; ++r) {
        clearRow(r);
        auto it = cells_.lower_bound({r + 1, 0});
        std::vector<std::pair<int, std::string>> moved;
        for (; it != cells_.end() && it->first.first == r + 1; ++it)
            moved.emplace_back(it->first.second, it->second);
        for (auto& [col, text] : moved)
            cells_[{r, col}] = std::move(text);
    }
    clearRow(rowCount_ - 1);
    setRowCount(rowCount_ - 1);
}

void Grid::setCurrent(int col, int row)
{
    currentCol_ = col;
    currentRow_ = row;
    clampCurrent();
}

void Grid::clampCurrent()
{
    currentCol_ = std::clamp(currentCol_, 0, colCount_ - 1);
    currentRow_ = std::clamp(currentRow_, 0, rowCount_ - 1);
}

bool Grid::contains(int col, int row) const
{
    return col >= 0 && row >= 0 && col < colCount_ && row < rowCount_;
}

bool Grid::cellEditable(int col, int row) const
{
    return editing && contains(col, row) && !isFixed(col, row) && !column(col).readOnly;
}

std::string Grid::hint(int col, int row, const std::function<int(const std::string&)>& textWidth) const
{
    if (!hintsEnabled || !contains(col, row))
        return {};
    const std::string shown = shownText(col, row);
    std::string text = shown;
    if (onGetHintText)
        onGetHintText(col, row, text);
    if (text != shown)
        return text;
    if (text.empty())
        return {};
    return textWidth(text) >= column(col).width - 4 ? text : std::string();
}

CellStyle Grid::cellStyle(int col, int row) const
{
    CellStyle style;
    style.heading = isFixed(col, row);
    if (style.heading && row < fixedRows_ && contains(col, row))
        style.background = column(col).titleColour;
    if (onGetCellParams)
        onGetCellParams(col, row, style);
    return style;
}

char32_t Grid::editorKey(char32_t key)
{
    if (!cellEditable(currentCol_, currentRow_))
        return kKeyNone;
    if (key == kKeyEnter && nextRowAfterReturn && currentRow_ < rowCount_ - 1)
        ++currentRow_;
    if (onEditorKeyPress)
        onEditorKeyPress(key);
    return key;
}

} // namespace bulbicalc

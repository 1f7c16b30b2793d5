#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace bulbicalc {

// One text written into one cell of the first worksheet ("B2", "AA35").
struct CellWrite {
    std::string cell;
    std::string text;
};

// The column letters of a column number from 0: A, B, ..., Z, AA, AB, ...,
// for every int up to the largest (FXSHRXX); std::invalid_argument for a
// number below zero.
std::string columnLetters(int column);

// A copy of the workbook `templateBytes` (an .xlsx file) with the texts
// written into the cells of its first worksheet, in order (a later write to
// the same cell wins). A text goes in as an inline string and an empty text
// leaves the cell empty; a cell that exists keeps its style, a new one takes
// the style of its row, or else of its column. The sheet's dimension follows;
// when a formula is overwritten the calculation chain is dropped. Every other
// part of the workbook is copied unchanged. Throws FileError "Invalid file
// format" when the bytes are no workbook: no zip archive, a part missing,
// damaged (its CRC does not match) or above 64 MB, or XML that does not read.
std::string filledWorkbook(std::string_view templateBytes, const std::vector<CellWrite>& writes);

} // namespace bulbicalc

#pragma once

#include "core/reports/workbook_filler.h"

#include <vector>

namespace bulbicalc {

class WindowState;

// The spreadsheet report: the template Auxiliares/ModeloRelatorio.xlsx,
// filled in a copy. The template itself is never written.
inline constexpr const char* kSpreadsheetTemplateName = "ModeloRelatorio.xlsx";

// What the report writes into the first worksheet, in order: the fixed cells
// from B2 to F32, the recommendation by nutrient column by column in rows 35
// to 39 (a column per parcela, on past J when there are more than nine), the
// summary per parcela from row 40, the summary of all fertilisers three rows
// below it (with the prices hidden, its total kilograms in D and E and F
// empty), and three rows below that "Observações:" and the lines of the
// recommendations text. Every text is the one the window shows.
std::vector<CellWrite> spreadsheetCells(const WindowState& window);

// "Relatório *.&xls": fills a copy of the template in a new temporary folder,
// under the template's name, and opens it with the desktop's spreadsheet
// application. A missing or damaged template shows the error and opens
// nothing.
void BitBtn108Click(WindowState& window);

} // namespace bulbicalc

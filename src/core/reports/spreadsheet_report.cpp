#include "core/reports/spreadsheet_report.h"

#include "core/app/errors.h"
#include "core/app/window_state.h"
#include "core/doses/doses_controls.h"
#include "core/liming/liming_controls.h"
#include "core/planning/planning_controls.h"
#include "core/reports/file_access.h"
#include "core/reports/recommendations_text.h"
#include "core/soil/soil_controls.h"

#include <string>
#include <string_view>
#include <system_error>
#include <utility>

namespace bulbicalc {

using namespace soil;
using namespace liming;

namespace {

constexpr int kRecommendationFirstRow = 35;
constexpr int kRecommendationRows = 5; // the title row, N, P2O5, K2O, S
constexpr int kParcelaSummaryFirstRow = 40;
// Three rows stay untouched after each summary.
constexpr int kGap = 3;

std::string cell(int column, int row)
{
    return columnLetters(column) + std::to_string(row);
}

std::string systemText(const WindowState& window)
{
    if (window.isChecked(RadioButton11))
        return "Sistema de Semeadura Direta";
    if (window.isChecked(RadioButton20))
        return "Sistema de Plantio Direto Consolidado";
    if (window.isChecked(RadioButton10))
        return "Sistema de transplante";
    return {};
}

} // namespace

std::vector<CellWrite> spreadsheetCells(const WindowState& window)
{
    std::vector<CellWrite> cells;
    auto field = [&](const char* address, std::string_view control) {
        cells.push_back({address, window.text(control)});
    };
    field("B2", EdNomeProdutor);
    field("I2", mkEdCPF);
    field("B3", EdLocal);
    field("B4", CBMuni);
    field("I4", CbUF);
    field("B5", EdMatricula);
    field("H7", EdLaudo);
    field("B8", EdArgila);
    field("E8", EdClasseArgila);
    field("B9", EdPH);
    field("B10", EdSMP);
    field("B11", EdP);
    field("B12", EdK);
    field("B13", EdMO);
    field("B14", EdAL);
    field("B15", EdCa);
    field("B16", EdMg);
    field("B17", EdHAl);
    field("B18", EdCTC);
    field("B19", EdSatBases);
    field("B20", EdS);
    field("B21", EdMn);
    field("B22", EdZn);
    field("B23", EdCu);
    field("B24", EdB);
    field("B25", EdFe);
    field("H11", Edit13);
    field("H12", Edit32);
    field("H13", planning::Edit44);
    field("H16", Edit42);
    field("H17", Edit43);
    field("H18", Edit14);
    field("H19", Edit46);
    field("H20", Edit47);
    cells.push_back({"C27", systemText(window)});
    field("B28", EdArea);
    field("B29", EdProducao);
    field("B31", Edit10);
    field("F31", Edit11);
    field("B32", Edit12);
    field("F32", Edit26);

    // The recommendation as the workbench shows it, its title row included.
    const Grid& recommendation = window.grid(doses::rstgaRecomenda);
    for (int col = 0; col < recommendation.colCount(); ++col)
        for (int row = 0; row < kRecommendationRows; ++row)
            cells.push_back({cell(col, kRecommendationFirstRow + row), recommendation.shownText(col, row)});

    const Grid& perParcela = window.grid(planning::RstgaResumoParcela);
    const int r = perParcela.rowCount();
    for (int row = 0; row < r; ++row)
        for (int col = 0; col < 4; ++col)
            cells.push_back({cell(col, kParcelaSummaryFirstRow + row), perParcela.cell(col, row)});

    const Grid& total = window.grid(planning::rstgaResumoTotal);
    const int t = total.rowCount();
    const int totalFirstRow = kParcelaSummaryFirstRow + r + kGap;
    const bool prices = window.isChecked(planning::RadioButton23);
    for (int row = 0; row < t; ++row) {
        const int sheetRow = totalFirstRow + row;
        for (int col = 0; col < 3; ++col)
            cells.push_back({cell(col, sheetRow), total.cell(col, row)});
        if (prices) {
            for (int col = 3; col < 6; ++col)
                cells.push_back({cell(col, sheetRow), total.cell(col, row)});
        } else {
            cells.push_back({cell(3, sheetRow), total.cell(4, row)});
            cells.push_back({cell(4, sheetRow), ""});
            cells.push_back({cell(5, sheetRow), ""});
        }
    }

    const int observations = totalFirstRow + t + kGap;
    cells.push_back({cell(0, observations), "Observações:"});
    const auto& lines = recommendationLines(window);
    for (std::size_t i = 0; i < lines.size(); ++i)
        cells.push_back({cell(0, observations + 1 + static_cast<int>(i)), lines[i]});
    return cells;
}

void BitBtn108Click(WindowState& window)
{
    const auto cells = spreadsheetCells(window);
    const std::string workbook =
        filledWorkbook(readFileBytes(window.auxiliaresDir() / kSpreadsheetTemplateName), cells);
    const auto folder = createTemporaryFolder("bulbicalc-relatorio-");
    const auto path = folder / kSpreadsheetTemplateName;
    try {
        replaceFile(path, workbook);
    } catch (const Error&) {
        std::error_code error;
        std::filesystem::remove_all(folder, error);
        throw;
    }
    window.platform().openDocument(path);
}

} // namespace bulbicalc

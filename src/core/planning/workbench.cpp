#include "core/planning/workbench.h"

#include "core/app/errors.h"
#include "core/app/number_text.h"
#include "core/app/window_state.h"
#include "core/doses/doses_controls.h"
#include "core/planning/closure.h"
#include "core/planning/fertiliser_grid.h"
#include "core/planning/optimisation.h"
#include "core/planning/planning_controls.h"
#include "core/soil/soil_controls.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace bulbicalc {

using namespace planning;

namespace {

using Row = std::vector<std::string>;

// Applied N, P2O5, K2O and S, kg/ha, in the order of kNutrients.
using NutrientSums = std::array<double, 4>;

// Applied and difference columns of parcela p after the rows worked so far.
// The difference is taken from the texts, so it counts the applied amounts
// as rounded to one decimal.
void writeParcela(WindowState& window, int parcela, const NutrientSums& applied)
{
    Grid& aplica = window.grid(rstgaAplica);
    for (std::size_t i = 0; i < applied.size(); ++i)
        aplica.setCell(parcela, static_cast<int>(kNutrients[i]),
                       applied[i] == 0 ? "0" : formatNumber(applied[i], "0.0"));
    const Grid& recomenda = window.grid(doses::rstgaRecomenda);
    Grid& falta = window.grid(doses::RstgaFalta);
    for (Nutrient nutrient : kNutrients) {
        const int row = static_cast<int>(nutrient);
        const double appliedShown = parseNumber(aplica.cell(parcela, row));
        const std::string& recommended = recomenda.cell(parcela, row);
        const double difference =
            recommended.empty() ? -appliedShown : parseNumber(recommended) - appliedShown;
        falta.setCell(parcela, row, formatNumber(difference, "0.0"));
    }
}

// The rows of a summary below its heading row; a summary without rows keeps
// its heading row alone.
void writeSummary(Grid& summary, const Row& headings, const std::vector<Row>& rows)
{
    summary.setRowCount(static_cast<int>(rows.size()) + 1);
    for (std::size_t col = 0; col < headings.size(); ++col)
        summary.setCell(static_cast<int>(col), 0, headings[col]);
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t col = 0; col < rows[r].size(); ++col)
            summary.setCell(static_cast<int>(col), static_cast<int>(r) + 1, rows[r][col]);
}

// The quantity of a cell: nullopt for an empty cell.
std::optional<double> quantity(const Grid& fertilisers, int col, int row)
{
    const std::string& text = fertilisers.cell(col, row);
    if (text.empty())
        return std::nullopt;
    return parseNumber(text);
}

void emptyParcela(Grid& fertilisers, int coluna)
{
    for (int row = 1; row <= fertiliserRows(fertilisers); ++row)
        fertilisers.setCell(coluna, row, "");
}

void showPrices(WindowState& window, bool shown)
{
    window.grid(rStgaMeusAdubos).column(fertiliser_column::kPrice).width = shown ? 50 : 1;
    Grid& total = window.grid(rstgaResumoTotal);
    total.column(3).width = shown ? 90 : 1;
    total.column(5).width = shown ? 90 : 1;
    for (std::string_view name : {Edit44, Edit45, LabelCustoHa, LabelCustoArea})
        window.control(name).visible = shown;
}

// Hints by column: column 0 has its own, every parcela column the prefix
// followed by the parcela's number.
void setNutrientHints(Grid& grid, std::string prefix)
{
    grid.onGetHintText = [prefix = std::move(prefix)](int col, int /*row*/, std::string& hint) {
        hint = col == 0 ? std::string("Nutriente") : prefix + std::to_string(col);
    };
}

} // namespace

void CalculaQUanti(WindowState& window, int coluna)
{
    const Grid& fertilisers = window.grid(rStgaMeusAdubos);
    const int parcela = parcelaOfColumn(coluna);
    NutrientSums applied{};
    // A closure code resolved on the way recalculates the parcela itself, and
    // the row count is read anew each time round.
    for (int row = 1; row <= fertiliserRows(fertilisers); ++row) {
        if (!fertilisers.cell(coluna, row).empty())
            resolveClosureCode(window, coluna, row);
        if (const auto q = quantity(fertilisers, coluna, row)) {
            NutrientSums contents{};
            for (std::size_t i = 0; i < contents.size(); ++i)
                contents[i] = parseNumber(fertilisers.cell(contentColumn(kNutrients[i]), row));
            for (std::size_t i = 0; i < contents.size(); ++i)
                applied[i] += *q * contents[i] / 100;
        }
        writeParcela(window, parcela, applied);
    }
    rebuildSummaries(window);
}

void rebuildSummaries(WindowState& window)
{
    const double area = window.number(soil::EdArea);
    const Grid& fertilisers = window.grid(rStgaMeusAdubos);
    const int parcelas = parcelaColumns(fertilisers);
    const int rows = fertiliserRows(fertilisers);

    std::vector<Row> perParcela;
    for (int p = 1; p <= parcelas; ++p) {
        for (int row = 1; row <= rows; ++row) {
            const auto q = quantity(fertilisers, parcelaColumn(p), row);
            if (q && *q > 0)
                perParcela.push_back({std::to_string(p), fertilisers.cell(fertiliser_column::kName, row),
                                      formatNumber(*q, "0.0"), formatNumber(*q * area, "0.0")});
        }
    }

    std::vector<Row> perFertiliser;
    double costPerHectare = 0;
    double costOfArea = 0;
    for (int row = 1; row <= rows; ++row) {
        double total = 0;
        for (int p = 1; p <= parcelas; ++p)
            total += quantity(fertilisers, parcelaColumn(p), row).value_or(0);
        if (total <= 0)
            continue;
        const double price = parseNumber(fertilisers.cell(fertiliser_column::kPrice, row));
        Row r = {std::to_string(perFertiliser.size() + 1),
                 fertilisers.cell(fertiliser_column::kName, row),
                 formatNumber(total, "0.0"),
                 formatNumber(total * price, "0.00"),
                 formatNumber(total * area, "0.0"),
                 formatNumber(total * area * price, "0.00")};
        // The costs add up the texts shown, cent by cent.
        costPerHectare += parseNumber(r[3]);
        costOfArea += parseNumber(r[5]);
        perFertiliser.push_back(std::move(r));
    }

    writeSummary(window.grid(RstgaResumoParcela), {"Parcela", "Adubo", "kg/ha", "Total (kg)"}, perParcela);
    writeSummary(window.grid(rstgaResumoTotal),
                 {"Item", "Adubo", "kg/ha", "R$/ha", "Total (kg)", "Total (R$)"}, perFertiliser);
    const bool any = !perFertiliser.empty();
    window.setText(Edit44, any ? formatNumber(costPerHectare, "0.00") : std::string());
    window.setText(Edit45, any ? formatNumber(costOfArea, "0.00") : std::string());
}

void BitBtn97Click(WindowState& window)
{
    const int parcela = parseInteger(window.text(Edit31));
    Grid& fertilisers = window.grid(rStgaMeusAdubos);
    const int coluna = parcelaColumn(parcela);
    if (parcela < 1 || coluna >= fertilisers.colCount()) {
        rebuildSummaries(window);
        return;
    }
    emptyParcela(fertilisers, coluna);
    forgetOptimisation(window);
    CalculaQUanti(window, coluna);
}

void BitBtn111Click(WindowState& window)
{
    Grid& fertilisers = window.grid(rStgaMeusAdubos);
    forgetOptimisation(window);
    for (int p = 1; p <= parcelaColumns(fertilisers); ++p) {
        emptyParcela(fertilisers, parcelaColumn(p));
        CalculaQUanti(window, parcelaColumn(p));
    }
}

void RadioButton23Click(WindowState& window)
{
    showPrices(window, true);
}

void RadioButton24Click(WindowState& window)
{
    showPrices(window, false);
}

void installWorkbenchGridEvents(WindowState& window)
{
    Grid& fertilisers = window.grid(rStgaMeusAdubos);
    fertilisers.onGetHintText = [](int col, int /*row*/, std::string& hint) {
        static const char* const kFixed[] = {"adubo selecionado",      "Percentual de N (%)",
                                             "Percentual de P205 (%)", "Percentual de K20 (%)",
                                             "Percentual de S (%)",    "Custo do adubo R$/kg)"};
        if (col < fertiliser_column::kFirstParcela)
            hint = kFixed[col];
        else
            hint = "Quantidade aplicada na parcela " + std::to_string(parcelaOfColumn(col));
    };
    // Enter recalculates the parcela of the current column and goes no
    // further. In the name, content and price columns it only stores the
    // cell: a recalculation there would write over the nutrient labels.
    WindowState* state = &window; // the grids live as long as the window
    const Grid* grid = &fertilisers;
    fertilisers.onEditorKeyPress = [state, grid](char32_t& key) {
        if (key != kKeyEnter)
            return;
        key = kKeyNone;
        if (grid->currentCol() >= fertiliser_column::kFirstParcela)
            CalculaQUanti(*state, grid->currentCol());
    };

    setNutrientHints(window.grid(doses::rstgaRecomenda), "Dose recomendada na parcela ");
    setNutrientHints(window.grid(rstgaAplica), "Dose aplicada na parcela ");
    setNutrientHints(window.grid(doses::RstgaFalta), "Dose faltante (cor vermelha) ou em excesso(cor azul) ");

    window.grid(RstgaResumoParcela).onGetHintText = [](int col, int /*row*/, std::string& hint) {
        static const char* const kHints[] = {"Parcela", "Adubo recomendado", "Quantidade por ha (kg)",
                                             "Quantidade na área total (kg)"};
        if (col >= 0 && col < 4)
            hint = kHints[col];
    };

    // What is still missing is red, what is in excess blue. A text that is
    // not a number keeps the normal colour.
    const Grid* falta = &window.grid(doses::RstgaFalta);
    window.grid(doses::RstgaFalta).onGetCellParams = [falta](int col, int row, CellStyle& style) {
        if (col < 1 || row < 1)
            return;
        const std::string& text = falta->cell(col, row);
        if (text.empty())
            return;
        double value = 0;
        try {
            value = parseNumber(text);
        } catch (const ConversionError&) {
            return;
        }
        if (value > 0)
            style.font = colours::kRed;
        else if (value < 0)
            style.font = colours::kBlue;
    };
}

} // namespace bulbicalc

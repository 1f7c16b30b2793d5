#include "core/planning/optimisation.h"

#include "core/app/errors.h"
#include "core/app/number_text.h"
#include "core/app/window_state.h"
#include "core/doses/doses_controls.h"
#include "core/planning/catalogue.h"
#include "core/planning/fertiliser_grid.h"
#include "core/planning/least_cost.h"
#include "core/planning/planning_controls.h"
#include "core/planning/selection.h"
#include "core/planning/workbench.h"
#include "core/soil/soil_controls.h"

#include <algorithm>
#include <array>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace bulbicalc {

using namespace planning;

namespace {

constexpr const char* kNutrientNames[] = {"N", "P2O5", "K2O", "S"};
constexpr double kBagKg = 50;
constexpr double kTenthOfTonneKg = 100;
// Below this a nutrient's marginal cost counts as none: its requirement does
// not bind the cost.
constexpr double kBinding = 1e-9;

// The explanation of each optimised quantity cell, valid while the cell
// still holds the quantity it explains.
struct OptimisedCells {
    struct Explained {
        std::string quantity;
        std::string hint;
    };
    std::map<std::pair<int, int>, Explained> byCell; // (column, row)
};

std::string money(double value)
{
    return "R$ " + formatNumber(value, "0.00");
}

// The list "N", "N e K2O", "N, P2O5 e K2O".
std::string joined(const std::vector<std::string>& parts)
{
    std::string out;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0)
            out += i + 1 == parts.size() ? " e " : ", ";
        out += parts[i];
    }
    return out;
}

// The fertilisers as the grid shows them. A content or price that is not a
// number raises the conversion error here, before anything is written.
std::vector<MixCandidate> readCandidates(WindowState& window)
{
    const Grid& fertilisers = window.grid(rStgaMeusAdubos);
    const std::vector<bool>& organic = window.subsystemData<CatalogueOrigins>().organic;
    std::vector<MixCandidate> candidates;
    for (int row = 1; row <= fertiliserRows(fertilisers); ++row) {
        MixCandidate c;
        for (std::size_t j = 0; j < kMixNutrients; ++j)
            c.contents[j] = parseNumber(fertilisers.cell(contentColumn(kNutrients[j]), row));
        c.price = parseNumber(fertilisers.cell(fertiliser_column::kPrice, row));
        const auto catalogueRow = catalogueRowOf(window, row);
        const bool fromOrganicFile = catalogueRow &&
                                     static_cast<std::size_t>(*catalogueRow) <= organic.size() &&
                                     organic[static_cast<std::size_t>(*catalogueRow - 1)];
        c.unitKg = fromOrganicFile ? kTenthOfTonneKg : kBagKg;
        candidates.push_back(c);
    }
    return candidates;
}

NutrientAmounts requirementsOf(const WindowState& window, int parcela)
{
    const Grid& recommendation = window.grid(doses::rstgaRecomenda);
    NutrientAmounts requirements{};
    for (std::size_t j = 0; j < kMixNutrients; ++j) {
        const std::string& text = recommendation.cell(parcela, static_cast<int>(kNutrients[j]));
        requirements[j] = text.empty() ? 0 : parseNumber(text);
    }
    return requirements;
}

// The nutrients whose requirement sets the cost of the mix.
std::vector<std::size_t> bindingNutrients(const MixResult& result)
{
    std::vector<std::size_t> binding;
    for (std::size_t j = 0; j < kMixNutrients; ++j)
        if (result.marginalCost[j] > kBinding)
            binding.push_back(j);
    return binding;
}

// A fertiliser's name for a sentence: catalogue names keep the blanks before
// them, a sentence does not.
std::string nameOf(const WindowState& window, int row)
{
    std::string name = window.grid(rStgaMeusAdubos).cell(fertiliser_column::kName, row);
    name.erase(0, name.find_first_not_of(' '));
    return name;
}

std::string whyThere(const std::string& name, const MixCandidate& c, const MixResult& result)
{
    std::vector<std::string> nutrients;
    std::vector<std::string> costs;
    for (std::size_t j : bindingNutrients(result)) {
        if (c.contents[j] <= 0)
            continue;
        nutrients.push_back(kNutrientNames[j]);
        costs.push_back(money(result.marginalCost[j]) + " por kg de " + kNutrientNames[j]);
    }
    if (nutrients.empty())
        return name + ": parte da mistura de menor custo que atende a recomendação da parcela";
    return name + ": fornece " + joined(nutrients) +
           (nutrients.size() == 1 ? ", que define" : ", que definem") + " o custo da parcela (" +
           joined(costs) + ")";
}

struct Solved {
    int parcela;
    NutrientAmounts requirements;
    MixResult result;
};

// Writes a parcela's mix into its column, explains each quantity and
// recalculates the parcela as Enter does.
void writeMix(WindowState& window, const std::vector<MixCandidate>& candidates, const Solved& solved)
{
    Grid& fertilisers = window.grid(rStgaMeusAdubos);
    OptimisedCells& explained = window.subsystemData<OptimisedCells>();
    const int column = parcelaColumn(solved.parcela);
    const std::vector<double> written =
        writtenQuantities(candidates, solved.result.quantities, solved.requirements);
    for (int row = 1; row <= fertiliserRows(fertilisers); ++row) {
        const auto i = static_cast<std::size_t>(row - 1);
        const double quantity = written[i];
        explained.byCell.erase({column, row});
        if (quantity <= 0) {
            fertilisers.setCell(column, row, "");
            continue;
        }
        const std::string text = formatNumber(quantity, "0.0");
        fertilisers.setCell(column, row, text);
        explained.byCell[{column, row}] = {text, whyThere(nameOf(window, row), candidates[i], solved.result)};
    }
    CalculaQUanti(window, column);
}

// The cost per hectare of what stands in a parcela's column now.
double costOfColumn(const Grid& fertilisers, const std::vector<MixCandidate>& candidates, int column)
{
    double cost = 0;
    for (int row = 1; row <= fertiliserRows(fertilisers); ++row) {
        const std::string& text = fertilisers.cell(column, row);
        if (!text.empty())
            cost += parseNumber(text) * candidates[static_cast<std::size_t>(row - 1)].price;
    }
    return cost;
}

std::string summaryLine(const std::vector<int>& parcelas, double cost,
                        const std::vector<std::string>& binding)
{
    std::string line;
    if (parcelas.size() == 1) {
        line = "Parcela " + std::to_string(parcelas.front());
    } else {
        std::vector<std::string> numbers;
        for (int p : parcelas)
            numbers.push_back(std::to_string(p));
        line = "Parcelas " + joined(numbers);
    }
    line += ": " + money(cost) + " por ha";
    if (!binding.empty())
        line += "; o custo é definido por " + joined(binding);
    return line;
}

void optimise(WindowState& window, const std::vector<int>& parcelas)
{
    const bool wholeUnits = window.isChecked(CkSacosInteiros);
    const double area = wholeUnits ? window.number(soil::EdArea) : 1.0;
    const std::vector<MixCandidate> candidates = readCandidates(window);
    std::vector<std::pair<int, NutrientAmounts>> requests;
    for (int p : parcelas)
        requests.emplace_back(p, requirementsOf(window, p));
    if (wholeUnits && !(area > 0)) {
        window.platform().showMessage("A área deve ser maior que zero para arredondar em sacos inteiros");
        return;
    }

    // Every parcela is solved before any is written: a message for one
    // leaves the others to be written whole.
    std::vector<Solved> solved;
    for (const auto& [parcela, requirements] : requests) {
        MixRequest request;
        request.candidates = candidates;
        request.requirements = requirements;
        request.wholeUnits = wholeUnits;
        request.area = area;
        MixResult result = leastCostMix(request);
        const std::string where = " para a parcela " + std::to_string(parcela);
        switch (result.status) {
        case MixStatus::Optimal:
            solved.push_back({parcela, requirements, std::move(result)});
            break;
        case MixStatus::NutrientUnavailable:
            window.platform().showMessage(std::string("Nenhum adubo selecionado fornece ") +
                                          kNutrientNames[result.nutrient] + where);
            break;
        case MixStatus::InvalidCandidate:
            window.platform().showMessage("O adubo " +
                                          nameOf(window, static_cast<int>(result.candidate) + 1) +
                                          " tem teor ou preço negativo: a formulação de menor custo não foi "
                                          "calculada" +
                                          where);
            break;
        case MixStatus::SolverFailed:
            window.platform().showMessage("Não foi possível calcular a formulação de menor custo" + where +
                                          "; as quantidades da parcela não foram alteradas");
            break;
        }
    }

    std::vector<int> written;
    std::array<bool, kMixNutrients> binds{};
    double cost = 0;
    for (const Solved& s : solved) {
        writeMix(window, candidates, s);
        // A parcela with nothing recommended is emptied, and not worth a word.
        if (std::none_of(s.requirements.begin(), s.requirements.end(), [](double r) { return r > 0; }))
            continue;
        written.push_back(s.parcela);
        cost += costOfColumn(window.grid(rStgaMeusAdubos), candidates, parcelaColumn(s.parcela));
        for (std::size_t j : bindingNutrients(s.result))
            binds[j] = true;
    }
    std::vector<std::string> binding;
    for (std::size_t j = 0; j < kMixNutrients; ++j)
        if (binds[j])
            binding.push_back(kNutrientNames[j]);
    if (!solved.empty())
        window.setText(LabelOtimizacao,
                       written.empty() ? std::string() : summaryLine(written, cost, binding));
}

} // namespace

void BtOtimizarParcelaClick(WindowState& window)
{
    const int parcela = parseInteger(window.text(Edit31));
    const Grid& fertilisers = window.grid(rStgaMeusAdubos);
    if (parcela < 1 || parcela > parcelaColumns(fertilisers))
        return;
    optimise(window, {parcela});
}

void BtOtimizarTodasClick(WindowState& window)
{
    std::vector<int> parcelas;
    for (int p = 1; p <= parcelaColumns(window.grid(rStgaMeusAdubos)); ++p)
        parcelas.push_back(p);
    optimise(window, parcelas);
}

void forgetOptimisation(WindowState& window)
{
    window.subsystemData<OptimisedCells>().byCell.clear();
    window.setText(LabelOtimizacao, "");
}

void installOptimisationHints(WindowState& window)
{
    Grid& fertilisers = window.grid(rStgaMeusAdubos);
    auto byColumn = fertilisers.onGetHintText;
    WindowState* state = &window; // the grids live as long as the window
    fertilisers.onGetHintText = [state, byColumn](int col, int row, std::string& hint) {
        const OptimisedCells& explained = state->subsystemData<OptimisedCells>();
        const auto it = explained.byCell.find({col, row});
        if (it != explained.byCell.end() &&
            state->grid(rStgaMeusAdubos).cell(col, row) == it->second.quantity) {
            hint = it->second.hint;
            return;
        }
        if (byColumn)
            byColumn(col, row, hint);
    };
}

} // namespace bulbicalc

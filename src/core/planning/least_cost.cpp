#include "core/planning/least_cost.h"

#include <glpk.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace bulbicalc {
namespace {

constexpr double kNoRequirement = 0;

bool required(const MixRequest& request, std::size_t nutrient)
{
    return request.requirements[nutrient] > kNoRequirement;
}

bool validCandidate(const MixCandidate& c)
{
    if (!std::isfinite(c.price) || c.price < 0 || !std::isfinite(c.unitKg) || c.unitKg <= 0)
        return false;
    return std::all_of(c.contents.begin(), c.contents.end(),
                       [](double content) { return std::isfinite(content) && content >= 0; });
}

// The largest quantity an optimal mix can hold of a candidate: enough to meet,
// alone, every requirement it contributes to. More would leave every
// nutrient it supplies in excess, so one unit less would be no dearer and
// give less excess. A candidate that supplies no required nutrient is never
// needed.
double largestUseful(const MixRequest& request, const MixCandidate& c)
{
    double most = 0;
    for (std::size_t j = 0; j < kMixNutrients; ++j)
        if (required(request, j) && c.contents[j] > 0)
            most = std::max(most, request.requirements[j] / (c.contents[j] / 100));
    return most;
}

struct ProblemDeleter {
    void operator()(glp_prob* problem) const { glp_delete_prob(problem); }
};
using Problem = std::unique_ptr<glp_prob, ProblemDeleter>;

// The programme over the candidates: one column per candidate (kg/ha, or
// whole units), one row per required nutrient. Returns the scale from a
// column's value to kg/ha.
struct Model {
    Problem problem{glp_create_prob()};
    std::vector<double> scale;     // kg/ha per unit of the column
    std::vector<int> nutrientRows; // row of each nutrient, 0 for none
};

Model buildModel(const MixRequest& request)
{
    Model m;
    glp_prob* p = m.problem.get();
    glp_set_obj_dir(p, GLP_MIN);
    const auto n = request.candidates.size();
    m.nutrientRows.assign(kMixNutrients, 0);
    for (std::size_t j = 0; j < kMixNutrients; ++j) {
        if (!required(request, j))
            continue;
        const int row = glp_add_rows(p, 1);
        glp_set_row_bnds(p, row, GLP_LO, request.requirements[j], 0);
        m.nutrientRows[j] = row;
    }
    glp_add_cols(p, static_cast<int>(n));
    std::vector<int> rows{0};
    std::vector<int> cols{0};
    std::vector<double> values{0};
    for (std::size_t i = 0; i < n; ++i) {
        const MixCandidate& c = request.candidates[i];
        const int col = static_cast<int>(i) + 1;
        const double scale = request.wholeUnits ? c.unitKg / request.area : 1.0;
        m.scale.push_back(scale);
        const double most = largestUseful(request, c) / scale;
        if (request.wholeUnits) {
            glp_set_col_kind(p, col, GLP_IV);
            const double units = std::ceil(most - 1e-9);
            if (units > 0)
                glp_set_col_bnds(p, col, GLP_DB, 0, units);
            else
                glp_set_col_bnds(p, col, GLP_FX, 0, 0);
        } else if (most > 0) {
            glp_set_col_bnds(p, col, GLP_DB, 0, most);
        } else {
            glp_set_col_bnds(p, col, GLP_FX, 0, 0);
        }
        for (std::size_t j = 0; j < kMixNutrients; ++j) {
            if (m.nutrientRows[j] == 0 || c.contents[j] == 0)
                continue;
            rows.push_back(m.nutrientRows[j]);
            cols.push_back(col);
            values.push_back(c.contents[j] / 100 * scale);
        }
    }
    if (values.size() > 1)
        glp_load_matrix(p, static_cast<int>(values.size()) - 1, rows.data(), cols.data(), values.data());
    return m;
}

// Solves the model as it stands; false on any failure of the solver.
bool solve(glp_prob* p, const MixRequest& request, bool integer)
{
    glp_smcp simplex;
    glp_init_smcp(&simplex);
    simplex.msg_lev = GLP_MSG_OFF;
    simplex.presolve = GLP_OFF;
    simplex.tm_lim = request.timeLimitMs;
    if (glp_simplex(p, &simplex) != 0 || glp_get_status(p) != GLP_OPT)
        return false;
    if (!integer)
        return true;
    glp_iocp branching;
    glp_init_iocp(&branching);
    branching.msg_lev = GLP_MSG_OFF;
    branching.tm_lim = request.timeLimitMs;
    return glp_intopt(p, &branching) == 0 && glp_mip_status(p) == GLP_OPT;
}

double objectiveValue(glp_prob* p, bool integer)
{
    return integer ? glp_mip_obj_val(p) : glp_get_obj_val(p);
}

double columnValue(glp_prob* p, int col, bool integer)
{
    return integer ? glp_mip_col_val(p, col) : glp_get_col_prim(p, col);
}

} // namespace

MixResult leastCostMix(const MixRequest& request)
{
    MixResult result;
    for (std::size_t i = 0; i < request.candidates.size(); ++i) {
        if (!validCandidate(request.candidates[i])) {
            result.status = MixStatus::InvalidCandidate;
            result.candidate = i;
            return result;
        }
    }
    for (std::size_t j = 0; j < kMixNutrients; ++j) {
        const bool supplied = std::any_of(request.candidates.begin(), request.candidates.end(),
                                          [j](const MixCandidate& c) { return c.contents[j] > 0; });
        if (required(request, j) && !supplied) {
            result.status = MixStatus::NutrientUnavailable;
            result.nutrient = j;
            return result;
        }
    }
    if (request.wholeUnits && !(request.area > 0 && std::isfinite(request.area)))
        return result;
    if (std::none_of(request.requirements.begin(), request.requirements.end(),
                     [](double r) { return r > 0; })) {
        result.status = MixStatus::Optimal;
        result.quantities.assign(request.candidates.size(), 0.0);
        return result;
    }

    glp_term_out(GLP_OFF);
    Model model = buildModel(request);
    glp_prob* p = model.problem.get();
    const int n = static_cast<int>(request.candidates.size());
    const bool priced = std::any_of(request.candidates.begin(), request.candidates.end(),
                                    [](const MixCandidate& c) { return c.price > 0; });

    // First the cost (or, with every price 0, the mass of product).
    for (int col = 1; col <= n; ++col) {
        const MixCandidate& c = request.candidates[static_cast<std::size_t>(col - 1)];
        glp_set_obj_coef(p, col, (priced ? c.price : 1.0) * model.scale[static_cast<std::size_t>(col - 1)]);
    }
    if (!solve(p, request, request.wholeUnits))
        return result;
    const double best = objectiveValue(p, request.wholeUnits);
    // The marginal costs are those of the continuous programme: with whole
    // units, of its relaxation in kg.
    if (priced && !request.wholeUnits) {
        for (std::size_t j = 0; j < kMixNutrients; ++j)
            if (model.nutrientRows[j] != 0)
                result.marginalCost[j] = std::max(0.0, glp_get_row_dual(p, model.nutrientRows[j]));
    } else if (priced) {
        MixRequest continuous = request;
        continuous.wholeUnits = false;
        result.marginalCost = leastCostMix(continuous).marginalCost;
    }

    // Then, at no more than that, the least supply of nutrient: the
    // requirements are fixed, so this is the least excess.
    const int costRow = glp_add_rows(p, 1);
    std::vector<int> cols{0};
    std::vector<double> values{0};
    for (int col = 1; col <= n; ++col) {
        const double coef = glp_get_obj_coef(p, col);
        if (coef == 0)
            continue;
        cols.push_back(col);
        values.push_back(coef);
    }
    glp_set_mat_row(p, costRow, static_cast<int>(values.size()) - 1, cols.data(), values.data());
    glp_set_row_bnds(p, costRow, GLP_UP, 0, best + 1e-9 * std::max(1.0, std::fabs(best)));
    for (int col = 1; col <= n; ++col) {
        const auto i = static_cast<std::size_t>(col - 1);
        const MixCandidate& c = request.candidates[i];
        double supply = 0;
        for (double content : c.contents)
            supply += content / 100;
        glp_set_obj_coef(p, col, supply * model.scale[i]);
    }
    if (!solve(p, request, request.wholeUnits))
        return result;

    result.quantities.resize(request.candidates.size());
    result.cost = 0;
    for (int col = 1; col <= n; ++col) {
        const auto i = static_cast<std::size_t>(col - 1);
        double value = columnValue(p, col, request.wholeUnits);
        if (request.wholeUnits)
            value = std::round(value);
        result.quantities[i] = std::max(0.0, value) * model.scale[i];
        result.cost += result.quantities[i] * request.candidates[i].price;
    }
    result.status = MixStatus::Optimal;
    return result;
}

void releaseSolverThreadMemory()
{
    glp_free_env();
}

NutrientAmounts suppliedNutrients(const std::vector<MixCandidate>& candidates,
                                  const std::vector<double>& quantities)
{
    NutrientAmounts supplied{};
    for (std::size_t i = 0; i < candidates.size() && i < quantities.size(); ++i)
        for (std::size_t j = 0; j < kMixNutrients; ++j)
            supplied[j] += candidates[i].contents[j] / 100 * quantities[i];
    return supplied;
}

std::vector<double> writtenQuantities(const std::vector<MixCandidate>& candidates,
                                      const std::vector<double>& quantities,
                                      const NutrientAmounts& requirements)
{
    std::vector<double> written;
    for (double q : quantities)
        written.push_back(roundUpToTenth(q));
    const auto meets = [&](const std::vector<double>& mix) {
        const NutrientAmounts supplied = suppliedNutrients(candidates, mix);
        for (std::size_t j = 0; j < kMixNutrients; ++j)
            if (requirements[j] > 0 && supplied[j] < requirements[j])
                return false;
        return true;
    };
    for (std::size_t i = 0; i < written.size(); ++i) {
        if (quantities[i] <= 0 || quantities[i] >= 0.05)
            continue;
        std::vector<double> without = written;
        without[i] = 0;
        if (meets(without))
            written = std::move(without);
    }
    return written;
}

double roundUpToTenth(double quantity)
{
    const double tenths = quantity * 10;
    const double nearest = std::round(tenths);
    if (std::fabs(quantity - nearest / 10) <= 1e-6)
        return nearest / 10;
    return std::ceil(tenths) / 10;
}

} // namespace bulbicalc

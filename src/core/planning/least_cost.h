#pragma once

#include <array>
#include <cstddef>
#include <vector>

namespace bulbicalc {

// The least-cost formula of one parcela: the quantities of the offered
// fertilisers that meet every recommended nutrient at the least cost.
//
// Nutrients are indexed 0 to 3: N, P2O5, K2O, S. Quantities are kg of product
// per hectare. The model, solved as a linear programme (GLPK):
//   minimise  sum of price × quantity
//   subject to, for each nutrient with a positive requirement,
//             sum of content / 100 × quantity  >=  requirement,
//             quantity >= 0.
// Among mixes of equal cost it takes the one with the least total excess of
// nutrient (what is supplied beyond the requirements, a nutrient without a
// requirement counting whole). When every price is 0 the least mass of product
// takes the place of the cost. With whole units asked for, each quantity
// times the area is a whole number of the fertiliser's unit (a 50 kg bag, a
// tenth of a tonne), which makes it a mixed integer programme.
inline constexpr std::size_t kMixNutrients = 4;
using NutrientAmounts = std::array<double, kMixNutrients>;

struct MixCandidate {
    NutrientAmounts contents{}; // % of N, P2O5, K2O, S
    double price = 0;           // R$ per kg of product
    double unitKg = 50;         // the unit it is sold in, in kg
};

struct MixRequest {
    std::vector<MixCandidate> candidates;
    NutrientAmounts requirements{}; // kg/ha; 0 or less sets no requirement
    bool wholeUnits = false;
    double area = 1;        // ha; used for whole units only, must be positive then
    int timeLimitMs = 5000; // for each solve
};

enum class MixStatus {
    Optimal,
    NutrientUnavailable, // no candidate supplies a required nutrient
    InvalidCandidate,    // a content or price below zero, or not a finite number
    SolverFailed,        // time limit or numerical trouble: no mix
};

struct MixResult {
    MixStatus status = MixStatus::SolverFailed;
    std::vector<double> quantities; // kg/ha, one per candidate (Optimal only)
    double cost = 0;                // R$/ha of the mix
    std::size_t nutrient = 0;       // the nutrient no candidate supplies
    std::size_t candidate = 0;      // the invalid candidate
    // The cost of one more kg of each nutrient in the continuous programme, in
    // R$: positive for the nutrients whose requirement binds the cost.
    NutrientAmounts marginalCost{};
};

MixResult leastCostMix(const MixRequest& request);

// The solver keeps its working memory per thread: a thread that solved mixes
// releases it here before it ends.
void releaseSolverThreadMemory();

// What a mix supplies of each nutrient, in kg/ha.
NutrientAmounts suppliedNutrients(const std::vector<MixCandidate>& candidates,
                                  const std::vector<double>& quantities);

// The quantities as the workbench writes them: each rounded up to the tenth,
// so that no nutrient comes out short, and traces the solver leaves within its
// tolerances (less than half a tenth) dropped where the rest of the rounded
// mix still meets every requirement.
std::vector<double> writtenQuantities(const std::vector<MixCandidate>& candidates,
                                      const std::vector<double>& quantities,
                                      const NutrientAmounts& requirements);

// A quantity rounded up to the next tenth, so that a written quantity never
// supplies less than the one computed; a value within 1e-6 of a tenth is that
// tenth.
double roundUpToTenth(double quantity);

} // namespace bulbicalc

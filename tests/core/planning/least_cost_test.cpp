#include "core/planning/least_cost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

namespace bulbicalc {
namespace {

constexpr std::size_t N = 0, P = 1, K = 2, S = 3;

MixCandidate fertiliser(double n, double p, double k, double s, double price, double unitKg = 50)
{
    return MixCandidate{{n, p, k, s}, price, unitKg};
}

const MixCandidate kUrea = fertiliser(45, 0, 0, 0, 3.20);
const MixCandidate kTriple = fertiliser(0, 46, 0, 0, 3.50);
const MixCandidate kChloride = fertiliser(0, 0, 60, 0, 3.40);
const MixCandidate kAmmoniumSulphate = fertiliser(20, 0, 0, 24, 2.60);
const MixCandidate kGypsum = fertiliser(0, 0, 0, 15, 0.80);

MixResult solve(std::vector<MixCandidate> candidates, NutrientAmounts requirements, bool wholeUnits = false,
                double area = 1)
{
    MixRequest request;
    request.candidates = std::move(candidates);
    request.requirements = requirements;
    request.wholeUnits = wholeUnits;
    request.area = area;
    return leastCostMix(request);
}

void expectMeets(const std::vector<MixCandidate>& candidates, const std::vector<double>& quantities,
                 const NutrientAmounts& requirements, double tolerance = 1e-6)
{
    const NutrientAmounts supplied = suppliedNutrients(candidates, quantities);
    for (std::size_t j = 0; j < kMixNutrients; ++j) {
        if (requirements[j] > 0) {
            EXPECT_GE(supplied[j], requirements[j] - tolerance) << "nutrient " << j;
        }
    }
}

TEST(LeastCost, StraightFertilisersMeetEachNutrientExactly)
{
    const MixResult r = solve({kUrea, kTriple, kChloride}, {90, 46, 60, 0});
    ASSERT_EQ(r.status, MixStatus::Optimal);
    EXPECT_NEAR(r.quantities[0], 200, 1e-6);
    EXPECT_NEAR(r.quantities[1], 100, 1e-6);
    EXPECT_NEAR(r.quantities[2], 100, 1e-6);
    EXPECT_NEAR(r.cost, 1330, 1e-6);
    // One kg more of N costs a kg of N from urea.
    EXPECT_NEAR(r.marginalCost[N], 3.20 / 0.45, 1e-6);
    EXPECT_NEAR(r.marginalCost[K], 3.40 / 0.60, 1e-6);
    EXPECT_EQ(r.marginalCost[S], 0);
}

TEST(LeastCost, AFormulaBeatsTheStraightsOnlyWhenItIsCheapEnough)
{
    // 200 kg of 5-20-10 supply exactly 10-40-20. Bought straight, the same
    // nutrients cost 71,11 + 304,35 + 113,33 = 488,79 R$, or 2,444 R$ per kg of
    // formula.
    const MixCandidate cheap = fertiliser(5, 20, 10, 0, 2.00);
    const MixResult withCheap = solve({kUrea, kTriple, kChloride, cheap}, {10, 40, 20, 0});
    ASSERT_EQ(withCheap.status, MixStatus::Optimal);
    EXPECT_NEAR(withCheap.quantities[3], 200, 1e-6);
    EXPECT_NEAR(withCheap.cost, 400, 1e-6);

    const MixCandidate dear = fertiliser(5, 20, 10, 0, 3.00);
    const MixResult withDear = solve({kUrea, kTriple, kChloride, dear}, {10, 40, 20, 0});
    ASSERT_EQ(withDear.status, MixStatus::Optimal);
    EXPECT_NEAR(withDear.quantities[3], 0, 1e-6);
    EXPECT_NEAR(withDear.cost, 10 / 0.45 * 3.20 + 40 / 0.46 * 3.50 + 20 / 0.60 * 3.40, 1e-6);
}

TEST(LeastCost, SulphurComesFromGypsumAloneOrWithTheNitrogenOfAmmoniumSulphate)
{
    // S alone: gypsum at 0,80 R$ (5,33 R$ per kg of S) beats ammonium sulphate.
    const MixResult alone = solve({kUrea, kAmmoniumSulphate, kGypsum}, {0, 0, 0, 30});
    ASSERT_EQ(alone.status, MixStatus::Optimal);
    EXPECT_NEAR(alone.quantities[2], 200, 1e-6);
    EXPECT_NEAR(alone.cost, 160, 1e-6);
    // With 25 kg of N too, ammonium sulphate brings both: 125 kg for 325 R$,
    // where urea and gypsum would cost 177,78 + 160.
    const MixResult both = solve({kUrea, kAmmoniumSulphate, kGypsum}, {25, 0, 0, 30});
    ASSERT_EQ(both.status, MixStatus::Optimal);
    EXPECT_NEAR(both.quantities[1], 125, 1e-6);
    EXPECT_NEAR(both.quantities[0], 0, 1e-6);
    EXPECT_NEAR(both.quantities[2], 0, 1e-6);
    EXPECT_NEAR(both.cost, 325, 1e-6);
}

TEST(LeastCost, AmongMixesOfEqualCostTheOneWithLessExcessWins)
{
    // Both give N at 10 R$ per kg; ammonium sulphate adds 54 kg of S nobody asked for.
    const MixCandidate urea = fertiliser(45, 0, 0, 0, 4.50);
    const MixCandidate sulphate = fertiliser(20, 0, 0, 24, 2.00);
    for (const auto& order : {std::vector{urea, sulphate}, std::vector{sulphate, urea}}) {
        const MixResult r = solve(order, {45, 0, 0, 0});
        ASSERT_EQ(r.status, MixStatus::Optimal);
        const std::size_t ureaIndex = order[0].contents[S] == 0 ? 0 : 1;
        EXPECT_NEAR(r.quantities[ureaIndex], 100, 1e-6);
        EXPECT_NEAR(r.quantities[1 - ureaIndex], 0, 1e-6);
        EXPECT_NEAR(r.cost, 450, 1e-6);
    }
}

TEST(LeastCost, WithEveryPriceZeroTheLeastMassOfProductWins)
{
    const MixResult r = solve({fertiliser(20, 0, 0, 24, 0), fertiliser(45, 0, 0, 0, 0)}, {45, 0, 0, 0});
    ASSERT_EQ(r.status, MixStatus::Optimal);
    EXPECT_NEAR(r.quantities[0], 0, 1e-6);
    EXPECT_NEAR(r.quantities[1], 100, 1e-6);
    EXPECT_EQ(r.cost, 0);
}

TEST(LeastCost, NutrientsWithoutARequirementSetNone)
{
    const MixResult none = solve({kUrea, kTriple}, {0, -5, 0, 0});
    ASSERT_EQ(none.status, MixStatus::Optimal);
    EXPECT_EQ(none.quantities, (std::vector<double>{0, 0}));
    // K2O is not asked for, so nobody has to supply it.
    const MixResult some = solve({kUrea, kTriple}, {45, 0, 0, 0});
    ASSERT_EQ(some.status, MixStatus::Optimal);
    EXPECT_NEAR(some.quantities[0], 100, 1e-6);
    EXPECT_NEAR(some.quantities[1], 0, 1e-6);
}

TEST(LeastCost, ARequiredNutrientThatNoFertiliserSuppliesIsNamed)
{
    const MixResult r = solve({kUrea, kTriple}, {90, 46, 60, 0});
    EXPECT_EQ(r.status, MixStatus::NutrientUnavailable);
    EXPECT_EQ(r.nutrient, K);
    EXPECT_TRUE(r.quantities.empty());
}

TEST(LeastCost, ANegativeOrUndefinedContentOrPriceIsRefused)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const MixCandidate& bad :
         {fertiliser(45, 0, 0, 0, -1), fertiliser(-45, 0, 0, 0, 1), fertiliser(45, nan, 0, 0, 1)}) {
        const MixResult r = solve({kUrea, bad}, {45, 0, 0, 0});
        EXPECT_EQ(r.status, MixStatus::InvalidCandidate);
        EXPECT_EQ(r.candidate, 1u);
    }
}

TEST(LeastCost, WholeBagsStayTheCheapestMixOfWholeBags)
{
    // 2 ha, 90 kg/ha of N: 180 kg of N need 400 kg of urea, 8 bags: 200 kg/ha.
    const MixResult exact = solve({kUrea}, {90, 0, 0, 0}, true, 2);
    ASSERT_EQ(exact.status, MixStatus::Optimal);
    EXPECT_NEAR(exact.quantities[0], 200, 1e-9);
    // 91 kg/ha need 404,4 kg on the area: 9 bags, 225 kg/ha.
    const MixResult more = solve({kUrea}, {91, 0, 0, 0}, true, 2);
    ASSERT_EQ(more.status, MixStatus::Optimal);
    EXPECT_NEAR(more.quantities[0], 225, 1e-9);
    // An organic fertiliser in tenths of a tonne: 1,5 ha, 30 kg/ha of N from 3 % N
    // need 1500 kg, 15 tenths: 1000 kg/ha.
    const MixResult organic = solve({fertiliser(3, 2, 2, 0, 0.25, 100)}, {30, 0, 0, 0}, true, 1.5);
    ASSERT_EQ(organic.status, MixStatus::Optimal);
    EXPECT_NEAR(organic.quantities[0], 1000, 1e-9);
}

// ---- Cross-checks against exhaustive searches ----

struct RandomCase {
    std::vector<MixCandidate> candidates;
    NutrientAmounts requirements;
};

// Two required nutrients, three fertilisers, each supplying one or both, and
// each nutrient supplied by one at least.
RandomCase randomCase(std::mt19937& random, double lowestContent = 5, double highestRequirement = 150)
{
    std::uniform_real_distribution<double> content(lowestContent, 60);
    std::uniform_real_distribution<double> price(0.5, 5);
    std::uniform_real_distribution<double> requirement(20, highestRequirement);
    std::bernoulli_distribution has(0.6);
    RandomCase c;
    do {
        c.candidates.clear();
        for (int i = 0; i < 3; ++i) {
            MixCandidate f = fertiliser(0, 0, 0, 0, price(random));
            do {
                f.contents[N] = has(random) ? content(random) : 0;
                f.contents[P] = has(random) ? content(random) : 0;
            } while (f.contents[N] == 0 && f.contents[P] == 0);
            c.candidates.push_back(f);
        }
    } while (
        std::none_of(c.candidates.begin(), c.candidates.end(), [](auto& f) { return f.contents[N] > 0; }) ||
        std::none_of(c.candidates.begin(), c.candidates.end(), [](auto& f) { return f.contents[P] > 0; }));
    c.requirements = {requirement(random), requirement(random), 0, 0};
    return c;
}

// The least cost by brute force. With two requirements an optimal mix needs
// two fertilisers at most, so every pair is searched: the first quantity on a
// grid over its whole range, the second made just enough. The cost along the
// grid is convex, so the best point is within a step of the optimum, and the
// grid is refined around it down to a millionth of a kg.
double gridSearchCost(const RandomCase& c)
{
    const auto& f = c.candidates;
    const auto costOf = [&](std::size_t a, std::size_t b, double qa) {
        double qb = 0;
        for (std::size_t j : {N, P}) {
            const double missing = c.requirements[j] - f[a].contents[j] / 100 * qa;
            if (missing <= 0)
                continue;
            if (f[b].contents[j] == 0)
                return std::numeric_limits<double>::infinity();
            qb = std::max(qb, missing / (f[b].contents[j] / 100));
        }
        return qa * f[a].price + qb * f[b].price;
    };
    double best = std::numeric_limits<double>::infinity();
    for (std::size_t a = 0; a < f.size(); ++a) {
        for (std::size_t b = 0; b < f.size(); ++b) {
            double low = 0, high = 5000, step = 1, centre = 0;
            for (; step > 1e-6; step /= 10) {
                double bestHere = std::numeric_limits<double>::infinity();
                for (double qa = low; qa <= high + step / 2; qa += step)
                    if (const double k = costOf(a, b, qa); k < bestHere) {
                        bestHere = k;
                        centre = qa;
                    }
                best = std::min(best, bestHere);
                low = std::max(0.0, centre - step);
                high = centre + step;
            }
        }
    }
    return best;
}

TEST(LeastCost, MatchesAGridSearchOnRandomCases)
{
    std::mt19937 random(20261210);
    for (int n = 0; n < 25; ++n) {
        const RandomCase c = randomCase(random);
        const MixResult r = solve(c.candidates, c.requirements);
        const double searched = gridSearchCost(c);
        if (!std::isfinite(searched)) {
            EXPECT_NE(r.status, MixStatus::Optimal) << "case " << n;
            continue;
        }
        ASSERT_EQ(r.status, MixStatus::Optimal) << "case " << n;
        EXPECT_NEAR(r.cost, searched, 0.01) << "case " << n;
        expectMeets(c.candidates, r.quantities, c.requirements);
    }
}

TEST(LeastCost, WholeBagsMatchAnExhaustiveSearchOverBagCounts)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<double> area(0.5, 2);
    for (int n = 0; n < 25; ++n) {
        const RandomCase c = randomCase(random, 15, 80);
        const double ha = area(random);
        const MixResult r = solve(c.candidates, c.requirements, true, ha);
        ASSERT_EQ(r.status, MixStatus::Optimal) << "case " << n;
        double bestCost = std::numeric_limits<double>::infinity();
        double bestSupply = 0;
        for (int b0 = 0; b0 <= 30; ++b0)
            for (int b1 = 0; b1 <= 30; ++b1)
                for (int b2 = 0; b2 <= 30; ++b2) {
                    const std::vector<double> q{b0 * 50 / ha, b1 * 50 / ha, b2 * 50 / ha};
                    const NutrientAmounts s = suppliedNutrients(c.candidates, q);
                    if (s[N] < c.requirements[N] - 1e-9 || s[P] < c.requirements[P] - 1e-9)
                        continue;
                    const double k = q[0] * c.candidates[0].price + q[1] * c.candidates[1].price +
                                     q[2] * c.candidates[2].price;
                    const double supply = s[N] + s[P];
                    if (k < bestCost - 1e-9 || (k < bestCost + 1e-9 && supply < bestSupply)) {
                        bestCost = k;
                        bestSupply = supply;
                    }
                }
        ASSERT_TRUE(std::isfinite(bestCost)) << "case " << n << ": widen the search";
        EXPECT_NEAR(r.cost, bestCost, 1e-6) << "case " << n;
        const NutrientAmounts s = suppliedNutrients(c.candidates, r.quantities);
        EXPECT_NEAR(s[N] + s[P], bestSupply, 1e-6) << "case " << n;
        for (std::size_t i = 0; i < 3; ++i) {
            const double bags = r.quantities[i] * ha / 50;
            EXPECT_NEAR(bags, std::round(bags), 1e-9) << "case " << n;
        }
    }
}

TEST(LeastCost, QuantitiesRoundedUpToTenthsNeverLeaveANutrientShort)
{
    EXPECT_DOUBLE_EQ(roundUpToTenth(12.3), 12.3);
    EXPECT_DOUBLE_EQ(roundUpToTenth(12.3000004), 12.3);
    EXPECT_DOUBLE_EQ(roundUpToTenth(12.2999996), 12.3);
    EXPECT_DOUBLE_EQ(roundUpToTenth(12.31), 12.4);
    EXPECT_DOUBLE_EQ(roundUpToTenth(0), 0);
    std::mt19937 random(99);
    for (int n = 0; n < 50; ++n) {
        const RandomCase c = randomCase(random);
        const MixResult r = solve(c.candidates, c.requirements);
        ASSERT_EQ(r.status, MixStatus::Optimal);
        std::vector<double> written;
        for (double q : r.quantities)
            written.push_back(roundUpToTenth(q));
        // The solver meets a requirement up to its tolerance; rounding up to
        // the tenth covers that.
        expectMeets(c.candidates, written, c.requirements, 0);
    }
}

TEST(LeastCost, WrittenQuantitiesDropTracesOnlyWhereTheRestStillMeetsTheNeed)
{
    const std::vector<MixCandidate> f = {fertiliser(11, 52, 0, 0, 4.5), kTriple};
    // 336,6 kg of MAP meet 175 kg of P2O5 alone; 0,00004 kg of triple
    // superphosphate beside it is a solver's trace, not a tenth of a kg.
    EXPECT_EQ(writtenQuantities(f, {336.5384, 0.00004}, {11, 175, 0, 0}), (std::vector<double>{336.6, 0}));
    // A small quantity the need depends on stays.
    EXPECT_EQ(writtenQuantities(f, {0, 0.04}, {0, 0.0164, 0, 0}), (std::vector<double>{0, 0.1}));
    // Everything else is rounded up to the tenth.
    EXPECT_EQ(writtenQuantities(f, {12.31, 40}, {0, 0, 0, 0}), (std::vector<double>{12.4, 40}));
}

} // namespace
} // namespace bulbicalc

#pragma once

#include "core/soil/cultivation_system.h"

#include <array>

namespace bulbicalc {

// The default split of a cultivation system: the N parcelas with their timing
// and share of the dose, and the timings of the three potash applications.
struct SplitPlan {
    int applications;
    std::array<const char*, 5> timings; // the first parcela is the planting or sowing itself
    std::array<const char*, 5> percents;
    std::array<const char*, 3> potashTimings;
};

inline constexpr SplitPlan kTransplantPlan{
    4, {"Plantio", "35", "60", "85", ""}, {"15", "25", "35", "25", ""}, {"Plantio", "60", "85"}};
// Direct seeding and consolidated no-till share one plan.
inline constexpr SplitPlan kDirectSeedingPlan{
    5, {"Semeadura", "45", "80", "110", "135"}, {"10", "20", "25", "25", "20"}, {"Semeadura", "80", "110"}};

constexpr const SplitPlan& splitPlanOf(CultivationSystem system)
{
    return system == CultivationSystem::Transplant ? kTransplantPlan : kDirectSeedingPlan;
}

} // namespace bulbicalc

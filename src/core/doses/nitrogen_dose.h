#pragma once

#include "core/soil/cultivation_system.h"

namespace bulbicalc {

// The N dose in kg/ha by organic matter (%): 120, 100, 80 or 60.
double baseNitrogenDose(double organicMatter);

// The N dose in kg/ha: the base dose, plus 4 kg/ha for every t/ha of yield
// above 30 (a lower yield never lowers it), times 1,2 for direct seeding and
// 0,75 for consolidated no-till.
double nitrogenDose(double organicMatter, double yield, CultivationSystem system);

} // namespace bulbicalc

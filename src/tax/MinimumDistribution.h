#pragma once
// Required minimum withdrawal from the regular IRAs.

#include "Workspace.h"

namespace velmora {

// Life-expectancy divisor for a whole-year age (above 115: the divisor of 115).
double RmdDivisorForAge(std::int32_t age);

void ComputeMinimumIraDistribution(Workspace& ws);

} // namespace velmora

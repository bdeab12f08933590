#pragma once
// Required minimum withdrawal from the regular IRAs.

#include "Workspace.h"
#include "tax/TaxLaw.h"

#include <cstdint>

namespace velmora {

// Life-expectancy divisor of the law's table for a whole-year age: ages past
// the table use its last divisor; an age before the table has none (0).
double RmdDivisorForAge(const MinimumDistributionRule& rule, std::int32_t age);

// From the age of the plan's self and the regular IRAs' value in ws.tax.IraTotalValue.
void ComputeMinimumIraDistribution(Workspace& ws);

} // namespace velmora

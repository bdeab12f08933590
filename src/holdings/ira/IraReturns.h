#pragma once
// Rates of return (Err) and totals of the regular and Roth IRA tables.

#include "Workspace.h"

#include <cstdint>

namespace velmora::ira {

// Recomputes the incremental and capital-gain rates, then the Err (and, for a
// regular IRA, the Basis) of every row with a positive CurrentValue in both tables.
void Calculate(Workspace& ws);
void IRAsTotalCalculate(Workspace& ws);
void RothTotalCalculate(Workspace& ws);

// Err of one row with a positive CurrentValue at the given rates (percent).
double RegularIraErr(const IraHolding& row, std::int32_t inflationRate, double combinedTaxRate);
double RothIraErr(const IraHolding& row, std::int32_t inflationRate, double combinedTaxRate,
                  double capitalGainTaxRate);

} // namespace velmora::ira

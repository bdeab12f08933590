#pragma once
// Rates of return (Err) and income totals of the equity table.

#include "Workspace.h"

#include <cstdint>

namespace velmora::equity {

// Sums the dividend and distribution totals and, row by row with the totals
// summed so far, recomputes the tax rates and the Err of every row with a
// positive CurrentValue.
void Calculate(Workspace& ws);
void EquityTotalCalculate(Workspace& ws);

// The tax figures that one row's Err is computed at (percent; the fraction 0, 0.5 or 0.85).
struct RowRates {
    double CombinedTaxRate = 0.0;
    double DividendTaxRate = 0.0;
    double CapitalGainTaxRate = 0.0;
    double SocialSecurityTaxableFraction = 0.0;
};

// Err of one row with a positive CurrentValue.
double RowErr(const EquityHolding& row, std::int32_t inflationRate, const RowRates& rates);

} // namespace velmora::equity

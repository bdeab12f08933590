#pragma once
// Rates of return (Err) and interest totals of the debt table.

#include "Workspace.h"

#include <cstdint>

namespace velmora::debt {

// Sums the interest totals and, for every named row after its interest has
// entered them, recomputes the federal tax and the row's Err.
void Calculate(Workspace& ws);
void BondTotalCalculate(Workspace& ws);

// Err of one named row at the given combined rate (percent) and Social Security fraction.
double RowErr(const DebtHolding& row, std::int32_t inflationRate, double combinedTaxRate,
              double socialSecurityTaxableFraction);

} // namespace velmora::debt

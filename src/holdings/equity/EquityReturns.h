#pragma once
// Rates of return (Err) and income totals of the equity table.

#include "plan/Workspace.h"

namespace velmora::equity {

void Calculate(Workspace& ws);
void EquityTotalCalculate(Workspace& ws);

} // namespace velmora::equity

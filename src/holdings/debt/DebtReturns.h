#pragma once
// Rates of return (Err) and interest totals of the debt table.

#include "plan/Workspace.h"

namespace velmora::debt {

void Calculate(Workspace& ws);
void BondTotalCalculate(Workspace& ws);

} // namespace velmora::debt

#pragma once
// Rates of return (Err) and totals of the regular and Roth IRA tables.

#include "plan/Workspace.h"

namespace velmora::ira {

void Calculate(Workspace& ws);
void IRAsTotalCalculate(Workspace& ws);
void RothTotalCalculate(Workspace& ws);

} // namespace velmora::ira

#pragma once
// The whole results calculation: totals, income, taxes, withdrawal needed, every
// holding's final Err and the ranking, with the texts of the results boxes.

#include "Workspace.h"

namespace velmora::results {

void Calculate(Workspace& ws);

} // namespace velmora::results

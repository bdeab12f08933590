#pragma once
// Plans used by several tests and stored as fixtures in tests/data/plan.

#include "plan/PlanData.h"

namespace velmora::testing {

// A married household with holdings in every table (the fixture married-household.dta).
PlanData MarriedHousehold();

// Every field set to a different value that is not its default, over the whole
// 32-bit range including its two ends; every row named, Windows-1252 letters
// included (the fixture varied-values.dta).
PlanData VariedPlan();

} // namespace velmora::testing

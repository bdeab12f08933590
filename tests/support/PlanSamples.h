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

// A married household with all 40 rows of every table named and filled with
// values that the screens accept and that no check of theirs corrects: flags
// "Y" or "N", categories 0 to 3, never both kinds of dividends in a row, a
// regular IRA's basis 0.
PlanData FullPlan();

} // namespace velmora::testing

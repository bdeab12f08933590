#pragma once
// Field-by-field comparison of two plans, written independently of the plan file
// code so that it can check the reader and the writer.

#include "plan/PlanData.h"

#include <string>

namespace velmora::testing {

// Every field that differs, one per line as "AgeSelf: 67 != 0"; empty when equal.
std::string PlanDifference(const PlanData& expected, const PlanData& actual);

// The plan with every control character (below code 32) in its texts turned into
// a blank, as the plan file stores them.
PlanData WithControlsBlanked(PlanData plan);

} // namespace velmora::testing

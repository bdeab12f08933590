#pragma once
// The plans that the tests of the years ahead start from.

#include "plan/PlanData.h"
#include "tax/TaxYear.h"

#include <cstdint>

namespace velmora::projection::test {

inline TaxYear Year(std::int32_t number) {
    return *TaxYear::Find(number);
}

// Single, the given age, prices steady, no income: only the budget and the holdings.
inline PlanData Single(std::int32_t age, std::int32_t budget) {
    PlanData plan;
    plan.Married = "No";
    plan.AgeSelf = age;
    plan.AnnualBudget = budget;
    plan.InflationRate = 0;
    return plan;
}

} // namespace velmora::projection::test

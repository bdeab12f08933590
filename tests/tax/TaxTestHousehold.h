#pragma once
// Households for the tax tests: a workspace whose only income is a pension, so
// that the taxable income is whatever the test asks for.

#include "Workspace.h"

#include <string>

namespace velmora::testing {

// Exemptions plus standard deduction under 65: single 3100 + 4850, married 2 * 3100 + 9700.
inline constexpr double kSingleAllowances = 7950;
inline constexpr double kMarriedAllowances = 15900;

inline Workspace Household(const std::string& married, std::int32_t ageSelf = 60,
                           std::int32_t ageSpouse = 60) {
    Workspace ws;
    ws.plan.Married = married;
    ws.plan.AgeSelf = ageSelf;
    ws.plan.AgeSpouse = ageSpouse;
    return ws;
}

// Household under 65 whose taxable income comes out as `taxable`.
inline Workspace HouseholdWithTaxableIncome(const std::string& married, double taxable) {
    Workspace ws = Household(married);
    ws.tax.Income.Pensions =
        taxable + (married == "Yes" ? kMarriedAllowances : kSingleAllowances);
    return ws;
}

} // namespace velmora::testing

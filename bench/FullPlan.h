#pragma once
// A full plan for the benchmarks: a married household with every row of the
// four tables named and holding money (160 holdings), spread over all four risk
// categories, none of them breaking a rule that a screen would warn about.

#include "plan/PlanData.h"

#include <string>

namespace velmora::bench {

inline PlanData FullPlan() {
    PlanData plan;
    plan.Married = "Yes";
    plan.AgeSelf = 72;
    plan.AgeSpouse = 68;
    plan.AnnualBudget = 90000;
    plan.InflationRate = 3;
    plan.SocialSecuritySelf = 1800;
    plan.SocialSecuritySpouse = 900;
    plan.PensionSelf = 2500;
    plan.TaxFreeSpouse = 200;
    plan.StateTaxRate = 6;
    for (int i = 0; i < kTableRows; ++i) {
        const std::string n = std::to_string(i + 1);
        const std::int32_t category = i % 4;
        plan.IraHoldings[i] = {"IRA " + n, 0,     20000 + 500 * i, 3 + i % 4, 100 * (i % 3),
                               i % 7,      i % 2, category,        0.0};
        plan.RothHoldings[i] = {"Roth " + n, 5000,  15000 + 300 * i, 2 + i % 3, 50 * (i % 5),
                                i % 9,       i % 3, 3 - category,    0.0};
        plan.DebtHoldings[i] = {"Bond " + n, 9000 + 100 * i, 10000 + 250 * i,        1 + i % 6,
                                (i / 4) % 4, i % 2,          i % 5 == 0 ? "Y" : "N", 0.0};
        plan.EquityHoldings[i] = {"Stock " + n,
                                  8000 + 200 * i,
                                  12000 + 400 * i,
                                  100 + 10 * i,
                                  50 + 5 * i,
                                  20 * (i % 4),
                                  2 + i % 8,
                                  (i + 1) % 4,
                                  i % 3,
                                  i % 2 == 0 ? "N" : "Y",
                                  i % 6 == 0 ? "Y" : "N",
                                  0.0};
    }
    return plan;
}

} // namespace velmora::bench

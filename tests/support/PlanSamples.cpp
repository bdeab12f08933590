#include "PlanSamples.h"

#include <cstdint>
#include <limits>
#include <string>

namespace velmora::testing {
namespace {

// Distinct values spread over the whole 32-bit range, signs mixed.
class ValueSequence {
public:
    std::int32_t Next() {
        state_ = state_ * 2654435761u + 40503u;
        return static_cast<std::int32_t>(state_);
    }

private:
    std::uint32_t state_ = 12345u;
};

std::string RowName(const char* prefix, int row) {
    return std::string(prefix) + std::to_string(row) + (row % 3 == 0 ? " caf\xE9 \xA9" : "");
}

const char* FlagFor(int row) {
    static constexpr const char* kFlags[] = {"Y", "N", ""};
    return kFlags[row % 3];
}

} // namespace

PlanData MarriedHousehold() {
    PlanData plan;
    plan.Married = "Yes";
    plan.AgeSelf = 72;
    plan.AgeSpouse = 68;
    plan.AnnualBudget = 64000;
    plan.InflationRate = 3;
    plan.EarningsSelf = 0;
    plan.EarningsSpouse = 1500;
    plan.SocialSecuritySelf = 1850;
    plan.SocialSecuritySpouse = 920;
    plan.PensionSelf = 1200;
    plan.PensionSpouse = 0;
    plan.TaxFreeSelf = 0;
    plan.TaxFreeSpouse = 250;
    plan.StateTaxRate = 5;

    plan.IraHoldings[0] = {"Fidelity IRA", 0, 185000, 0, 3200, 6, 2, 2, 0.0};
    plan.IraHoldings[1] = {"Schwab IRA", 0, 92000, 4, 0, 0, 1, 1, 0.0};
    plan.IraHoldings[2] = {"Spouse IRA", 0, 41000, 0, 900, 5, 3, 3, 0.0};
    plan.RothHoldings[0] = {"Roth Vanguard", 30000, 52000, 0, 800, 7, 2, 2, 0.0};
    plan.RothHoldings[1] = {"Roth spouse", 12000, 15500, 3, 0, 0, 0, 0, 0.0};

    plan.DebtHoldings[0] = {"City bond 2012", 10000, 10250, 5, 1, 0, "Y", 0.0};
    plan.DebtHoldings[1] = {"Bank CD", 25000, 25000, 3, 0, 0, "N", 0.0};
    plan.DebtHoldings[2] = {"Treasury note", 20000, 19800, 4, 0, 0, "N", 0.0};
    plan.DebtHoldings[3] = {"Corp bond XYZ", 15000, 14100, 7, 2, 4, "N", 0.0};

    plan.EquityHoldings[0] = {"Index fund", 40000, 61000, 0, 950, 120, 6, 2, 3, "Y", "N", 0.0};
    plan.EquityHoldings[1] = {"Utility stock", 12000, 14500, 200, 480, 0, 2, 1, 2, "N", "N", 0.0};
    plan.EquityHoldings[2] = {"Muni fund", 20000, 21000, 0, 0, 0, 1, 1, 1, "Y", "Y", 0.0};
    plan.EquityHoldings[3] = {"Tech growth", 8000, 23000, 0, 0, 0, 9, 3, 12, "N", "N", 0.0};
    plan.EquityHoldings[4] = {"REIT", 10000, 9600, 610, 0, 40, 2, 2, 4, "Y", "N", 0.0};
    return plan;
}

PlanData VariedPlan() {
    ValueSequence next;
    PlanData plan;
    plan.Married = "Yes";
    plan.AgeSelf = std::numeric_limits<std::int32_t>::max();
    plan.AgeSpouse = std::numeric_limits<std::int32_t>::min();
    plan.AnnualBudget = next.Next();
    plan.InflationRate = next.Next();
    plan.ReservedValue1 = -123456;
    plan.ReservedValue2 = 987654;
    plan.EarningsSelf = next.Next();
    plan.EarningsSpouse = next.Next();
    plan.SocialSecuritySelf = next.Next();
    plan.SocialSecuritySpouse = next.Next();
    plan.PensionSelf = next.Next();
    plan.PensionSpouse = next.Next();
    plan.TaxFreeSelf = next.Next();
    plan.TaxFreeSpouse = next.Next();
    plan.StateTaxRate = next.Next();
    for (int i = 0; i < kTableRows; ++i) {
        const int row = i + 1;
        for (IraHolding* ira : {&plan.IraHoldings[i], &plan.RothHoldings[i]}) {
            *ira = {RowName(ira == &plan.IraHoldings[i] ? "IRA " : "Roth ", row),
                    next.Next(),
                    next.Next(),
                    next.Next(),
                    next.Next(),
                    next.Next(),
                    next.Next(),
                    next.Next(),
                    0.0};
        }
        plan.DebtHoldings[i] = {RowName("Bond ", row), next.Next(), next.Next(),  next.Next(),
                                next.Next(),           next.Next(), FlagFor(row), 0.0};
        plan.EquityHoldings[i] = {RowName("Stock ", row),
                                  next.Next(),
                                  next.Next(),
                                  next.Next(),
                                  next.Next(),
                                  next.Next(),
                                  next.Next(),
                                  next.Next(),
                                  next.Next(),
                                  FlagFor(row),
                                  FlagFor(row + 1),
                                  0.0};
    }
    // The ends of the range in the last rows too.
    plan.EquityHoldings[39].LossFactor = std::numeric_limits<std::int32_t>::min();
    plan.EquityHoldings[39].RiskCategory = std::numeric_limits<std::int32_t>::max();
    plan.DebtHoldings[0].Name = "Fifteen chars!!";
    return plan;
}

PlanData FullPlan() {
    PlanData plan = MarriedHousehold();
    for (int i = 0; i < kTableRows; ++i) {
        const int row = i + 1;
        const std::int32_t category = row % 4;
        const std::string flag = row % 2 == 0 ? "Y" : "N";
        plan.IraHoldings[i] = {"IRA " + std::to_string(row),
                               0,
                               1000 * row,
                               row % 3 == 0 ? 4 : 0,
                               row % 3 == 0 ? 0 : 10 * row,
                               row % 3 == 0 ? 0 : 5,
                               row % 5,
                               category,
                               0.0};
        plan.RothHoldings[i] = {"Roth " + std::to_string(row),
                                500 * row,
                                900 * row,
                                0,
                                7 * row,
                                3,
                                row % 7,
                                category,
                                0.0};
        plan.DebtHoldings[i] = {"Bond " + std::to_string(row),
                                2000 * row,
                                2100 * row,
                                row % 9,
                                category,
                                row % 4,
                                flag,
                                0.0};
        plan.EquityHoldings[i] = {"Stock " + std::to_string(row),
                                  3000 * row,
                                  3300 * row,
                                  row % 2 == 0 ? 20 * row : 0,
                                  row % 2 == 0 ? 0 : 30 * row,
                                  row % 5 == 0 ? 15 : 0,
                                  row % 8,
                                  category,
                                  row % 6,
                                  flag,
                                  row % 3 == 0 ? "Y" : "N",
                                  0.0};
    }
    return plan;
}

} // namespace velmora::testing

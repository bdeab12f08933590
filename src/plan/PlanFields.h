#pragma once
// The fields of the plan file in file order, shared by the reader and the writer
// so that the two can never disagree. The visitor is called with
//   Text(text)  for Married (the whole line),
//   Name(text)  for a holding's name,
//   Flag(text)  for a one-letter flag,
//   Int(value)  for every integer.
// Plan is PlanData or const PlanData.

#include "plan/PlanData.h"

namespace velmora {

// 16 personal lines, then 8 per IRA and Roth row, 7 per debt row, 11 per equity row.
inline constexpr int kPlanFileLines = 16 + kTableRows * (8 + 8 + 7 + 11);

template <typename Row, typename Visitor> void VisitIraRow(Row& row, Visitor& visit) {
    visit.Name(row.Name);
    visit.Int(row.Basis);
    visit.Int(row.CurrentValue);
    visit.Int(row.InterestRate);
    visit.Int(row.Dividends);
    visit.Int(row.GrowthRate);
    visit.Int(row.ProbabilityOfLoss);
    visit.Int(row.RiskCategory);
}

// The flag stands before RiskCategory in the file, unlike in the record.
template <typename Row, typename Visitor> void VisitDebtRow(Row& row, Visitor& visit) {
    visit.Name(row.Name);
    visit.Int(row.Basis);
    visit.Int(row.CurrentValue);
    visit.Int(row.InterestRate);
    visit.Flag(row.FedTaxFree);
    visit.Int(row.RiskCategory);
    visit.Int(row.ProbabilityOfLoss);
}

// Both flags stand before RiskCategory in the file, unlike in the record.
template <typename Row, typename Visitor> void VisitEquityRow(Row& row, Visitor& visit) {
    visit.Name(row.Name);
    visit.Int(row.CurrentBasis);
    visit.Int(row.CurrentValue);
    visit.Int(row.RegularDividends);
    visit.Int(row.QualifyingDividends);
    visit.Int(row.CapGainsDistribution);
    visit.Int(row.PriceGrowth);
    visit.Flag(row.AutoReinvest);
    visit.Flag(row.FedTaxFree);
    visit.Int(row.RiskCategory);
    visit.Int(row.LossFactor);
}

// The personal data and assumptions, the plan file's first 16 lines.
template <typename Plan, typename Visitor> void VisitPersonalFields(Plan& plan, Visitor& visit) {
    visit.Text(plan.Married);
    visit.Int(plan.AgeSelf);
    visit.Int(plan.AgeSpouse);
    visit.Int(plan.AnnualBudget);
    visit.Int(plan.InflationRate);
    visit.Int(plan.ReservedValue1);
    visit.Int(plan.ReservedValue2);
    visit.Int(plan.EarningsSelf);
    visit.Int(plan.EarningsSpouse);
    visit.Int(plan.SocialSecuritySelf);
    visit.Int(plan.SocialSecuritySpouse);
    visit.Int(plan.PensionSelf);
    visit.Int(plan.PensionSpouse);
    visit.Int(plan.TaxFreeSelf);
    visit.Int(plan.TaxFreeSpouse);
    visit.Int(plan.StateTaxRate);
}

template <typename Plan, typename Visitor> void VisitPlanFields(Plan& plan, Visitor& visit) {
    VisitPersonalFields(plan, visit);
    for (auto& row : plan.IraHoldings) {
        VisitIraRow(row, visit);
    }
    for (auto& row : plan.RothHoldings) {
        VisitIraRow(row, visit);
    }
    for (auto& row : plan.DebtHoldings) {
        VisitDebtRow(row, visit);
    }
    for (auto& row : plan.EquityHoldings) {
        VisitEquityRow(row, visit);
    }
}

} // namespace velmora

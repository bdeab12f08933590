#include "holdings/HouseholdIncome.h"

namespace velmora {

TaxIncome HouseholdIncome(const Workspace& ws) {
    const ResultValues& r = ws.results;
    const HoldingTotals& totals = ws.totals;
    TaxIncome income;
    income.Pensions = r.AnnualPensions;
    income.Earnings = r.AnnualEarnings;
    income.SocialSecurity = r.AnnualSocialSecurity;
    income.TaxFreeBenefits = r.AnnualTaxFreeBenefits;
    income.Interest = totals.TotalInterest;
    income.TaxFreeInterest = totals.TaxFreeInterest;
    income.Dividends = totals.TotalDividends;
    income.TaxFreeDividends = totals.TaxFreeDividends;
    income.QualifiedDividends = totals.QualifiedDividends;
    income.CapGainsDistributions = totals.TotalCapGainsDistributions;
    income.MinimumIraDistribution = ws.tax.MinimumIraDistribution;
    income.Withdrawal = r.WithdrawalNeeded;
    return income;
}

void UpdateTaxIncome(Workspace& ws) {
    ws.tax.Income = HouseholdIncome(ws);
}

} // namespace velmora

#include "results/ResultsCalculation.h"

#include "holdings/HouseholdIncome.h"
#include "holdings/debt/DebtReturns.h"
#include "holdings/equity/EquityReturns.h"
#include "holdings/ira/IraReturns.h"
#include "plan/FilingStatus.h"
#include "plan/NumberText.h"
#include "results/RiskRanking.h"
#include "tax/FederalTax.h"
#include "tax/MinimumDistribution.h"

namespace velmora::results {

namespace {

// Yearly amount of two monthly entries, formed in whole numbers.
std::int64_t Yearly(std::int32_t self, std::int32_t spouse) {
    return (std::int64_t{self} + spouse) * 12;
}

// Only Social Security is cleared; the cleared amounts stay in the plan.
void ApplySocialSecurityRules(PlanData& plan) {
    if (FilingStatusOf(plan.Married) == FilingStatus::Single) {
        plan.SocialSecuritySpouse = 0;
    }
    if (plan.AgeSelf < 62) {
        plan.SocialSecuritySelf = 0;
    }
    if (plan.AgeSpouse < 62) {
        plan.SocialSecuritySpouse = 0;
    }
}

} // namespace

void Calculate(Workspace& ws) {
    PlanData& plan = ws.plan;
    ResultValues& r = ws.results;
    const HoldingTotals& totals = ws.totals;
    TaxValues& tax = ws.tax;
    ResultBoxTexts& boxes = r.boxes;

    // 1. Holdings totals; rows without a name count too.
    ira::IRAsTotalCalculate(ws);
    ira::RothTotalCalculate(ws);
    debt::BondTotalCalculate(ws);
    equity::EquityTotalCalculate(ws);
    r.TotalInvestments = totals.IraTotalValue + totals.RothTotalValue + totals.DebtTotalValue +
                         totals.EquityTotalValue;

    // 2. Minimum withdrawal from the regular IRAs.
    tax.IraTotalValue = totals.IraTotalValue;
    ComputeMinimumIraDistribution(ws);

    // 3. Social Security of a single household's spouse and of anyone under 62 is cleared.
    ApplySocialSecurityRules(plan);

    // 4. Annual amounts.
    r.AnnualSocialSecurity =
        static_cast<double>(Yearly(plan.SocialSecuritySelf, plan.SocialSecuritySpouse));
    r.AnnualPensions = static_cast<double>(Yearly(plan.PensionSelf, plan.PensionSpouse));
    r.AnnualTaxFreeBenefits = static_cast<double>(Yearly(plan.TaxFreeSelf, plan.TaxFreeSpouse));
    r.AnnualEarnings = Yearly(plan.EarningsSelf, plan.EarningsSpouse);
    r.AnnualEntitlements = r.AnnualSocialSecurity + r.AnnualPensions + r.AnnualTaxFreeBenefits;

    // 5. Interest, dividend and distribution totals.
    debt::Calculate(ws);
    equity::Calculate(ws);

    // 6. Income and budget boxes.
    boxes.editBudget = IntText(plan.AnnualBudget);
    boxes.editContinuedEarnings = IntText(r.AnnualEarnings);
    boxes.editEntitlements = RealText(r.AnnualEntitlements);
    boxes.editIntAndDiv = RealText(totals.TotalInterest + totals.CashDividends);
    boxes.editIRA = RealText(tax.MinimumIraDistribution);

    // 7. Federal tax on the income without any withdrawal.
    r.WithdrawalNeeded = 0.0;
    UpdateTaxIncome(ws);
    ComputeFederalTax(ws);

    // 8. Budget less the income received, before taxes; not limited.
    r.IncomeShortfall = static_cast<double>(plan.AnnualBudget) - r.AnnualSocialSecurity -
                        static_cast<double>(r.AnnualEarnings) - r.AnnualPensions -
                        r.AnnualTaxFreeBenefits - Round(totals.TotalInterest) -
                        Round(totals.CashDividends) - Round(tax.MinimumIraDistribution);

    // 9. State and local tax on income; none without federal taxable income,
    // unless the year lets the state's tax stand on its own.
    const ReturnRules& rules = ws.taxYear.Law().Rules;
    r.StateIncomeTax = StateBase(tax.Income) * (plan.StateTaxRate * 0.01);
    if (tax.TaxableIncome == 0 && !rules.StateTaxStandsAlone) {
        r.StateIncomeTax = 0.0;
    }

    // 10. Rates for the income without any withdrawal.
    ComputeCapitalGainTaxRate(ws);
    ComputeDividendTaxRate(ws);

    // 11. Tax on income: federal, distributions and state, each in whole dollars.
    // Where the distributions are part of the taxable income, the federal tax
    // holds their tax already.
    TaxWorkingColumn& without = r.working.WithoutWithdrawal;
    without = TaxWorkingOfRun(ws);
    if (!rules.GainsInTaxableIncome) {
        without.TaxOnGains = Round(tax.Income.CapitalGains() * tax.CapitalGainTaxRate * 0.01);
    }
    r.TaxOnIncome = tax.FederalTax + without.TaxOnGains + Round(r.StateIncomeTax);
    without.StateIncomeTax = r.StateIncomeTax;
    without.TotalTax = r.TaxOnIncome;
    boxes.editTaxOnIncome = DollarText(r.TaxOnIncome);

    // 12. Withdrawal before its own tax; the state tax is added a second time here.
    r.WithdrawalNeeded = r.IncomeShortfall + r.TaxOnIncome + r.StateIncomeTax;
    if (r.WithdrawalNeeded < 0) {
        r.WithdrawalNeeded = 0.0;
    }

    // 13. Federal tax with the withdrawal taxed as ordinary income.
    const double taxOnIncome = r.TaxOnIncome;
    UpdateTaxIncome(ws);
    ComputeFederalTax(ws);

    // 14. Extra tax caused by the withdrawal.
    r.TaxOnWithdrawals = (tax.FederalTax - taxOnIncome) + r.StateIncomeTax;
    if (r.TaxOnWithdrawals < 0) {
        r.TaxOnWithdrawals = 0.0;
    }
    if (tax.TaxableIncome <= 0) {
        r.TaxOnWithdrawals = 0.0;
    }
    TaxWorkingColumn& with = r.working.WithWithdrawal;
    with = TaxWorkingOfRun(ws);
    with.TaxOnGains = without.TaxOnGains;
    with.StateIncomeTax = r.StateIncomeTax;
    with.TotalTax = tax.FederalTax + with.TaxOnGains + Round(r.StateIncomeTax);

    // 15. The withdrawal grows by its own tax; the boxes show whole dollars.
    r.WithdrawalNeeded = r.WithdrawalNeeded + r.TaxOnWithdrawals;
    boxes.editWithDrawalNeeded = WholeText(r.WithdrawalNeeded);
    boxes.editTaxOnWithdrawals = WholeText(r.TaxOnWithdrawals);

    // 16. Final Err of every holding with the final withdrawal.
    ira::Calculate(ws);
    debt::Calculate(ws);
    equity::Calculate(ws);

    // 17. Rates as the last tax run left them.
    boxes.editTaxRate = RealText(tax.FederalBracketRate);
    boxes.editDivTaxRate = RealText(tax.DividendTaxRate);
    boxes.editCGTaxRate = RealText(tax.CapitalGainTaxRate);
    boxes.editStateTaxRate = RealText(ws.AppliedStateTaxRate);

    // 18. Ranking by risk category and Err.
    LoadArrays(ws);
    for (int k = 0; k < kCategories; ++k) {
        SortCategory(ws, k, 1, ws.ranking.CategoryCount[k]);
    }
    ShowRanking(ws);
}

} // namespace velmora::results

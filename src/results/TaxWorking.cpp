#include "results/TaxWorking.h"

#include "Workspace.h"
#include "plan/NumberText.h"

#include <string_view>
#include <utility>

namespace velmora {

TaxWorkingColumn TaxWorkingOfRun(const Workspace& ws) {
    const TaxValues& tax = ws.tax;
    const TaxIncome& income = tax.Income;
    TaxWorkingColumn c;
    c.Pensions = income.Pensions;
    c.Earnings = income.Earnings;
    c.SocialSecurity = income.SocialSecurity;
    c.TaxFreeBenefits = income.TaxFreeBenefits;
    c.Interest = income.Interest;
    c.TaxFreeInterest = income.TaxFreeInterest;
    c.Dividends = income.Dividends;
    c.TaxFreeDividends = income.TaxFreeDividends;
    c.QualifiedDividends = income.QualifiedDividends;
    c.CapGainsDistributions = income.CapGainsDistributions;
    c.MinimumIraDistribution = income.MinimumIraDistribution;
    c.Withdrawal = income.Ordinary();
    c.ProvisionalIncome = tax.ProvisionalIncome;
    c.TaxableSocialSecurity = tax.TaxableSocialSecurity;
    c.AdjustedGrossIncome = tax.AdjustedGrossIncome;
    c.Exemptions = tax.Exemptions;
    c.StandardDeduction = tax.StandardDeduction;
    c.AgedDeduction = tax.AgedDeduction;
    c.SeniorDeduction = tax.SeniorDeduction;
    c.TaxableIncome = tax.TaxableIncome;
    c.OrdinaryIncome = tax.OrdinaryIncome;
    c.TaxOnOrdinary = tax.TaxOnOrdinary;
    c.QualifiedIncome = tax.QualifiedIncome;
    c.TaxOnQualified = tax.TaxOnQualified;
    c.FederalTax = tax.FederalTax;
    return c;
}

namespace {

class LineList {
public:
    explicit LineList(const TaxWorking& working) : w_(working) {}

    void Heading(std::string_view label) { lines_.push_back({std::string(label), {}, {}, true}); }

    void Real(std::string_view label, double TaxWorkingColumn::*value) {
        lines_.push_back({std::string(label), RealText(w_.WithoutWithdrawal.*value),
                          RealText(w_.WithWithdrawal.*value), false});
    }

    void Int(std::string_view label, std::int64_t TaxWorkingColumn::*value) {
        lines_.push_back({std::string(label), IntText(w_.WithoutWithdrawal.*value),
                          IntText(w_.WithWithdrawal.*value), false});
    }

    std::vector<TaxWorkingLine> Take() { return std::move(lines_); }

private:
    const TaxWorking& w_;
    std::vector<TaxWorkingLine> lines_;
};

} // namespace

std::vector<TaxWorkingLine> TaxWorkingLines(const Workspace& ws) {
    const ReturnRules& rules = ws.taxYear.Law().Rules;
    using C = TaxWorkingColumn;
    LineList l(ws.results.working);
    l.Heading("Income");
    l.Real("Pensions", &C::Pensions);
    l.Int("Continued earnings", &C::Earnings);
    l.Real("Social Security", &C::SocialSecurity);
    l.Real("Tax-free benefits", &C::TaxFreeBenefits);
    l.Real("Interest", &C::Interest);
    l.Real("  of it free of federal tax", &C::TaxFreeInterest);
    l.Real("Dividends", &C::Dividends);
    l.Real("  of them free of federal tax", &C::TaxFreeDividends);
    if (rules.QualifiedRatesStacked) {
        l.Real("  qualified, of taxable holdings", &C::QualifiedDividends);
    }
    l.Real("Capital gain distributions", &C::CapGainsDistributions);
    l.Real("Minimum IRA withdrawal", &C::MinimumIraDistribution);
    l.Real("Withdrawal", &C::Withdrawal);
    l.Heading("Social Security");
    l.Real("Provisional income", &C::ProvisionalIncome);
    l.Real("Taxable Social Security", &C::TaxableSocialSecurity);
    l.Heading("Deductions");
    l.Real("Adjusted gross income", &C::AdjustedGrossIncome);
    l.Int("Personal exemptions", &C::Exemptions);
    l.Int("Standard deduction", &C::StandardDeduction);
    l.Int("  of it for age 65 and over", &C::AgedDeduction);
    l.Real("Senior deduction", &C::SeniorDeduction);
    l.Real("Taxable income", &C::TaxableIncome);
    l.Heading("Tax");
    if (rules.QualifiedRatesStacked) {
        l.Real("Ordinary income", &C::OrdinaryIncome);
        l.Real("Tax on ordinary income", &C::TaxOnOrdinary);
        l.Real("Qualified dividends and gains", &C::QualifiedIncome);
        l.Real("Tax on qualified dividends and gains", &C::TaxOnQualified);
    }
    l.Real("Federal income tax", &C::FederalTax);
    if (!rules.GainsInTaxableIncome) {
        l.Real("Tax on capital gain distributions", &C::TaxOnGains);
    }
    l.Real("State and local tax", &C::StateIncomeTax);
    l.Real("Total tax", &C::TotalTax);
    return l.Take();
}

} // namespace velmora

#include "results/TaxWorking.h"

#include "Workspace.h"
#include "plan/NumberText.h"

#include <cmath>
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

// Both columns' figures of a line.
struct Figures {
    double without = 0.0;
    double with = 0.0;
};

class LineList {
public:
    void Heading(std::string_view label) {
        lines_.push_back({std::string(label), {}, {}, true, TaxWorkingSum::Shown});
    }

    void Line(std::string_view label, Figures f, TaxWorkingSum sum = TaxWorkingSum::Shown) {
        lines_.push_back({std::string(label), RealText(f.without), RealText(f.with), false, sum});
    }

    void Int(std::string_view label, std::int64_t without, std::int64_t with,
             TaxWorkingSum sum = TaxWorkingSum::Shown) {
        lines_.push_back({std::string(label), IntText(without), IntText(with), false, sum});
    }

    // A line of the estimate of the withdrawal, which only the column with it has.
    void WithOnly(std::string_view label, double with, TaxWorkingSum sum) {
        lines_.push_back({std::string(label), {}, RealText(with), false, sum});
    }

    // A line that brings the sum of the lines above to the total that the
    // calculation keeps, where it differs by a cent or more in either column.
    void Difference(std::string_view label, Figures f) {
        f = {Cents(f.without), Cents(f.with)};
        if (f.without != 0.0 || f.with != 0.0) {
            Line(label, f, TaxWorkingSum::Added);
        }
    }

    std::vector<TaxWorkingLine> Take() { return std::move(lines_); }

private:
    static double Cents(double value) {
        const double cents = std::round(value * 100) / 100;
        return cents == 0.0 ? 0.0 : cents;
    }

    std::vector<TaxWorkingLine> lines_;
};

Figures Of(const TaxWorking& w, double TaxWorkingColumn::*value) {
    return {w.WithoutWithdrawal.*value, w.WithWithdrawal.*value};
}

Figures Apply(Figures a, Figures b, double (*op)(double, double)) {
    return {op(a.without, b.without), op(a.with, b.with)};
}

double Plus(double a, double b) {
    return a + b;
}
double Minus(double a, double b) {
    return a - b;
}

} // namespace

std::vector<TaxWorkingLine> TaxWorkingLines(const Workspace& ws) {
    const ReturnRules& rules = ws.taxYear.Law().Rules;
    const TaxWorking& w = ws.results.working;
    const ResultValues& r = ws.results;
    using C = TaxWorkingColumn;
    constexpr TaxWorkingSum kAdded = TaxWorkingSum::Added;
    constexpr TaxWorkingSum kTaken = TaxWorkingSum::Taken;
    constexpr TaxWorkingSum kTotal = TaxWorkingSum::Total;
    LineList l;

    // The adjusted gross income holds the capital gain distributions under
    // every law; where the law taxes them apart, they come off again below.
    const Figures gains = Of(w, &C::CapGainsDistributions);
    const Figures gainsApart = rules.GainsInTaxableIncome ? Figures{} : gains;
    const Figures agi = Apply(Of(w, &C::AdjustedGrossIncome), gainsApart, Plus);
    l.Heading("Income");
    l.Line("Pensions", Of(w, &C::Pensions), kAdded);
    l.Int("Continued earnings", w.WithoutWithdrawal.Earnings, w.WithWithdrawal.Earnings, kAdded);
    l.Line("Interest", Of(w, &C::Interest), kAdded);
    l.Line("  less interest free of federal tax", Of(w, &C::TaxFreeInterest), kTaken);
    l.Line("Dividends", Of(w, &C::Dividends), kAdded);
    l.Line("  less dividends free of federal tax", Of(w, &C::TaxFreeDividends), kTaken);
    if (rules.QualifiedRatesStacked) {
        l.Line("  of the taxed dividends, qualified", Of(w, &C::QualifiedDividends));
    }
    l.Line("Capital gain distributions", gains, kAdded);
    l.Line("Minimum IRA withdrawal", Of(w, &C::MinimumIraDistribution), kAdded);
    l.Line("Withdrawal before its own tax", Of(w, &C::Withdrawal), kAdded);
    l.Line("Taxable Social Security (below)", Of(w, &C::TaxableSocialSecurity), kAdded);
    l.Line("Adjusted gross income", agi, kTotal);

    l.Heading("Social Security");
    l.Line("Social Security benefits", Of(w, &C::SocialSecurity));
    l.Line("Tax-free benefits", Of(w, &C::TaxFreeBenefits));
    l.Line("Provisional income", Of(w, &C::ProvisionalIncome));
    l.Line("Taxable Social Security", Of(w, &C::TaxableSocialSecurity));

    l.Heading("Deductions");
    l.Line("Adjusted gross income", agi, kAdded);
    if (!rules.GainsInTaxableIncome) {
        l.Line("less capital gain distributions, taxed apart", gains, kTaken);
    }
    const auto deductions = [](const C& c) {
        return static_cast<double>(c.Exemptions) + static_cast<double>(c.StandardDeduction) +
               c.SeniorDeduction;
    };
    l.Int("less personal exemptions", w.WithoutWithdrawal.Exemptions, w.WithWithdrawal.Exemptions,
          kTaken);
    l.Int("less standard deduction", w.WithoutWithdrawal.StandardDeduction,
          w.WithWithdrawal.StandardDeduction, kTaken);
    l.Int("  of it for age 65 and over", w.WithoutWithdrawal.AgedDeduction,
          w.WithWithdrawal.AgedDeduction);
    l.Line("less senior deduction", Of(w, &C::SeniorDeduction), kTaken);
    // A taxable income below one dollar is none: the deductions beyond the income go unused.
    const Figures taxable = Of(w, &C::TaxableIncome);
    const Figures counted =
        Apply(Of(w, &C::AdjustedGrossIncome),
              {deductions(w.WithoutWithdrawal), deductions(w.WithWithdrawal)}, Minus);
    l.Difference("Deductions beyond the income, unused", Apply(taxable, counted, Minus));
    l.Line("Taxable income", taxable, kTotal);

    if (rules.QualifiedRatesStacked) {
        l.Heading("Federal tax");
        l.Line("Ordinary income", Of(w, &C::OrdinaryIncome));
        l.Line("Tax on ordinary income", Of(w, &C::TaxOnOrdinary), kAdded);
        l.Line("Qualified dividends and gains", Of(w, &C::QualifiedIncome));
        l.Line("Tax on qualified dividends and gains", Of(w, &C::TaxOnQualified), kAdded);
        // The tax is never more than the regular tax on the whole taxable income.
        const Figures split = Apply(Of(w, &C::TaxOnOrdinary), Of(w, &C::TaxOnQualified), Plus);
        l.Difference("less the part above the regular tax",
                     Apply(Of(w, &C::FederalTax), split, Minus));
        l.Line("Federal income tax", Of(w, &C::FederalTax), kTotal);
    }

    l.Heading("Tax");
    l.Line("Federal income tax", Of(w, &C::FederalTax), kAdded);
    if (!rules.GainsInTaxableIncome) {
        l.Line("Tax on capital gain distributions", Of(w, &C::TaxOnGains), kAdded);
    }
    const Figures state = Of(w, &C::StateIncomeTax);
    l.Line("State and local tax, in whole dollars", {Round(state.without), Round(state.with)},
           kAdded);
    l.Line("Tax on income", Of(w, &C::TotalTax), kTotal);

    // How the estimate reaches the withdrawal needed; only the column with the
    // withdrawal has these lines.
    l.Heading("The withdrawal, as estimated");
    const double beforeTax = w.WithWithdrawal.Withdrawal;
    l.WithOnly("Budget less the income received", r.IncomeShortfall, kAdded);
    l.WithOnly("Tax on income without the withdrawal", r.TaxOnIncome, kAdded);
    l.WithOnly("State and local tax, counted again by the estimate", r.StateIncomeTax, kAdded);
    if (const double left = beforeTax - (r.IncomeShortfall + r.TaxOnIncome + r.StateIncomeTax);
        left != 0.0) {
        l.WithOnly("Income above the budget and taxes, not withdrawn", left, kAdded);
    }
    l.WithOnly("Withdrawal before its own tax", beforeTax, kTotal);
    const double federalWith = w.WithWithdrawal.FederalTax;
    l.WithOnly("Federal income tax with the withdrawal", federalWith, kAdded);
    l.WithOnly("less tax on income without the withdrawal", r.TaxOnIncome, kTaken);
    l.WithOnly("State and local tax, counted again by the estimate", r.StateIncomeTax, kAdded);
    if (const double kept = r.TaxOnWithdrawals - (federalWith - r.TaxOnIncome + r.StateIncomeTax);
        kept != 0.0) {
        l.WithOnly("Set to 0 (never below 0, none without taxable income)", kept, kAdded);
    }
    l.WithOnly("Tax on the withdrawal", r.TaxOnWithdrawals, kTotal);
    l.WithOnly("Withdrawal before its own tax", beforeTax, kAdded);
    l.WithOnly("Tax on the withdrawal", r.TaxOnWithdrawals, kAdded);
    l.WithOnly("Withdrawal needed", r.WithdrawalNeeded, kTotal);
    return l.Take();
}

std::string TaxWorkingNote() {
    return "On the results screen, Taxes on Income is the tax on income without the withdrawal, "
           "Taxes on Withdrawals the tax on the withdrawal, and Withdrawal Needed the withdrawal "
           "before its own tax plus that tax, each in whole dollars.";
}

} // namespace velmora

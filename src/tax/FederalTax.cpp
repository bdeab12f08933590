#include "tax/FederalTax.h"

#include "plan/FilingStatus.h"
#include "plan/NumberText.h"
#include "tax/TaxTables2004.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

namespace velmora {
namespace {

// Without a filing status ("Married" neither "Yes" nor "No") every value that
// depends on the status keeps the value of the last run.
FilingStatus StatusOf(const Workspace& ws) {
    return FilingStatusOf(ws.plan.Married);
}

// Ages are whole years: older than 64 means 65 and over.
bool OlderThan64(std::int32_t age) {
    return age > 64;
}

const BracketTopTable& FixedTops(FilingStatus status) {
    return status == FilingStatus::Married ? TaxTables::MarriedBracketTops
                                           : TaxTables::SingleBracketTops;
}

const BracketRateTable& FixedRates(FilingStatus status) {
    return status == FilingStatus::Married ? TaxTables::MarriedBracketRates
                                           : TaxTables::SingleBracketRates;
}

// Rate on dividends or capital gains: none without taxable income, the low rate
// below the top of the 15 percent bracket of the filing status, the high rate
// from that top on. Without a filing status the rate keeps its last value.
void SetLowOrHighRate(const Workspace& ws, double low, double high, double& rate) {
    const double income = ws.tax.TaxableIncome;
    const FilingStatus status = StatusOf(ws);
    if (status != FilingStatus::Neither) {
        const double fifteenPercentTop = static_cast<double>(FixedTops(status)[1]);
        rate = income < fifteenPercentTop ? low : high;
    }
    if (income == 0.0) {
        rate = 0.0;
    }
}

} // namespace

void ComputeExemptions(Workspace& ws) {
    switch (StatusOf(ws)) {
    case FilingStatus::Single:
        ws.tax.Exemptions = TaxTables::PersonalExemption;
        break;
    case FilingStatus::Married:
        ws.tax.Exemptions = 2 * TaxTables::PersonalExemption;
        break;
    case FilingStatus::Neither:
        break;
    }
}

void ComputeStandardDeduction(Workspace& ws) {
    const PlanData& plan = ws.plan;
    switch (StatusOf(ws)) {
    case FilingStatus::Single: // the spouse's age does not count
        ws.tax.StandardDeduction = TaxTables::StandardDeductionSingle;
        if (OlderThan64(plan.AgeSelf)) {
            ws.tax.StandardDeduction += TaxTables::AgedExtraSingle;
        }
        break;
    case FilingStatus::Married:
        ws.tax.StandardDeduction = TaxTables::StandardDeductionMarried;
        if (OlderThan64(plan.AgeSelf)) {
            ws.tax.StandardDeduction += TaxTables::AgedExtraMarried;
        }
        if (OlderThan64(plan.AgeSpouse)) {
            ws.tax.StandardDeduction += TaxTables::AgedExtraMarried;
        }
        break;
    case FilingStatus::Neither:
        break;
    }
}

void ComputeSocialSecurityTaxable(Workspace& ws) {
    TaxValues& tax = ws.tax;
    const ResultValues& income = ws.results;
    const HoldingTotals& totals = ws.totals;
    const double benefits = income.AnnualSocialSecurity;

    if (!(benefits > 0.0)) {
        tax.TaxableSocialSecurity = 0.0;
        tax.SocialSecurityTaxableFraction = 0.0;
        return;
    }

    switch (StatusOf(ws)) {
    case FilingStatus::Single:
        tax.SocialSecurityBase1 = TaxTables::SocialSecurityBaseSingle1;
        tax.SocialSecurityBase2 = TaxTables::SocialSecurityBaseSingle2;
        break;
    case FilingStatus::Married:
        tax.SocialSecurityBase1 = TaxTables::SocialSecurityBaseMarried1;
        tax.SocialSecurityBase2 = TaxTables::SocialSecurityBaseMarried2;
        break;
    case FilingStatus::Neither:
        break;
    }
    const double base1 = static_cast<double>(tax.SocialSecurityBase1);
    const double base2 = static_cast<double>(tax.SocialSecurityBase2);

    // Provisional income: the whole interest and dividend totals count, tax-free
    // parts included; a withdrawal does not.
    const double provisional = income.AnnualTaxFreeBenefits +
                               static_cast<double>(income.AnnualEarnings) + income.AnnualPensions +
                               totals.TotalInterest + totals.TotalDividends +
                               tax.MinimumIraDistribution + 0.5 * benefits;

    // Worksheet of the tax year: half of the provisional income above the first
    // base, limited to half the benefits and to half the distance between the
    // bases; plus 85 percent of the provisional income above the second base;
    // never more than 85 percent of the benefits.
    tax.TaxableSocialSecurity = 0.0;
    if (provisional > base1) {
        const double firstTier =
            std::min(0.5 * benefits, 0.5 * std::min(provisional - base1, base2 - base1));
        const double secondTier = provisional > base2 ? 0.85 * (provisional - base2) : 0.0;
        tax.TaxableSocialSecurity = Round(std::min(0.85 * benefits, firstTier + secondTier));
    }

    // Share of each further dollar of investment income that becomes taxable
    // Social Security, judged by the other income alone.
    const double other = income.AnnualTaxFreeBenefits + static_cast<double>(income.AnnualEarnings) +
                         income.AnnualPensions;
    if (other < base1) {
        tax.SocialSecurityTaxableFraction = 0.0;
    } else if (other < base2) {
        tax.SocialSecurityTaxableFraction = 0.5;
    } else {
        tax.SocialSecurityTaxableFraction = 0.85;
    }
}

void ComputeTaxableIncome(Workspace& ws) {
    ComputeExemptions(ws);
    ComputeStandardDeduction(ws);

    TaxValues& tax = ws.tax;
    const ResultValues& income = ws.results;
    const HoldingTotals& totals = ws.totals;
    // Summed in this order; uses the taxable Social Security of the last run.
    double taxable = income.AnnualPensions + static_cast<double>(income.AnnualEarnings) +
                     totals.TotalInterest - totals.TaxFreeInterest + totals.TotalDividends -
                     totals.TaxFreeDividends + tax.MinimumIraDistribution +
                     tax.TaxableSocialSecurity - static_cast<double>(tax.Exemptions) -
                     static_cast<double>(tax.StandardDeduction) + income.WithdrawalNeeded;
    if (!(taxable >= 1.0)) {
        taxable = 0.0;
    }
    tax.TaxableIncome = taxable;
}

void ComputeIncrementalRate(Workspace& ws) {
    ComputeTaxableIncome(ws);

    TaxValues& tax = ws.tax;
    const double taxable = tax.TaxableIncome;
    const FilingStatus status = StatusOf(ws);
    if (status != FilingStatus::Neither) {
        // Read from the fixed tables; a top belongs to the bracket below it.
        const auto& tops = FixedTops(status);
        const auto& rates = FixedRates(status);
        double rate = rates[0];
        for (std::size_t k = 0; k < tops.size(); ++k) {
            if (taxable > static_cast<double>(tops[k])) {
                rate = rates[k + 1];
            }
        }
        tax.FederalBracketRate = rate;
    }
    const std::int32_t stateRate = ws.plan.StateTaxRate;
    tax.CombinedTaxRate = tax.FederalBracketRate + static_cast<double>(stateRate);
    ws.AppliedStateTaxRate = stateRate;
    if (taxable <= 0.0) {
        tax.FederalBracketRate = 0.0;
        tax.CombinedTaxRate = 0.0;
        ws.AppliedStateTaxRate = 0;
    }
}

void SelectBracketTables(Workspace& ws) {
    const FilingStatus status = StatusOf(ws);
    if (status != FilingStatus::Neither) {
        ws.tax.BracketTops = FixedTops(status);
        ws.tax.BracketRates = FixedRates(status);
    }
}

void ComputeFederalTax(Workspace& ws) {
    ComputeSocialSecurityTaxable(ws);
    ComputeTaxableIncome(ws);
    ComputeIncrementalRate(ws);
    SelectBracketTables(ws);

    // Bracket walk over the working copy of the tables.
    TaxValues& tax = ws.tax;
    const double taxable = tax.TaxableIncome;
    auto& amounts = tax.BracketAmounts;
    amounts.fill(0.0);
    const auto& tops = tax.BracketTops;
    amounts[0] = std::min(taxable, static_cast<double>(tops[0]));
    for (std::size_t i = 1; i < tops.size(); ++i) {
        const double previousTop = static_cast<double>(tops[i - 1]);
        if (taxable > previousTop) {
            amounts[i] = std::min(taxable, static_cast<double>(tops[i])) - previousTop;
        }
    }
    const double lastTop = static_cast<double>(tops.back());
    if (taxable > lastTop) {
        amounts.back() = taxable - lastTop;
    }

    // Each bracket's tax is rounded to whole dollars by itself.
    double federalTax = 0.0;
    for (std::size_t i = 0; i < amounts.size(); ++i) {
        federalTax += Round(amounts[i] * tax.BracketRates[i] * 0.01);
    }
    tax.FederalTax = federalTax;
}

void ComputeDividendTaxRate(Workspace& ws) {
    SetLowOrHighRate(ws, TaxTables::DividendRateLow, TaxTables::DividendRateHigh,
                     ws.tax.DividendTaxRate);
}

void ComputeCapitalGainTaxRate(Workspace& ws) {
    SetLowOrHighRate(ws, TaxTables::CapitalGainRateLow, TaxTables::CapitalGainRateHigh,
                     ws.tax.CapitalGainTaxRate);
}

} // namespace velmora

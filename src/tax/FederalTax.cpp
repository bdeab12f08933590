#include "tax/FederalTax.h"

#include "plan/NumberText.h"
#include "tax/TaxIncome.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

namespace velmora {
namespace {

// Without a filing status ("Married" neither "Yes" nor "No") every value that
// depends on the status keeps the value of the last run.
FilingStatus StatusOf(const TaxRun& run) {
    return run.household.Status;
}

const TaxLaw& LawOf(const TaxRun& run) {
    return run.law;
}

// Ages are whole years: older than 64 means 65 and over.
bool OlderThan64(std::int32_t age) {
    return age > 64;
}

// Rate on dividends or capital gains: none without taxable income, otherwise
// the year's rate for the taxable income and filing status. Without a filing
// status the rate keeps its last value.
void SetQualifiedRate(const TaxRun& ws, double& rate) {
    const double income = ws.tax.TaxableIncome;
    const FilingStatus status = StatusOf(ws);
    if (status != FilingStatus::Neither) {
        const QualifiedRateSchedule& schedule = LawOf(ws).QualifiedRates;
        const auto& breakpoints = schedule.Breakpoints[status];
        double found = schedule.Rates[0];
        for (std::size_t k = 0; k + 1 < schedule.Count; ++k) {
            const double breakpoint = static_cast<double>(breakpoints[k]);
            if (schedule.LowerRateAtBreakpoint ? income > breakpoint : income >= breakpoint) {
                found = schedule.Rates[k + 1];
            }
        }
        rate = found;
    }
    if (income == 0.0) {
        rate = 0.0;
    }
}

// The senior deduction, from the values as they stand: each person older than
// 64 (a single filer's spouse never counts) gets the year's amount less its
// percentage of the modified adjusted gross income above the status's
// threshold, never below 0.
void ComputeSeniorDeduction(const TaxRun& ws) {
    TaxValues& tax = ws.tax;
    const TaxHousehold& household = ws.household;
    const FilingStatus status = StatusOf(ws);
    std::int32_t seniors = 0;
    if (status != FilingStatus::Neither && OlderThan64(household.AgeSelf)) {
        ++seniors;
    }
    if (status == FilingStatus::Married && OlderThan64(household.AgeSpouse)) {
        ++seniors;
    }

    double share = 0.0;
    if (seniors > 0) {
        const SeniorDeductionRule& rule = LawOf(ws).SeniorDeduction;
        const double magi = SeniorDeductionIncome(tax.Income, tax.TaxableSocialSecurity);
        const double excess = magi - static_cast<double>(rule.PhaseOutThreshold[status]);
        share = static_cast<double>(rule.PerSenior);
        if (!(excess <= 0.0)) { // an income that is not a number leaves no share
            share -= excess * rule.PhaseOutPercent / 100;
        }
        if (!(share > 0.0)) {
            share = 0.0;
        }
    }
    tax.Seniors = seniors;
    tax.SeniorShare = share;
    tax.SeniorDeduction = seniors * share;
}

// While the senior deduction is phasing out, each further dollar of income
// also takes the phase-out percentage off every senior's share, and so adds
// 1 + percentage * seniors dollars of taxable income.
double PhaseOutRate(const TaxRun& ws, double bracketRate) {
    const TaxValues& tax = ws.tax;
    const SeniorDeductionRule& rule = LawOf(ws).SeniorDeduction;
    const double perSenior = static_cast<double>(rule.PerSenior);
    if (tax.Seniors > 0 && tax.SeniorShare > 0.0 && tax.SeniorShare < perSenior) {
        // In hundredths, so that 22 * 1.06 is the nearest double to 23.32.
        return bracketRate * (100 + rule.PhaseOutPercent * tax.Seniors) / 100;
    }
    return bracketRate;
}

} // namespace

void ComputeExemptions(const TaxRun& ws) {
    const std::int64_t perPerson = LawOf(ws).PersonalExemption;
    switch (StatusOf(ws)) {
    case FilingStatus::Single:
        ws.tax.Exemptions = perPerson;
        break;
    case FilingStatus::Married:
        ws.tax.Exemptions = 2 * perPerson;
        break;
    case FilingStatus::Neither:
        break;
    }
}

void ComputeStandardDeduction(const TaxRun& ws) {
    const TaxHousehold& plan = ws.household;
    const FilingStatus status = StatusOf(ws);
    if (status == FilingStatus::Neither) {
        return;
    }
    const TaxLaw& law = LawOf(ws);
    const std::int64_t extra = law.AgedExtra[status];
    std::int64_t aged = 0;
    if (OlderThan64(plan.AgeSelf)) {
        aged += extra;
    }
    // A single filer's spouse does not count.
    if (status == FilingStatus::Married && OlderThan64(plan.AgeSpouse)) {
        aged += extra;
    }
    ws.tax.AgedDeduction = aged;
    ws.tax.StandardDeduction = law.StandardDeduction[status] + aged;
}

void ComputeSocialSecurityTaxable(const TaxRun& ws) {
    TaxValues& tax = ws.tax;
    const TaxIncome& income = tax.Income;
    const double benefits = income.SocialSecurity;

    if (!(benefits > 0.0)) {
        tax.ProvisionalIncome = 0.0;
        tax.TaxableSocialSecurity = 0.0;
        tax.SocialSecurityTaxableFraction = 0.0;
        return;
    }

    if (const FilingStatus status = StatusOf(ws); status != FilingStatus::Neither) {
        tax.SocialSecurityBase1 = LawOf(ws).SocialSecurityBase1[status];
        tax.SocialSecurityBase2 = LawOf(ws).SocialSecurityBase2[status];
    }
    const double base1 = static_cast<double>(tax.SocialSecurityBase1);
    const double base2 = static_cast<double>(tax.SocialSecurityBase2);

    const double provisional = ProvisionalIncome(income, LawOf(ws).Rules);
    tax.ProvisionalIncome = provisional;

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
    const double other = OtherIncome(income);
    if (other < base1) {
        tax.SocialSecurityTaxableFraction = 0.0;
    } else if (other < base2) {
        tax.SocialSecurityTaxableFraction = 0.5;
    } else {
        tax.SocialSecurityTaxableFraction = 0.85;
    }
}

void ComputeTaxableIncome(const TaxRun& ws) {
    ComputeExemptions(ws);
    ComputeStandardDeduction(ws);
    ComputeSeniorDeduction(ws);

    TaxValues& tax = ws.tax;
    // Summed in this order; uses the taxable Social Security of the last run.
    const double taxedIncome = TaxedIncome(tax.Income, LawOf(ws).Rules);
    const double ordinary = tax.Income.Ordinary();
    double taxable = taxedIncome + tax.TaxableSocialSecurity - static_cast<double>(tax.Exemptions) -
                     static_cast<double>(tax.StandardDeduction) - tax.SeniorDeduction + ordinary;
    tax.AdjustedGrossIncome = taxedIncome + tax.TaxableSocialSecurity + ordinary;
    if (!(taxable >= 1.0)) {
        taxable = 0.0;
    }
    tax.TaxableIncome = taxable;
}

namespace {

// The rates for the taxable income as last worked out.
void SetIncrementalRate(const TaxRun& ws) {
    TaxValues& tax = ws.tax;
    const double taxable = tax.TaxableIncome;
    const FilingStatus status = StatusOf(ws);
    if (status != FilingStatus::Neither) {
        // Read from the law, not the working copy; a top belongs to the bracket below it.
        const RateSchedule& schedule = LawOf(ws).Brackets[status];
        double rate = schedule.Rates[0];
        for (std::size_t k = 0; k + 1 < schedule.Count; ++k) {
            if (taxable > static_cast<double>(schedule.Tops[k])) {
                rate = schedule.Rates[k + 1];
            }
        }
        tax.FederalBracketRate = PhaseOutRate(ws, rate);
    }
    const std::int32_t stateRate = ws.household.StateTaxRate;
    tax.CombinedTaxRate = tax.FederalBracketRate + static_cast<double>(stateRate);
    ws.AppliedStateTaxRate = stateRate;
    if (taxable <= 0.0) {
        tax.FederalBracketRate = 0.0;
        if (LawOf(ws).Rules.StateTaxStandsAlone) {
            tax.CombinedTaxRate = 0.0 + static_cast<double>(stateRate);
        } else {
            tax.CombinedTaxRate = 0.0;
            ws.AppliedStateTaxRate = 0;
        }
    }
}

} // namespace

void ComputeIncrementalRate(const TaxRun& ws) {
    ComputeTaxableIncome(ws);
    SetIncrementalRate(ws);
}

void SelectBracketTables(const TaxRun& ws) {
    const FilingStatus status = StatusOf(ws);
    if (status != FilingStatus::Neither) {
        const RateSchedule& schedule = LawOf(ws).Brackets[status];
        ws.tax.BracketCount = schedule.Count;
        ws.tax.BracketTops = schedule.Tops;
        ws.tax.BracketRates = schedule.Rates;
    }
}

namespace {

// Bracket walk over the working copy of the schedule: every bracket but the
// last holds the income up to its top, the last holds the rest. Each bracket's
// tax is rounded to whole dollars by itself.
double BracketWalk(const TaxValues& tax, double taxable,
                   std::array<double, kMaxBrackets>& amounts) {
    amounts.fill(0.0);
    const std::size_t count = std::min(tax.BracketCount, kMaxBrackets);
    double previousTop = 0.0;
    double total = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        // Above the income every bracket holds nothing, and its tax is 0.
        if (i > 0 && !(taxable > previousTop)) {
            break;
        }
        const bool last = i + 1 == count;
        const double top = last ? taxable : static_cast<double>(tax.BracketTops[i]);
        amounts[i] = i == 0 ? std::min(taxable, top) : std::min(taxable, top) - previousTop;
        total += Round(amounts[i] * tax.BracketRates[i] * 0.01);
        previousTop = top;
    }
    return total;
}

// The tax on the qualified part at the qualified rates, stacked above the
// ordinary part as the worksheet does: each rate takes what is left of the
// qualified income up to its breakpoint, counted from where the rate below it
// ended; the last rate takes the rest. Each rate's tax is rounded by itself.
double StackedQualifiedTax(const TaxRun& ws, FilingStatus status, double ordinary,
                           double qualified) {
    const QualifiedRateSchedule& schedule = LawOf(ws).QualifiedRates;
    const auto& breakpoints = schedule.Breakpoints[status];
    double position = ordinary;
    double left = qualified;
    double total = 0.0;
    for (std::size_t k = 0; k < schedule.Count; ++k) {
        double part = left;
        if (k + 1 < schedule.Count) {
            const double room = static_cast<double>(breakpoints[k]) - position;
            part = std::min(left, room > 0.0 ? room : 0.0);
        }
        total += Round(part * schedule.Rates[k] * 0.01);
        position += part;
        left -= part;
    }
    return total;
}

} // namespace

void ComputeFederalTax(const TaxRun& ws) {
    ComputeSocialSecurityTaxable(ws);
    ComputeTaxableIncome(ws);
    // The incremental rate; its own run of the taxable income would give the
    // same figures from the same income, so it is not run again.
    SetIncrementalRate(ws);
    SelectBracketTables(ws);

    TaxValues& tax = ws.tax;
    const double taxable = tax.TaxableIncome;
    const double regular = BracketWalk(tax, taxable, tax.BracketAmounts);
    tax.RegularTax = regular;
    tax.OrdinaryIncome = taxable;
    tax.QualifiedIncome = 0.0;
    tax.TaxOnOrdinary = regular;
    tax.TaxOnQualified = 0.0;
    tax.FederalTax = regular;

    const FilingStatus status = StatusOf(ws);
    if (!LawOf(ws).Rules.QualifiedRatesStacked || status == FilingStatus::Neither) {
        return;
    }
    // Qualified dividends of the taxable rows and the capital gain distributions,
    // no more than the taxable income and never below 0; the tax is the smaller
    // of the split and the regular tax (the worksheet's last line).
    const TaxIncome& income = tax.Income;
    const double qualified = std::min(income.QualifiedDividends + income.CapitalGains(), taxable);
    if (!(qualified > 0.0)) {
        return; // nothing qualified: the split is the regular tax itself
    }
    const double ordinary = taxable - qualified;
    std::array<double, kMaxBrackets> ordinaryAmounts{};
    tax.OrdinaryIncome = ordinary;
    tax.QualifiedIncome = qualified;
    tax.TaxOnOrdinary = BracketWalk(tax, ordinary, ordinaryAmounts);
    tax.TaxOnQualified = StackedQualifiedTax(ws, status, ordinary, qualified);
    tax.FederalTax = std::min(tax.TaxOnOrdinary + tax.TaxOnQualified, regular);
}

void ComputeDividendTaxRate(const TaxRun& ws) {
    SetQualifiedRate(ws, ws.tax.DividendTaxRate);
}

void ComputeCapitalGainTaxRate(const TaxRun& ws) {
    SetQualifiedRate(ws, ws.tax.CapitalGainTaxRate);
}

TaxHousehold HouseholdOf(const PlanData& plan) {
    return {FilingStatusOf(plan.Married), plan.AgeSelf, plan.AgeSpouse, plan.StateTaxRate};
}

TaxRun RunOf(Workspace& ws) {
    return {ws.taxYear.Law(), HouseholdOf(ws.plan), ws.tax, ws.AppliedStateTaxRate};
}

} // namespace velmora

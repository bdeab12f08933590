#pragma once
// The federal law of one tax year: every figure the tax engine works from. Each
// year's figures, with the public source of each, are in TaxLaw<year>.h; the
// years the program knows are listed in TaxYear.cpp.

#include "plan/FilingStatus.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace velmora {

// A figure that differs by filing status: the single filer's, then the married
// couple's, looked up by the status. A household without a status ("Married"
// neither "Yes" nor "No") has no figure: the tax engine then keeps the values
// of its last run and never looks one up.
template <typename T> class ByFilingStatus {
public:
    constexpr ByFilingStatus(T single, T married) : values_{single, married} {}

    constexpr const T& operator[](FilingStatus status) const {
        return values_[status == FilingStatus::Married ? 1 : 0];
    }

private:
    std::array<T, 2> values_;
};

// The most brackets a year has (seven from 2018 on; six in 2004).
inline constexpr std::size_t kMaxBrackets = 7;
using BracketTopTable = std::array<std::int64_t, kMaxBrackets - 1>;
using BracketRateTable = std::array<double, kMaxBrackets>;

// A rate schedule: Count brackets, the percent rate of each and the tops of all
// but the last, in dollars of taxable income. A top belongs to the bracket
// below it. Entries past Count are 0.
struct RateSchedule {
    std::size_t Count;
    BracketTopTable Tops;
    BracketRateTable Rates;
};

// Rates on qualified dividends and on capital gains (one schedule for both):
// Rates[0] up to the first breakpoint, the next rate above each breakpoint.
// Whether a taxable income exactly at a breakpoint keeps the lower rate is part
// of each year's rule.
inline constexpr std::size_t kMaxQualifiedRates = 3;
struct QualifiedRateSchedule {
    std::size_t Count;
    ByFilingStatus<std::array<std::int64_t, kMaxQualifiedRates - 1>> Breakpoints;
    std::array<double, kMaxQualifiedRates> Rates;
    bool LowerRateAtBreakpoint;
};

// The deduction for each person older than 64, less a percentage of the
// household's modified adjusted gross income above a threshold, never below 0.
// LastYear is the last tax year it is allowed; none after it.
struct SeniorDeductionRule {
    std::int64_t PerSenior;
    std::int32_t LastYear;
    ByFilingStatus<std::int64_t> PhaseOutThreshold;
    double PhaseOutPercent;
};

// Minimum IRA withdrawal: due from FirstAge (whole years), with the divisors of
// the year's life-expectancy table for ages TableFirstAge on; every age past the
// table uses its last divisor. FirstAgeWords is the age as the screens say it.
// A person born in LaterFirstAgeBirthYear or later starts at LaterFirstAge
// instead (0: no such rule).
struct MinimumDistributionRule {
    std::int32_t FirstAge;
    std::string_view FirstAgeWords;
    std::int32_t LaterFirstAge;
    std::string_view LaterFirstAgeWords;
    std::int32_t LaterFirstAgeBirthYear;
    std::int32_t TableFirstAge;
    std::span<const double> Divisors;
};

// Where the year's tax differs in how it is worked out, not only in its figures:
// which rules of the return the engine follows. Each year's table cites its choice.
struct ReturnRules {
    // Provisional income as 26 U.S.C. 86(b): the withdrawal and the capital gain
    // distributions count, tax-free benefits do not. Otherwise the household's
    // whole income without the withdrawal and the distributions, tax-free
    // benefits included.
    bool StatutoryProvisionalIncome;
    // Capital gain distributions are part of taxable income and taxed inside the
    // federal tax; otherwise they stay out of it and the tax on income adds their
    // own tax at the capital-gain rate.
    bool GainsInTaxableIncome;
    // Qualified dividends and capital gains are taxed at the qualified rates,
    // stacked above the ordinary income, never more than the regular tax.
    bool QualifiedRatesStacked;
    // The state tax stays when the federal taxable income is 0.
    bool StateTaxStandsAlone;
};

// Which dollar figures a later year carries forward with prices (rounded down
// to 50 dollars); every other figure stays as it is.
struct IndexedFigures {
    bool PersonalExemption;
    bool StandardDeduction;
    bool AgedExtra;
    bool BracketTops;
    bool QualifiedBreakpoints;
};

struct TaxLaw {
    std::int32_t Year;
    ReturnRules Rules;
    std::int64_t PersonalExemption; // per person: one single, two married
    ByFilingStatus<std::int64_t> StandardDeduction;
    // Added to the standard deduction for a single filer older than 64, and
    // for each spouse older than 64.
    ByFilingStatus<std::int64_t> AgedExtra;
    SeniorDeductionRule SeniorDeduction;
    ByFilingStatus<RateSchedule> Brackets;
    ByFilingStatus<std::int64_t> SocialSecurityBase1;
    ByFilingStatus<std::int64_t> SocialSecurityBase2;
    QualifiedRateSchedule QualifiedRates;
    MinimumDistributionRule MinimumDistribution;
    IndexedFigures Indexed;
};

namespace detail {

constexpr bool Ascending(std::span<const std::int64_t> values) {
    for (std::size_t i = 1; i < values.size(); ++i) {
        if (!(values[i - 1] < values[i])) {
            return false;
        }
    }
    return values.empty() || values.front() > 0;
}

constexpr bool WellFormed(const RateSchedule& schedule) {
    return schedule.Count >= 1 && schedule.Count <= kMaxBrackets &&
           Ascending(std::span(schedule.Tops).first(schedule.Count - 1));
}

} // namespace detail

// What the calculations rely on: brackets and breakpoints in rising order within
// their arrays, and a positive divisor for every age from which a withdrawal is due.
constexpr bool WellFormed(const TaxLaw& law) {
    const QualifiedRateSchedule& q = law.QualifiedRates;
    bool ok = q.Count >= 1 && q.Count <= kMaxQualifiedRates;
    for (const FilingStatus status : {FilingStatus::Single, FilingStatus::Married}) {
        ok = ok && detail::WellFormed(law.Brackets[status]) &&
             law.SocialSecurityBase1[status] < law.SocialSecurityBase2[status] &&
             detail::Ascending(std::span(q.Breakpoints[status]).first(q.Count - 1));
    }
    const MinimumDistributionRule& rmd = law.MinimumDistribution;
    ok = ok && !rmd.Divisors.empty() && rmd.FirstAge >= rmd.TableFirstAge;
    for (const double divisor : rmd.Divisors) {
        ok = ok && divisor > 0;
    }
    return ok;
}

} // namespace velmora

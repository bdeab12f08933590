#include "tax/IndexedLaw.h"

#include "plan/FilingStatus.h"

#include <cmath>
#include <cstddef>
#include <limits>

namespace velmora {
namespace {

// floor(figure x factor / 50) x 50, as the yearly adjustments round down to
// 50 dollars; false when that leaves the 32-bit range (or is not a number).
bool Indexed(std::int64_t& figure, double factor) {
    const double fifties = std::floor(static_cast<double>(figure) * factor / 50);
    const double dollars = fifties * 50;
    if (!(dollars >= std::numeric_limits<std::int32_t>::min() &&
          dollars <= std::numeric_limits<std::int32_t>::max())) {
        return false;
    }
    figure = static_cast<std::int64_t>(dollars);
    return true;
}

// Both filing statuses' figures, each indexed by `index`.
template <typename T, typename Index> bool IndexedBoth(ByFilingStatus<T>& figures, Index index) {
    T single = figures[FilingStatus::Single];
    T married = figures[FilingStatus::Married];
    const bool ok = index(single) && index(married);
    figures = ByFilingStatus<T>(single, married);
    return ok;
}

} // namespace

std::optional<TaxLaw> IndexedLaw(const TaxLaw& law, std::int32_t year, double factor,
                                 std::int64_t birthYear) {
    TaxLaw indexed = law;
    indexed.Year = year;
    const auto figure = [factor](std::int64_t& value) { return Indexed(value, factor); };
    const auto tops = [factor](RateSchedule& brackets) {
        bool ok = true;
        for (std::size_t k = 0; k + 1 < brackets.Count && k < brackets.Tops.size(); ++k) {
            ok = ok && Indexed(brackets.Tops[k], factor);
        }
        return ok;
    };
    const std::size_t breakpointCount = indexed.QualifiedRates.Count - 1;
    const auto breakpoints = [factor, breakpointCount](auto& values) {
        bool ok = true;
        for (std::size_t k = 0; k < breakpointCount && k < values.size(); ++k) {
            ok = ok && Indexed(values[k], factor);
        }
        return ok;
    };
    const IndexedFigures& which = law.Indexed;
    const bool ok = (!which.PersonalExemption || Indexed(indexed.PersonalExemption, factor)) &&
                    (!which.StandardDeduction || IndexedBoth(indexed.StandardDeduction, figure)) &&
                    (!which.AgedExtra || IndexedBoth(indexed.AgedExtra, figure)) &&
                    (!which.BracketTops || IndexedBoth(indexed.Brackets, tops)) &&
                    (!which.QualifiedBreakpoints ||
                     IndexedBoth(indexed.QualifiedRates.Breakpoints, breakpoints));
    if (!ok) {
        return std::nullopt;
    }

    if (year > law.SeniorDeduction.LastYear) {
        indexed.SeniorDeduction.PerSenior = 0;
    }
    const MinimumDistributionRule& rmd = law.MinimumDistribution;
    if (rmd.LaterFirstAge > 0 && birthYear >= rmd.LaterFirstAgeBirthYear) {
        indexed.MinimumDistribution.FirstAge = rmd.LaterFirstAge;
        indexed.MinimumDistribution.FirstAgeWords = rmd.LaterFirstAgeWords;
    }
    return indexed;
}

} // namespace velmora

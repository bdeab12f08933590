#include "projection/Projection.h"

#include "Workspace.h"
#include "plan/FilingStatus.h"
#include "plan/NumberText.h"
#include "projection/YearEnd.h"
#include "results/ResultsCalculation.h"
#include "tax/IndexedLaw.h"

#include <algorithm>
#include <limits>
#include <memory>
#include <utility>

namespace velmora::projection {
namespace {

bool IsMarried(const PlanData& plan) {
    return FilingStatusOf(plan.Married) == FilingStatus::Married;
}

// Every calculation value back to 0, the rows' Err included, as at a fresh start.
void FreshStart(Workspace& ws) {
    ws.AppliedStateTaxRate = 0;
    ws.tax = {};
    ws.totals = {};
    ws.results = {};
    for (IraHolding& row : ws.plan.IraHoldings) {
        row.Err = 0.0;
    }
    for (IraHolding& row : ws.plan.RothHoldings) {
        row.Err = 0.0;
    }
    for (DebtHolding& row : ws.plan.DebtHoldings) {
        row.Err = 0.0;
    }
    for (EquityHolding& row : ws.plan.EquityHoldings) {
        row.Err = 0.0;
    }
}

// Round(amount x f) into a 32-bit field; false when it would leave the range.
bool Carried(std::int32_t& field, std::int32_t amount, double f) {
    const double value = Round(static_cast<double>(amount) * f);
    if (!(value >= std::numeric_limits<std::int32_t>::min() &&
          value <= std::numeric_limits<std::int32_t>::max())) {
        return false;
    }
    field = static_cast<std::int32_t>(value);
    return true;
}

bool AddYears(std::int32_t& age, std::int32_t start, std::int32_t k) {
    const std::int64_t value = std::int64_t{start} + k;
    if (value > std::numeric_limits<std::int32_t>::max()) {
        return false;
    }
    age = static_cast<std::int32_t>(value);
    return true;
}

// The plan of year k from the plan after the year's end of year k - 1.
bool RollForward(PlanData& plan, const PlanData& start, std::int32_t k, double f,
                 const Settings& settings) {
    if (!AddYears(plan.AgeSelf, start.AgeSelf, k) ||
        !AddYears(plan.AgeSpouse, start.AgeSpouse, k) ||
        !Carried(plan.AnnualBudget, start.AnnualBudget, f) ||
        !Carried(plan.SocialSecuritySelf, start.SocialSecuritySelf, f) ||
        !Carried(plan.SocialSecuritySpouse, start.SocialSecuritySpouse, f)) {
        return false;
    }
    if (settings.PensionsIndexed && (!Carried(plan.PensionSelf, start.PensionSelf, f) ||
                                     !Carried(plan.PensionSpouse, start.PensionSpouse, f))) {
        return false;
    }
    if (plan.AgeSelf >= settings.EarningsEndAge) {
        plan.EarningsSelf = 0;
    }
    if (plan.AgeSpouse >= settings.EarningsEndAge) {
        plan.EarningsSpouse = 0;
    }
    return true;
}

// The year as its plan and calculation left it, with what its year's end
// filled in; the calculation's values move over, as the next year starts
// from a fresh start anyway.
ProjectedYear Shown(Workspace& ws, std::int32_t year, ProjectedYear ended) {
    ProjectedYear shown = std::move(ended); // what the year's end filled in
    shown.Year = year;
    shown.AgeSelf = ws.plan.AgeSelf;
    shown.AgeSpouse = ws.plan.AgeSpouse;
    shown.Married = IsMarried(ws.plan);
    shown.tax = ws.tax;
    shown.totals = ws.totals;
    shown.results = std::move(ws.results);
    shown.AppliedStateTaxRate = ws.AppliedStateTaxRate;
    shown.AnnualBudget = ws.plan.AnnualBudget;
    return shown;
}

} // namespace

std::int32_t YearCount(const PlanData& plan, const Settings& settings) {
    const std::int64_t younger =
        IsMarried(plan) ? std::min(plan.AgeSelf, plan.AgeSpouse) : plan.AgeSelf;
    const std::int64_t later = std::min<std::int64_t>(
        kMostLaterYears, std::max<std::int64_t>(0, settings.ThroughAge - younger));
    return static_cast<std::int32_t>(later) + 1;
}

namespace {

// The first `most` years of the projection, or all when `most` is negative.
Projection ProjectYears(const PlanData& plan, const TaxYear& taxYear, const Settings& settings,
                        std::int32_t most) {
    Projection projection;
    projection.TaxYear = taxYear.Number();
    projection.settings = settings;

    // The workspace is large (four ranking arrays), so it lives on the heap.
    const auto ws = std::make_unique<Workspace>();
    ws->plan = plan;
    ws->taxYear = taxYear;
    FreshStart(*ws);
    results::Calculate(*ws);
    const auto start = std::make_unique<const PlanData>(ws->plan);

    const std::int32_t all = YearCount(*start, settings);
    const std::int32_t count = most < 0 ? all : std::min(all, most);
    const std::int64_t birthYear = std::int64_t{projection.TaxYear} - start->AgeSelf;
    const double inflation = 1 + start->InflationRate * 0.01;
    double f = 1.0;
    std::unique_ptr<TaxLaw> law; // the law of the year in force, from year 1 on
    CarriedOver carried;
    projection.Years.reserve(static_cast<std::size_t>(count));
    for (std::int32_t k = 0; k < count; ++k) {
        const std::int32_t number = projection.TaxYear + k;
        if (k > 0) {
            f = f * inflation;
            std::optional<TaxLaw> indexed = IndexedLaw(taxYear.Law(), number, f, birthYear);
            if (!indexed || !RollForward(ws->plan, *start, k, f, settings)) {
                projection.StoppedBefore = number;
                break;
            }
            law = std::make_unique<TaxLaw>(*indexed);
            ws->taxYear = TaxYear::Referring(*law);
            FreshStart(*ws);
            results::Calculate(*ws);
        }
        ProjectedYear year;
        if (!EndYear(*ws, *start, settings.way, carried, year)) {
            projection.StoppedBefore = number;
            break;
        }
        year = Shown(*ws, number, std::move(year));
        if (year.Shortfall > 0 && !projection.RunsOut) {
            projection.RunsOut = number;
        }
        projection.Years.push_back(std::move(year));
    }
    return projection;
}

} // namespace

Projection Project(const PlanData& plan, const TaxYear& taxYear, const Settings& settings) {
    return ProjectYears(plan, taxYear, settings, -1);
}

std::optional<ProjectedYear> YearZero(const PlanData& plan, const TaxYear& taxYear, Way way) {
    Settings settings;
    settings.way = way;
    Projection first = ProjectYears(plan, taxYear, settings, 1);
    if (first.Years.empty()) {
        return std::nullopt;
    }
    return std::move(first.Years.front());
}

} // namespace velmora::projection

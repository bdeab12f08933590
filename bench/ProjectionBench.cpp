// The years ahead of a full plan: 61 years (year 0 and the 60 that may follow),
// every row of the four tables named and holding money.

#include "FullPlan.h"
#include "Workspace.h"
#include "projection/Projection.h"
#include "projection/ProjectionReports.h"
#include "projection/WaysCompared.h"
#include "results/ResultsCalculation.h"
#include "results/ResultsJson.h"
#include "tax/TaxYear.h"

#include <benchmark/benchmark.h>
#include <memory>

namespace {

void BM_Projection61Years(benchmark::State& state, std::int32_t taxYear) {
    velmora::PlanData plan = velmora::bench::FullPlan();
    plan.AgeSpouse = 45; // the younger reaches 110 after more than 60 years
    const velmora::projection::Settings settings{.ThroughAge = 110};
    const velmora::TaxYear year = *velmora::TaxYear::Find(taxYear);
    for (auto _ : state) {
        const velmora::projection::Projection years =
            velmora::projection::Project(plan, year, settings);
        if (years.Years.size() != 61) {
            state.SkipWithError("the full plan does not run 61 years");
            break;
        }
        benchmark::DoNotOptimize(years.Years.back().EndInvestments);
    }
}
BENCHMARK_CAPTURE(BM_Projection61Years, 2004, 2004)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Projection61Years, 2026, 2026)->Unit(benchmark::kMillisecond);

// What the report tool does after reading the plan, under 2026: the one-year
// report's calculation and JSON, and the 61 years' projection and JSON (which
// should cost at most twice as much as the whole one-year run of the tool,
// start-up included).
void BM_ReportJsonOneYear(benchmark::State& state) {
    const velmora::PlanData plan = velmora::bench::FullPlan();
    for (auto _ : state) {
        const auto ws = std::make_unique<velmora::Workspace>();
        ws->plan = plan;
        ws->taxYear = *velmora::TaxYear::Find(2026);
        velmora::results::Calculate(*ws);
        benchmark::DoNotOptimize(velmora::results::ResultsJson(*ws).size());
    }
}
BENCHMARK(BM_ReportJsonOneYear)->Unit(benchmark::kMillisecond);

void BM_ReportJson61Years(benchmark::State& state) {
    velmora::PlanData plan = velmora::bench::FullPlan();
    plan.AgeSpouse = 45;
    const velmora::TaxYear year = *velmora::TaxYear::Find(2026);
    for (auto _ : state) {
        const velmora::projection::Projection years =
            velmora::projection::Project(plan, year, {.ThroughAge = 110});
        benchmark::DoNotOptimize(velmora::projection::ProjectionJson(years).size());
    }
}
BENCHMARK(BM_ReportJson61Years)->Unit(benchmark::kMillisecond);

// The four ways side by side over 61 years of the full plan: at most four
// times one projection (BM_Projection61Years/2026).
void BM_CompareWays61Years(benchmark::State& state) {
    velmora::PlanData plan = velmora::bench::FullPlan();
    plan.AgeSpouse = 45;
    const velmora::TaxYear year = *velmora::TaxYear::Find(2026);
    for (auto _ : state) {
        const velmora::projection::WaysCompared ways =
            velmora::projection::CompareWays(plan, year, {.ThroughAge = 110});
        benchmark::DoNotOptimize(ways.Lines.back().Taxes);
    }
}
BENCHMARK(BM_CompareWays61Years)->Unit(benchmark::kMillisecond);

// Each way alone, to see which the comparison spends its time on.
void BM_Way61Years(benchmark::State& state, velmora::projection::Way way) {
    velmora::PlanData plan = velmora::bench::FullPlan();
    plan.AgeSpouse = 45;
    const velmora::TaxYear year = *velmora::TaxYear::Find(2026);
    for (auto _ : state) {
        const velmora::projection::Projection years =
            velmora::projection::Project(plan, year, {.ThroughAge = 110, .way = way});
        benchmark::DoNotOptimize(years.Years.back().EndInvestments);
    }
}
BENCHMARK_CAPTURE(BM_Way61Years, TaxableFirst, velmora::projection::Way::TaxableFirst)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Way61Years, ProRata, velmora::projection::Way::ProRata)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Way61Years, IraToBracket, velmora::projection::Way::IraToBracket)
    ->Unit(benchmark::kMillisecond);

// What the Years Ahead screen works out when a setting changes on a 30-year
// plan with Compare Ways open: one projection and the four ways.
void BM_SettingChange30Years(benchmark::State& state) {
    velmora::PlanData plan = velmora::bench::FullPlan();
    plan.AgeSpouse = 65;
    plan.AgeSelf = 66;
    const velmora::TaxYear year = *velmora::TaxYear::Find(2026);
    for (auto _ : state) {
        const velmora::projection::Projection years =
            velmora::projection::Project(plan, year, {.ThroughAge = 95});
        const velmora::projection::WaysCompared ways =
            velmora::projection::CompareWays(plan, year, {.ThroughAge = 95});
        benchmark::DoNotOptimize(years.Years.size() + ways.Lines.size());
    }
}
BENCHMARK(BM_SettingChange30Years)->Unit(benchmark::kMillisecond);

} // namespace

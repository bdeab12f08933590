// The years ahead of a full plan: 61 years (year 0 and the 60 that may follow),
// every row of the four tables named and holding money.

#include "FullPlan.h"
#include "projection/Projection.h"
#include "tax/TaxYear.h"

#include <benchmark/benchmark.h>

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

} // namespace

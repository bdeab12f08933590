// The whole results calculation on a full plan: every row of the four tables
// named and holding money, spread over all four risk categories.

#include "FullPlan.h"
#include "results/ResultsCalculation.h"
#include "results/RiskRanking.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <string>

namespace {

using velmora::Workspace;

std::unique_ptr<Workspace> FullPlan() {
    auto ws = std::make_unique<Workspace>();
    ws->plan = velmora::bench::FullPlan();
    return ws;
}

void BM_ResultsCalculate(benchmark::State& state) {
    const auto ws = FullPlan();
    for (auto _ : state) {
        velmora::results::Calculate(*ws);
        benchmark::DoNotOptimize(ws->results.WithdrawalNeeded);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ResultsCalculate)->Unit(benchmark::kMicrosecond);

} // namespace

namespace {

// The ranking alone (gathering, sorting, box texts), on the Err values of a full run.
void BM_Ranking(benchmark::State& state) {
    const auto ws = FullPlan();
    velmora::results::Calculate(*ws);
    for (auto _ : state) {
        velmora::results::LoadArrays(*ws);
        for (int k = 0; k < velmora::kCategories; ++k) {
            velmora::results::SortCategory(*ws, k, 1, ws->ranking.CategoryCount[k]);
        }
        velmora::results::ShowRanking(*ws);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Ranking)->Unit(benchmark::kMicrosecond);

} // namespace

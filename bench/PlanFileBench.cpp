// Loading and saving a full plan: every row of every table named and filled.

#include "FullPlan.h"
#include "plan/PlanFile.h"
#include "plan/PlanWriter.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace velmora {
namespace {

using bench::FullPlan;

// A folder of its own for the benchmark, removed at the end.
class BenchFolder {
public:
    BenchFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "velmora-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr) {
            path_ = pattern;
        }
    }
    ~BenchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;
    std::string PlanPath() const { return path_ + "/" + kPlanFileName; }

private:
    std::string path_;
};

void BM_LoadPlanFile(benchmark::State& state) {
    BenchFolder folder;
    if (SavePlan(FullPlan(), folder.PlanPath())) {
        state.SkipWithError("cannot write the plan file");
        return;
    }
    for (auto _ : state) {
        PlanData plan;
        LoadPlan(plan, folder.PlanPath());
        benchmark::DoNotOptimize(plan);
    }
}
BENCHMARK(BM_LoadPlanFile);

// The whole save: temporary file, sync, backup, rename and sync of the folder.
void BM_SavePlanFile(benchmark::State& state) {
    BenchFolder folder;
    const PlanData plan = FullPlan();
    for (auto _ : state) {
        if (SavePlan(plan, folder.PlanPath())) {
            state.SkipWithError("save failed");
            break;
        }
    }
}
BENCHMARK(BM_SavePlanFile)->Unit(benchmark::kMicrosecond);

void BM_ReadPlanText(benchmark::State& state) {
    const std::string text = PlanFileText(FullPlan());
    for (auto _ : state) {
        PlanData plan;
        LoadPlanFromBytes(plan, text);
        benchmark::DoNotOptimize(plan);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ReadPlanText);

void BM_WritePlanText(benchmark::State& state) {
    const PlanData plan = FullPlan();
    for (auto _ : state) {
        benchmark::DoNotOptimize(PlanFileText(plan));
    }
}
BENCHMARK(BM_WritePlanText);

} // namespace
} // namespace velmora

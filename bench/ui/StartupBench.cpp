// Start-up as a whole process, dynamic loading included: Velmora's start-up
// probe (the program's own start-up on a full plan file, ended at the first
// paint of the title screen) against a bare Qt main window with a menu bar,
// started in turn, timed to their exit, with their peak memory from wait4()
// (through velmora_process_meter).
// VELMORA_BEFORE_PROBE may name the start-up probe of another build (e.g. an
// earlier commit), which then runs in the same turns for comparison.

#include "FullPlan.h"
#include "app/ui/Application.h"
#include "plan/PlanFile.h"

#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace velmora::bench {
namespace {

struct ProcessRun {
    double seconds = 0;
    double processorSeconds = 0; // user and system time: less disturbed by a busy machine
    double peakMiB = 0;
    bool ok = false;
};

// Runs `program` in `folder` on the offscreen platform through the process
// meter, the program's output discarded.
ProcessRun Run(const std::string& program, const std::string& folder) {
    std::vector<std::string> settings;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        if (std::string(*entry).rfind("QT_QPA_PLATFORM=", 0) != 0) {
            settings.emplace_back(*entry);
        }
    }
    settings.emplace_back("QT_QPA_PLATFORM=offscreen");
    std::vector<char*> envp;
    for (std::string& setting : settings) {
        envp.push_back(setting.data());
    }
    envp.push_back(nullptr);
    std::string meter = VELMORA_PROCESS_METER;
    std::string name = program;
    char* argv[] = {meter.data(), name.data(), nullptr};

    int out[2];
    ProcessRun run;
    if (pipe(out) != 0) {
        return run;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const bool started =
        posix_spawn(&pid, meter.c_str(), &actions, nullptr, argv, envp.data()) == 0;
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    std::string report;
    char buffer[256];
    for (ssize_t got; (got = read(out[0], buffer, sizeof buffer)) > 0;) {
        report.append(buffer, static_cast<std::size_t>(got));
    }
    close(out[0]);
    int status = 0;
    if (!started || waitpid(pid, &status, 0) != pid || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        return run;
    }
    long peakKiB = 0;
    int exitStatus = -1;
    if (std::sscanf(report.c_str(), "%lf %ld %d %lf", &run.seconds, &peakKiB, &exitStatus,
                    &run.processorSeconds) == 4) {
        run.peakMiB = static_cast<double>(peakKiB) / 1024.0;
        run.ok = exitStatus == 0;
    }
    return run;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

struct Series {
    std::string name;
    std::string program;
    std::vector<double> seconds;
    std::vector<double> processorSeconds;
    std::vector<double> peakMiB;
};

void BM_StartUp(benchmark::State& state) {
    QTemporaryDir folder;
    const std::string path = folder.path().toStdString();
    SavePlan(FullPlan(), path + "/" + kPlanFileName);
    std::fclose(std::fopen((path + "/" + kStartMarkerName).c_str(), "w")); // no welcome box

    std::vector<Series> series{{"bare", VELMORA_BARE_PROBE, {}, {}, {}},
                               {"velmora", VELMORA_STARTUP_PROBE, {}, {}, {}}};
    if (const char* before = std::getenv("VELMORA_BEFORE_PROBE"); before != nullptr && *before) {
        series.push_back({"before", before, {}, {}, {}});
    }
    for (const Series& each : series) { // file and font caches warm for all alike
        const bool ran = Run(each.program, path).ok;
        std::remove(LockPathFor(path + "/" + kPlanFileName).c_str());
        if (!ran) {
            state.SkipWithError(("cannot run " + each.program).c_str());
            return;
        }
    }
    std::size_t turn = 0;
    for (auto _ : state) {
        double velmoraSeconds = 0;
        // Each turn starts with another program, so that none always runs first.
        for (std::size_t i = 0; i < series.size(); ++i) {
            Series& each = series[(turn + i) % series.size()];
            const ProcessRun run = Run(each.program, path);
            // A probe ends without tidying up: its lock file goes, as after a normal end.
            std::remove(LockPathFor(path + "/" + kPlanFileName).c_str());
            if (!run.ok) {
                state.SkipWithError(("failed: " + each.program).c_str());
                return;
            }
            each.seconds.push_back(run.seconds);
            each.processorSeconds.push_back(run.processorSeconds);
            each.peakMiB.push_back(run.peakMiB);
            if (each.name == "velmora") {
                velmoraSeconds = run.seconds;
            }
        }
        state.SetIterationTime(velmoraSeconds);
        ++turn;
    }
    const double bareMs = 1000 * Median(series[0].seconds);
    const double bareCpuMs = 1000 * Median(series[0].processorSeconds);
    const double bareMiB = Median(series[0].peakMiB);
    for (const Series& each : series) {
        const double ms = 1000 * Median(each.seconds);
        const double cpuMs = 1000 * Median(each.processorSeconds);
        const double mib = Median(each.peakMiB);
        state.counters[each.name + "_ms"] = ms;
        state.counters[each.name + "_cpu_ms"] = cpuMs;
        state.counters[each.name + "_MiB"] = mib;
        if (each.name != "bare") {
            state.counters[each.name + "_time_ratio"] = ms / bareMs;
            state.counters[each.name + "_cpu_ratio"] = cpuMs / bareCpuMs;
            state.counters[each.name + "_memory_ratio"] = mib / bareMiB;
        }
    }
}
BENCHMARK(BM_StartUp)->UseManualTime()->Iterations(41)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace velmora::bench

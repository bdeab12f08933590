// The Years Ahead window on a full plan of 30 years: one setting changed, from
// the change to the painted window (the projection worked out again, the table,
// the summary and the chart redrawn). A frame is about 16.7 ms.

#include "BenchProgram.h"
#include "Workspace.h"
#include "history/ui/PlanHistory.h"
#include "projection/ui/TfrmYearsAhead.h"
#include "screens/ui/Shell.h"

#include <QApplication>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <vector>

namespace velmora::bench {
namespace {

using Clock = std::chrono::steady_clock;

// The window keeps its settings in the user's settings: kept in a folder of
// the benchmark's own while it runs, so that a user's choices stay as they are.
class OwnSettings {
public:
    OwnSettings() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder_.path());
    }
    ~OwnSettings() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    }
    OwnSettings(const OwnSettings&) = delete;
    OwnSettings& operator=(const OwnSettings&) = delete;

private:
    QTemporaryDir folder_;
};

// The younger of the full plan is 68: through age 97 gives 30 years, 0 to 29.
constexpr int kThroughAge = 97;
constexpr int kYears = 30;

// The earnings end age (70 and 71 in turn; the number of years stays 30) or the
// through age (97 and 96 in turn: 30 years and 29).
void BM_YearsAheadSettingChanged(benchmark::State& state, const char* spinBox) {
    OwnSettings settings;
    Workspace workspace;
    workspace.plan = FullPlan();
    CountingDialogs dialogs;
    NoShell shell;
    PlanHistory history(workspace.plan, shell);
    TfrmYearsAhead form({workspace, dialogs, shell, history});
    {
        PaintWatch painted(form.objectName());
        form.show();
        form.FormActivate();
        if (!painted.Wait()) {
            state.SkipWithError("the window was not painted");
            return;
        }
    }
    auto* through = form.findChild<QSpinBox*>(QStringLiteral("editThroughAge"));
    auto* changed = form.findChild<QSpinBox*>(QString::fromLatin1(spinBox));
    auto* table = form.findChild<QTableWidget*>(QStringLiteral("StringGridYears"));
    if (through == nullptr || changed == nullptr || table == nullptr) {
        state.SkipWithError("no setting or table");
        return;
    }
    {
        PaintWatch painted(form.objectName());
        through->setValue(kThroughAge);
        if (!painted.Wait() || table->rowCount() != kYears) {
            state.SkipWithError("not 30 years");
            return;
        }
    }
    const int first = changed->value();
    const int second = changed == through ? first - 1 : first + 1;
    std::vector<double> seconds;
    bool other = true;
    for (auto _ : state) {
        PaintWatch painted(form.objectName());
        const Clock::time_point start = Clock::now();
        changed->setValue(other ? second : first);
        const bool done = painted.Wait();
        const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
        state.SetIterationTime(elapsed);
        seconds.push_back(elapsed);
        if (!done || table->rowCount() < kYears - 1) {
            state.SkipWithError("the window was not painted again");
            break;
        }
        other = !other;
    }
    if (!seconds.empty()) {
        std::sort(seconds.begin(), seconds.end());
        state.counters["median_ms"] = 1000.0 * seconds[seconds.size() / 2];
        state.counters["max_ms"] = 1000.0 * seconds.back();
    }
    state.counters["years"] = table->rowCount();
    state.counters["boxes"] = dialogs.boxes;
}
BENCHMARK_CAPTURE(BM_YearsAheadSettingChanged, EarningsEndAge, "editEarningsEndAge")
    ->UseManualTime()
    ->Iterations(60);
BENCHMARK_CAPTURE(BM_YearsAheadSettingChanged, ThroughAge, "editThroughAge")
    ->UseManualTime()
    ->Iterations(60);

} // namespace
} // namespace velmora::bench

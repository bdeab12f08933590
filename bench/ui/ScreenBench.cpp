// Interactions on a full plan, each timed from the user's action to the
// painted window: "Show Results", opening each entry screen (again, and for
// the first time in a fresh program), and one keystroke in a grid cell.

#include "BenchProgram.h"
#include "Workspace.h"
#include "grid/ui/StringGrid.h"

#include <QLineEdit>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <vector>

namespace velmora::bench {
namespace {

using Clock = std::chrono::steady_clock;

struct ScreenCase {
    Screen screen;
    const char* button; // on the data input screen
};

const ScreenCase kResults{Screen::Results, "btnResults"};
const ScreenCase kEarnings{Screen::Earnings, "btnEarn"};
const ScreenCase kEntitlements{Screen::Entitlements, "btnEntitlements"};
const ScreenCase kIRAs{Screen::IRAs, "btnIRAs"};
const ScreenCase kDebt{Screen::Debt, "btnDebt"};
const ScreenCase kEquity{Screen::Equity, "btnStocks"};

// Per-iteration times, reported as their median (the benchmark's own time is the mean).
class Times {
public:
    void Add(Clock::duration elapsed, benchmark::State& state) {
        const double seconds = std::chrono::duration<double>(elapsed).count();
        seconds_.push_back(seconds);
        state.SetIterationTime(seconds);
    }
    void Report(benchmark::State& state) {
        if (seconds_.empty()) {
            return;
        }
        std::sort(seconds_.begin(), seconds_.end());
        state.counters["median_ms"] = 1000.0 * seconds_[seconds_.size() / 2];
        state.counters["max_ms"] = 1000.0 * seconds_.back();
    }

private:
    std::vector<double> seconds_;
};

// Opening a screen from the data input screen, click to painted window, and back.
void BM_OpenScreen(benchmark::State& state, ScreenCase target) {
    BenchProgram program;
    if (!program.Ok() || !program.Click(Screen::DataInput, target.button, target.screen) ||
        !program.Show(Screen::DataInput)) {
        state.SkipWithError("the program did not start");
        return;
    }
    Times times;
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        const bool painted = program.Click(Screen::DataInput, target.button, target.screen);
        times.Add(Clock::now() - start, state);
        if (!painted || !program.Show(Screen::DataInput)) {
            state.SkipWithError("no painted screen");
            break;
        }
    }
    times.Report(state);
    state.counters["boxes"] = program.Boxes();
}
BENCHMARK_CAPTURE(BM_OpenScreen, ShowResults, kResults)->UseManualTime()->Iterations(30);
BENCHMARK_CAPTURE(BM_OpenScreen, Earnings, kEarnings)->UseManualTime()->Iterations(30);
BENCHMARK_CAPTURE(BM_OpenScreen, Entitlements, kEntitlements)->UseManualTime()->Iterations(30);
BENCHMARK_CAPTURE(BM_OpenScreen, IRAs, kIRAs)->UseManualTime()->Iterations(30);
BENCHMARK_CAPTURE(BM_OpenScreen, Debt, kDebt)->UseManualTime()->Iterations(30);
BENCHMARK_CAPTURE(BM_OpenScreen, Equity, kEquity)->UseManualTime()->Iterations(30);

// The first opening of a screen in a freshly started program.
void BM_FirstOpen(benchmark::State& state, ScreenCase target) {
    Times times;
    for (auto _ : state) {
        auto program = std::make_unique<BenchProgram>(); // not timed: manual time below
        if (!program->Ok()) {
            state.SkipWithError("the program did not start");
            break;
        }
        const Clock::time_point start = Clock::now();
        const bool painted = program->Click(Screen::DataInput, target.button, target.screen);
        times.Add(Clock::now() - start, state);
        program.reset();
        if (!painted) {
            state.SkipWithError("no painted screen");
            break;
        }
    }
    times.Report(state);
}
BENCHMARK_CAPTURE(BM_FirstOpen, ShowResults, kResults)->UseManualTime()->Iterations(7);
BENCHMARK_CAPTURE(BM_FirstOpen, Earnings, kEarnings)->UseManualTime()->Iterations(7);
BENCHMARK_CAPTURE(BM_FirstOpen, Entitlements, kEntitlements)->UseManualTime()->Iterations(7);
BENCHMARK_CAPTURE(BM_FirstOpen, IRAs, kIRAs)->UseManualTime()->Iterations(7);
BENCHMARK_CAPTURE(BM_FirstOpen, Debt, kDebt)->UseManualTime()->Iterations(7);
BENCHMARK_CAPTURE(BM_FirstOpen, Equity, kEquity)->UseManualTime()->Iterations(7);

struct KeystrokeCase {
    ScreenCase screen;
    const char* grid;
    int col; // a money column: typing into it raises no warning
    int row;
};

// One key typed into a grid cell whose editor is open (a digit, then a
// backspace, in turn), from the key to the painted window; each key reaches
// the plan through the set-edit-text handler.
void BM_Keystroke(benchmark::State& state, KeystrokeCase target) {
    BenchProgram program;
    if (!program.Ok() ||
        !program.Click(Screen::DataInput, target.screen.button, target.screen.screen)) {
        state.SkipWithError("the program did not start");
        return;
    }
    auto* grid = program.Control<StringGrid>(target.screen.screen, target.grid);
    if (grid == nullptr) {
        state.SkipWithError("no grid");
        return;
    }
    grid->setFocus(Qt::OtherFocusReason);
    grid->SetCurrentCell(target.col, target.row);
    {
        PaintWatch painted(target.screen.screen);
        QTest::keyClick(grid, Qt::Key_5);
        painted.Wait();
    }
    if (grid->Editor() == nullptr) {
        state.SkipWithError("no editor");
        return;
    }
    Times times;
    bool digit = false;
    for (auto _ : state) {
        PaintWatch painted(target.screen.screen);
        const Clock::time_point start = Clock::now();
        QTest::keyClick(grid->Editor(), digit ? Qt::Key_5 : Qt::Key_Backspace);
        const bool done = painted.Wait();
        times.Add(Clock::now() - start, state);
        if (!done || grid->Cells(target.col, target.row) != (digit ? "5" : "")) {
            state.SkipWithError("the key did not reach the cell");
            break;
        }
        digit = !digit;
    }
    QTest::keyClick(grid->Editor(), Qt::Key_Escape);
    times.Report(state);
    state.counters["boxes"] = program.Boxes();
}
BENCHMARK_CAPTURE(BM_Keystroke, IRAs, (KeystrokeCase{kIRAs, "StringGridIRAs", 2, 5}))
    ->UseManualTime()
    ->Iterations(200);
BENCHMARK_CAPTURE(BM_Keystroke, Debt, (KeystrokeCase{kDebt, "StringGridTable", 2, 5}))
    ->UseManualTime()
    ->Iterations(200);
BENCHMARK_CAPTURE(BM_Keystroke, Equity, (KeystrokeCase{kEquity, "StringGridTable", 2, 5}))
    ->UseManualTime()
    ->Iterations(200);

} // namespace
} // namespace velmora::bench

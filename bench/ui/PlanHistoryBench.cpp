// The plan's history: 1,000 cell-edit steps, then all of them undone, and the
// memory that the history holds for them.
//
// Through the screens: the real program, a value typed into a cell of the IRA
// grid and left with Return, 1,000 times; then Undo 1,000 times, each showing
// the IRA screen refilled from the plan with the cell current. The counters
// give the time of one step ("per_step") and the heap that the 1,000 steps
// hold, per step ("bytes_per_step"). Runs on the offscreen platform.

#include "BenchProgram.h"
#include "app/ui/Application.h"
#include "app/ui/PlanStore.h"
#include "grid/ui/StringGrid.h"
#include "history/ui/PlanHistory.h"
#include "screens/ui/Dialogs.h"
#include "screens/ui/Shell.h"

#include <QApplication>
#include <QTest>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <malloc.h>
#include <memory>
#include <string>

namespace {

using namespace velmora;

constexpr int kSteps = 1000;

QApplication& TheApplication() {
    static int argc = 1;
    static char name[] = "velmora_ui_bench";
    static char* argv[] = {name, nullptr};
    if (auto* running = qobject_cast<QApplication*>(QCoreApplication::instance())) {
        return *running;
    }
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    static QApplication app(argc, argv);
    return app;
}

// The heap in use, in bytes.
double HeapInUse() {
    return static_cast<double>(mallinfo2().uordblks);
}

class QuietDialogs : public Dialogs {
public:
    bool Confirm(const QString&) override { return false; }
    void Information(const QString&) override {}
    void Warning(const QString&) override {}
    void Message(const QString&) override {}
    void Error(const QString&) override {}
};

// A household with every IRA row filled.
class FullStore : public PlanStore {
public:
    bool Claim(long long&) override { return true; }
    std::string Load(PlanData& plan) override {
        for (int i = 0; i < kTableRows; ++i) {
            plan.IraHoldings[i] = {
                "IRA " + std::to_string(i + 1), 0, 1000 * (i + 1), 4, 0, 0, 2, i % 4, 0.0};
        }
        return {};
    }
    bool ChangedOnDisk() override { return false; }
    PlanSaveReport Save(const PlanData&) override { return {}; }
    std::string FileName() const override { return kPlanFileName; }
};

struct RunningProgram {
    QuietDialogs dialogs;
    FullStore store;
    std::unique_ptr<Application> app;
    StringGrid* grid = nullptr;

    RunningProgram() {
        TheApplication();
        ApplicationOptions options;
        options.quit = [] {};
        app = std::make_unique<Application>(dialogs, store, options);
        app->Start();
        app->Show(Screen::IRAs);
        QWidget* screen = app->ScreenWidget(Screen::IRAs);
        QApplication::setActiveWindow(screen);
        grid = screen->findChild<StringGrid*>(QStringLiteral("StringGridIRAs"));
    }

    // Types a current value into a row of the grid and leaves the cell.
    void Edit(int step) {
        grid->setFocus();
        grid->SetCurrentCell(2, step % kTableRows);
        for (QChar c : QString::number(100000 + step)) {
            QTest::keyClick(static_cast<QWidget*>(nullptr), c.toLatin1());
        }
        QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Return);
        // What the event loop does next: the closed editor goes.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void UndoAll() {
        while (app->History().Undo()) {
        }
    }
};

void BM_CellEditSteps(benchmark::State& state) {
    double held = 0;
    for (auto _ : state) {
        // A new program each time: its history starts empty.
        state.PauseTiming();
        auto program = std::make_unique<RunningProgram>();
        const double before = HeapInUse();
        state.ResumeTiming();
        for (int step = 0; step < kSteps; ++step) {
            program->Edit(step);
        }
        state.PauseTiming();
        held += HeapInUse() - before;
        program.reset();
        state.ResumeTiming();
    }
    const auto steps = static_cast<double>(state.iterations()) * kSteps;
    state.counters["per_step"] =
        benchmark::Counter(steps, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["bytes_per_step"] = held / steps;
}

void BM_UndoCellEditSteps(benchmark::State& state) {
    RunningProgram program;
    for (auto _ : state) {
        state.PauseTiming();
        for (int step = 0; step < kSteps; ++step) {
            program.Edit(step);
        }
        state.ResumeTiming();
        program.UndoAll();
    }
    const auto steps = static_cast<double>(state.iterations()) * kSteps;
    state.counters["per_step"] =
        benchmark::Counter(steps, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// The history alone, without the screens: one field of a row watched, changed
// and recorded, 1,000 times; then every step undone.
void BM_HistoryAlone(benchmark::State& state) {
    TheApplication();
    PlanData plan;
    bench::NoShell shell;
    double held = 0;
    for (auto _ : state) {
        PlanHistory history(plan, shell);
        const double before = HeapInUse();
        for (int step = 0; step < kSteps; ++step) {
            const int row = step % kTableRows;
            const PlanWatch watch(plan, {{PlanPart::Ira, row}});
            plan.IraHoldings[row].CurrentValue = 100000 + step;
            history.Record({Screen::IRAs, nullptr, 2, row}, QStringLiteral("edit of IRA row"),
                           watch.Changes(plan), StepKind::CellEdit);
        }
        held += HeapInUse() - before;
        while (history.Undo()) {
        }
    }
    const auto steps = static_cast<double>(state.iterations()) * kSteps;
    state.counters["per_step"] =
        benchmark::Counter(2 * steps, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["bytes_per_step"] = held / steps;
}

BENCHMARK(BM_CellEditSteps)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_UndoCellEditSteps)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_HistoryAlone)->Unit(benchmark::kMillisecond)->Repetitions(5);

} // namespace

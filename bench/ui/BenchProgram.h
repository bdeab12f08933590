#pragma once
// The whole program, as the benchmarks drive it: the real screens and
// navigation on the offscreen platform, a full plan in place of the plan file,
// message boxes counted and answered without showing them.

#include "FullPlan.h"
#include "app/ui/Application.h"
#include "app/ui/PlanStore.h"
#include "screens/ui/Dialogs.h"
#include "screens/ui/Shell.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <memory>

namespace velmora::bench {

class CountingDialogs : public Dialogs {
public:
    bool Confirm(const QString&) override { return ++boxes, false; }
    void Information(const QString&) override { ++boxes; }
    void Warning(const QString&) override { ++boxes; }
    void Message(const QString&) override { ++boxes; }
    void Error(const QString&) override { ++boxes; }
    int boxes = 0;
};

// A shell that asks nothing of a program around the screen or history measured.
class NoShell : public Shell {
public:
    void Show(Screen) override {}
    QWidget* ScreenWidget(Screen) override { return nullptr; }
    bool Save() override { return true; }
    void ExitSequence() override {}
    void PrintHint() override {}
    void HelpContents() override {}
    void HelpTutorial() override {}
};

class FullPlanStore : public PlanStore {
public:
    bool Claim(long long& holder) override { return holder = 0, true; }
    std::string Load(PlanData& plan) override { return plan = FullPlan(), std::string(); }
    bool ChangedOnDisk() override { return false; }
    PlanSaveReport Save(const PlanData&) override { return {}; }
    std::string FileName() const override { return kPlanFileName; }
};

// The object name of each screen's window, known before the screen is made.
inline QString WindowName(Screen screen) {
    static const char* const names[kScreenCount] = {
        "frmTitlepage", "frmCalc",         "frmIRAs",   "frmDebt",
        "frmEarnings",  "frmEntitlements", "frmEquity", "frmDataInput"};
    return QString::fromLatin1(names[static_cast<int>(screen)]);
}

// Notes the first paint of any part of one screen's window (or of a named window).
class PaintWatch : public QObject {
public:
    explicit PaintWatch(Screen screen) : PaintWatch(WindowName(screen)) {}
    // A window that is not one of the eight screens, by its object name.
    explicit PaintWatch(const QString& window) : window_(window) { qApp->installEventFilter(this); }
    ~PaintWatch() override { qApp->removeEventFilter(this); }
    PaintWatch(const PaintWatch&) = delete;
    PaintWatch& operator=(const PaintWatch&) = delete;

    // Handles events until the window has been painted; false after 5 s without.
    bool Wait() {
        QElapsedTimer timer;
        timer.start();
        while (!painted_ && timer.elapsed() < 5000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        return painted_;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window()->objectName() == window_) {
            painted_ = true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QString window_;
    bool painted_ = false;
};

// Started on a full plan, past the title screen, at the data input screen.
class BenchProgram {
public:
    BenchProgram() : previous_(QDir::currentPath()) {
        QDir::setCurrent(folder_.path());
        QFile marker(QString::fromLatin1(kStartMarkerName)); // no welcome message
        marker.open(QIODevice::WriteOnly);
        ApplicationOptions options;
        options.quit = [] {};
        app_ = std::make_unique<Application>(dialogs_, store_, options);
        {
            PaintWatch title(Screen::Title);
            app_->Start();
            ok_ = title.Wait();
        }
        ok_ = ok_ && Click(Screen::Title, "btnEnterData", Screen::DataInput);
    }
    ~BenchProgram() {
        app_.reset();
        QCoreApplication::processEvents();
        QDir::setCurrent(previous_);
    }
    BenchProgram(const BenchProgram&) = delete;
    BenchProgram& operator=(const BenchProgram&) = delete;

    bool Ok() const { return ok_; }
    Application& App() { return *app_; }
    int Boxes() const { return dialogs_.boxes; }
    QWidget* Window(Screen screen) const { return app_->ScreenWidget(screen); }
    template <class T> T* Control(Screen screen, const char* name) const {
        return Window(screen)->findChild<T*>(QString::fromLatin1(name));
    }

    // Clicks a button of `from` and handles events until `to` has been painted.
    bool Click(Screen from, const char* button, Screen to) {
        auto* pressed = Control<QPushButton>(from, button);
        if (pressed == nullptr) {
            return false;
        }
        PaintWatch painted(to);
        QTest::mouseClick(pressed, Qt::LeftButton);
        return app_->Current() == to && painted.Wait();
    }

    // Shows a screen as the program does and waits for its painting.
    bool Show(Screen screen) {
        PaintWatch painted(screen);
        app_->Show(screen);
        return painted.Wait();
    }

private:
    QString previous_;
    QTemporaryDir folder_;
    CountingDialogs dialogs_;
    FullPlanStore store_;
    std::unique_ptr<Application> app_;
    bool ok_ = false;
};

} // namespace velmora::bench

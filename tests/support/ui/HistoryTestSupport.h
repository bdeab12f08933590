#pragma once
// The running program on a plan file in an empty working folder, driven through
// its screens and keys, for the tests of the plan's history.

#include "AppTestSupport.h"
#include "ScriptedDialogs.h"
#include "UiTestSupport.h"
#include "app/ui/Application.h"
#include "app/ui/PlanStore.h"
#include "grid/ui/StringGrid.h"
#include "plan/PlanFile.h"
#include "plan/PlanWriter.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>

namespace velmora::test {

class HistoryTest : public ::testing::Test {
protected:
    // Writes `plan` as the plan file and starts the program on it (not a first
    // start). Warnings and information boxes are allowed at any time.
    void Start(const PlanData& plan) {
        ASSERT_FALSE(SavePlan(plan, kPlanFileName));
        loadedFile = FileBytes();
        ASSERT_TRUE(MarkStarted());
        dialogs.Tolerate(BoxKind::Warning);
        dialogs.Tolerate(BoxKind::Information);
        app = std::make_unique<Application>(dialogs, files);
        app->Start();
        Activate();
    }

    const PlanData& Plan() const { return app->Work().plan; }
    QWidget& Window(Screen screen) const { return *app->ScreenWidget(screen); }
    template <class T> T* Find(Screen screen, const char* name) const {
        return FindControl<T>(Window(screen), name);
    }
    StringGrid& Grid(Screen screen, const char* name) const {
        return *Find<StringGrid>(screen, name);
    }

    // Makes the shown screen the active window at once, as the window system
    // does soon after a screen is shown.
    void Activate() {
        QWidget* shown = app->ScreenWidget(app->Current());
        QApplication::setActiveWindow(shown);
        EXPECT_TRUE(QTest::qWaitForWindowActive(shown));
    }

    void Click(Screen screen, const char* button) {
        QTest::mouseClick(Find<QPushButton>(screen, button), Qt::LeftButton);
        Activate();
    }

    // Ctrl+Z; Ctrl+Shift+Z (key Z) or Ctrl+Y (key Y).
    void Undo() {
        PressKey(Qt::Key_Z, Qt::ControlModifier);
        Activate();
    }
    void Redo(Qt::Key key = Qt::Key_Z) {
        PressKey(key,
                 key == Qt::Key_Z ? Qt::ControlModifier | Qt::ShiftModifier : Qt::ControlModifier);
        Activate();
    }

    // "&Save" of the data input screen's File menu; what the plan file then holds.
    std::string SaveThroughMenu() {
        FindControl<QAction>(Window(Screen::DataInput), "hlpSave")->trigger();
        return FileBytes();
    }

    static std::string FileBytes() {
        std::ifstream in(kPlanFileName, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    // The button that leaves an entry screen for the data input screen.
    static const char* DoneButton(Screen screen) {
        return screen == Screen::Earnings || screen == Screen::Entitlements
                   ? "btnReturnToDataInput"
                   : "btnReturnToMiscInput";
    }

    // Every field as the plan file holds it that differs, one per line; empty
    // when the two plans would be saved alike.
    static std::string Difference(const PlanData& expected, const PlanData& actual) {
        return Difference(PlanFileText(expected), PlanFileText(actual));
    }
    // The same for two plan file texts.
    static std::string Difference(const std::string& expected, const std::string& actual) {
        std::istringstream a(expected);
        std::istringstream b(actual);
        std::string out;
        std::string lineA;
        std::string lineB;
        for (int line = 1; std::getline(a, lineA) && std::getline(b, lineB); ++line) {
            if (lineA != lineB) {
                out += "line " + std::to_string(line) + ": " + lineA + " != " + lineB + "\n";
            }
        }
        return out;
    }

    TempWorkingDirectory work;
    ScriptedDialogs dialogs;
    PlanFileStore files; // UserData.dta in the working folder
    std::unique_ptr<Application> app;
    std::string loadedFile; // the plan file the program started on
};

} // namespace velmora::test

// Every screen by the keyboard alone: Tab goes round all its controls and
// back to the first, out of every table as out of any other control (Ctrl+Tab
// where the table's cells take Tab), and the screen is left by its own keys.

#include "AppTestSupport.h"
#include "FakePlanStore.h"
#include "ScriptedDialogs.h"
#include "UiTestSupport.h"
#include "app/ui/Application.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <gtest/gtest.h>
#include <set>

namespace velmora {
namespace {

// The control that has the focus: a table for its cells and their editors.
QWidget* FocusedControl() {
    QWidget* control = QApplication::focusWidget();
    for (QWidget* above = control; above != nullptr && !above->isWindow();
         above = above->parentWidget()) {
        if (qobject_cast<QAbstractItemView*>(above) != nullptr) {
            control = above;
        }
    }
    return control;
}

bool TableTakesTab(const QWidget* control) {
    const auto* table = qobject_cast<const QAbstractItemView*>(control);
    return table != nullptr && table->tabKeyNavigation();
}

// The next control, by Tab, or by Ctrl+Tab from a table whose cells take Tab.
void NextControl() {
    test::PressKey(Qt::Key_Tab,
                   TableTakesTab(FocusedControl()) ? Qt::ControlModifier : Qt::NoModifier);
}

class KeyboardWalkTest : public ::testing::Test {
protected:
    KeyboardWalkTest() {
        EXPECT_TRUE(test::MarkStarted()); // no welcome
        app = std::make_unique<Application>(dialogs, store,
                                            test::TestOptions([] {}, work.File("settings.ini")));
        app->Start();
    }

    QWidget& Open(Screen screen) {
        app->Show(screen);
        QWidget& window = *app->ScreenWidget(screen);
        EXPECT_TRUE(test::ShowAndActivate(window));
        if (QApplication::focusWidget() == nullptr) {
            NextControl();
        }
        return window;
    }

    // Goes round the screen's controls by Tab, until the first comes again;
    // gives the controls met, empty when the round never closed.
    static std::vector<QWidget*> Round(const QWidget& window) {
        std::vector<QWidget*> met{FocusedControl()};
        for (int step = 0; step < 300; ++step) {
            NextControl();
            QWidget* now = FocusedControl();
            if (now == nullptr || now->window() != &window) {
                ADD_FAILURE() << window.windowTitle().toStdString()
                              << ": the focus left the screen";
                return {};
            }
            if (now == met.front()) {
                return met;
            }
            if (std::find(met.begin(), met.end(), now) == met.end()) {
                met.push_back(now);
            }
        }
        ADD_FAILURE() << window.windowTitle().toStdString() << ": Tab never came round, kept in "
                      << FocusedControl()->objectName().toStdString();
        return {};
    }

    // Tabs to `control`, which must be on the round.
    static void TabTo(const QWidget& control) {
        for (int step = 0; step < 300 && FocusedControl() != &control; ++step) {
            NextControl();
        }
        ASSERT_EQ(FocusedControl(), &control) << control.objectName().toStdString();
    }

    test::TempWorkingDirectory work;
    test::ScriptedDialogs dialogs;
    test::FakePlanStore store;
    std::unique_ptr<Application> app;
};

TEST_F(KeyboardWalkTest, TabGoesRoundEveryScreenAndItsOwnKeysLeaveIt) {
    struct Walk {
        Screen screen;
        const char* wayOut; // a button, pressed with the space bar; none: Escape
        Screen to;
    };
    const Walk walks[] = {
        {Screen::Title, "btnEnterData", Screen::DataInput},
        {Screen::DataInput, "btnResults", Screen::Results},
        {Screen::Results, "btnYearsAhead", Screen::YearsAhead},
        {Screen::YearsAhead, nullptr, Screen::Results},
        {Screen::Results, "btnReturn", Screen::DataInput},
        {Screen::Earnings, "btnReturnToDataInput", Screen::DataInput},
        {Screen::Entitlements, "btnReturnToDataInput", Screen::DataInput},
        {Screen::IRAs, "btnReturnToMiscInput", Screen::DataInput},
        {Screen::Debt, "btnReturnToMiscInput", Screen::DataInput},
        {Screen::Equity, "btnReturnToMiscInput", Screen::DataInput},
    };
    for (const Walk& walk : walks) {
        QWidget& window = Open(walk.screen);
        const std::string title = window.windowTitle().toStdString();
        const std::vector<QWidget*> round = Round(window);
        ASSERT_FALSE(round.empty()) << title;
        // Every button and every table is on the round.
        for (QWidget* control : window.findChildren<QWidget*>()) {
            const bool button = qobject_cast<QPushButton*>(control) != nullptr;
            const bool table = qobject_cast<QAbstractItemView*>(control) != nullptr &&
                               qobject_cast<QAbstractItemView*>(control->parentWidget()) == nullptr;
            if ((button || table) && control->isVisible() && control->isEnabled() &&
                (control->focusPolicy() & Qt::TabFocus) != 0) {
                EXPECT_NE(std::find(round.begin(), round.end(), control), round.end())
                    << title << ": " << control->objectName().toStdString() << " never reached";
            }
        }
        if (walk.wayOut != nullptr) {
            auto* button = window.findChild<QPushButton*>(QString::fromLatin1(walk.wayOut));
            ASSERT_NE(button, nullptr) << title;
            TabTo(*button);
            test::PressKey(Qt::Key_Space);
        } else {
            // Escape from within the table.
            TabTo(*window.findChild<QWidget*>(QStringLiteral("StringGridYears")));
            test::PressKey(Qt::Key_Escape);
        }
        EXPECT_EQ(app->Current(), walk.to) << title;
    }
    EXPECT_TRUE(dialogs.Boxes().empty());
}

TEST_F(KeyboardWalkTest, TheYearsTableIsLeftByTabShiftTabAndCtrlTab) {
    QWidget& years = Open(Screen::YearsAhead);
    QWidget* table = years.findChild<QWidget*>(QStringLiteral("StringGridYears"));
    ASSERT_NE(table, nullptr);
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* what;
    } keys[] = {{Qt::Key_Tab, Qt::NoModifier, "Tab"},
                {Qt::Key_Backtab, Qt::ShiftModifier, "Shift+Tab"},
                {Qt::Key_Tab, Qt::ControlModifier, "Ctrl+Tab"},
                {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, "Ctrl+Shift+Tab"}};
    for (const auto& key : keys) {
        table->setFocus(Qt::TabFocusReason);
        ASSERT_EQ(FocusedControl(), table);
        test::PressKey(key.key, key.modifiers);
        EXPECT_NE(FocusedControl(), table) << key.what;
        EXPECT_EQ(FocusedControl()->window(), &years) << key.what;
    }
    // Its menu item goes back as Escape does.
    auto* back = years.findChild<QAction*>(QStringLiteral("mnuReturn"));
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->text(), "&Return to Results");
    EXPECT_EQ(back->shortcut(), QKeySequence(Qt::Key_Escape));
    back->trigger();
    EXPECT_EQ(app->Current(), Screen::Results);
    // And the results screen's menu bar reaches the years.
    auto* ahead = app->ScreenWidget(Screen::Results)->findChild<QAction*>("mnuYearsAhead");
    ASSERT_NE(ahead, nullptr);
    ahead->trigger();
    EXPECT_EQ(app->Current(), Screen::YearsAhead);
}

} // namespace
} // namespace velmora

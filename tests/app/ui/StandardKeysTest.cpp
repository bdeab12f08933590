// The desktop's usual keys on the screens, beside their own menus: F1, Ctrl+S
// and Ctrl+Q everywhere, the menu items showing their keys, and menus whose
// accelerator letters are all different.

#include "AppTestSupport.h"
#include "FakePlanStore.h"
#include "ScriptedDialogs.h"
#include "UiTestSupport.h"
#include "app/ui/Application.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace velmora {
namespace {

using test::BoxKind;

constexpr Screen kAllScreens[] = {Screen::Title,  Screen::Results,  Screen::IRAs,
                                  Screen::Debt,   Screen::Earnings, Screen::Entitlements,
                                  Screen::Equity, Screen::DataInput};

class StandardKeysTest : public ::testing::Test {
protected:
    StandardKeysTest() {
        EXPECT_TRUE(test::MarkStarted()); // no welcome
        app = std::make_unique<Application>(
            dialogs, store, test::TestOptions([this] { ++quits; }, work.File("settings.ini")));
        app->Start();
    }

    // Shows a screen as the program does and gives it the keyboard.
    QWidget& Open(Screen screen) {
        app->Show(screen);
        QWidget& window = *app->ScreenWidget(screen);
        EXPECT_TRUE(test::ShowAndActivate(window));
        return window;
    }

    test::TempWorkingDirectory work;
    test::ScriptedDialogs dialogs;
    test::FakePlanStore store;
    int quits = 0;
    std::unique_ptr<Application> app;
};

TEST_F(StandardKeysTest, F1OpensTheHelpContentsOnEveryScreen) {
    for (Screen screen : kAllScreens) {
        const std::string title = Open(screen).windowTitle().toStdString();
        test::PressKey(Qt::Key_F1);
        EXPECT_TRUE(app->Help().isVisible()) << title;
        EXPECT_EQ(app->Help().Browser()->source().fragment(), "context-0") << title;
        EXPECT_EQ(app->Current(), screen) << title;
        app->Help().close();
    }
    EXPECT_TRUE(dialogs.Boxes().empty());
}

TEST_F(StandardKeysTest, CtrlSSavesLikeFileSaveWithItsErrorBox) {
    Open(Screen::DataInput);
    test::PressKey(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(store.saves, 1);
    Open(Screen::Equity); // a screen without a File menu
    test::PressKey(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(store.saves, 2);
    EXPECT_TRUE(dialogs.Boxes().empty()) << "no message on success";

    store.failure = SaveError{28, "Disk full"};
    dialogs.Expect(BoxKind::Error, "Disk full");
    Open(Screen::Results);
    test::PressKey(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(store.saves, 3);
    dialogs.VerifyAllShown();
    EXPECT_EQ(app->Current(), Screen::Results);
}

TEST_F(StandardKeysTest, CtrlQRunsTheExitSequence) {
    Open(Screen::Earnings);
    dialogs.ExpectConfirm("Do you want to save your data?", false);
    dialogs.ExpectConfirm("Exit now?", false);
    test::PressKey(Qt::Key_Q, Qt::ControlModifier);
    dialogs.VerifyAllShown();
    EXPECT_EQ(quits, 0);

    Open(Screen::Title);
    dialogs.ExpectConfirm("Do you want to save your data?", true);
    dialogs.ExpectConfirm("Exit now?", true);
    test::PressKey(Qt::Key_Q, Qt::ControlModifier);
    dialogs.VerifyAllShown();
    EXPECT_EQ(store.saves, 1);
    EXPECT_EQ(quits, 1);
}

TEST_F(StandardKeysTest, TheMenuItemsShowTheirKeys) {
    struct Item {
        Screen screen;
        const char* name;
        const char* key;
    };
    for (const Item& item :
         {Item{Screen::Title, "hlpSave", "Ctrl+S"}, Item{Screen::Title, "hlpExit", "Ctrl+Q"},
          Item{Screen::Title, "hlpContents", "F1"}, Item{Screen::DataInput, "hlpSave", "Ctrl+S"},
          Item{Screen::DataInput, "hlpExit", "Ctrl+Q"}, Item{Screen::DataInput, "hlpHelp", "F1"},
          Item{Screen::Results, "hlpSave", "Ctrl+S"}, Item{Screen::Results, "hlpExit", "Ctrl+Q"},
          Item{Screen::Results, "hlpContent", "F1"},
          Item{Screen::Results, "mnuPrintReport", "Ctrl+P"}}) {
        const auto* action =
            app->ScreenWidget(item.screen)->findChild<QAction*>(QString::fromLatin1(item.name));
        ASSERT_NE(action, nullptr) << item.name;
        EXPECT_EQ(action->shortcut().toString(), item.key) << item.name;
    }
    // The print hint keeps no key: Ctrl+P prints the report.
    EXPECT_TRUE(app->ScreenWidget(Screen::Results)
                    ->findChild<QAction*>(QStringLiteral("hlpPrint"))
                    ->shortcut()
                    .isEmpty());
}

// The letter after "&" in a caption, upper case; none for "&&" or no mark.
QChar Accelerator(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (caption[i + 1] == '&') {
                ++i;
                continue;
            }
            return caption[i + 1].toUpper();
        }
    }
    return {};
}

TEST_F(StandardKeysTest, NoTwoItemsOfAFileOrViewMenuShareTheirAcceleratorLetter) {
    for (Screen screen : kAllScreens) {
        QWidget* window = app->ScreenWidget(screen);
        for (QMenu* menu : window->findChildren<QMenu*>()) {
            if (menu->objectName() != "mnuFile" && menu->objectName() != "mnuView") {
                continue;
            }
            std::map<QChar, QString> taken;
            for (QAction* action : menu->actions()) {
                const QChar letter = Accelerator(action->text());
                if (letter.isNull()) {
                    continue;
                }
                EXPECT_FALSE(taken.count(letter))
                    << window->windowTitle().toStdString() << ": \"" << action->text().toStdString()
                    << "\" and \"" << taken[letter].toStdString() << "\"";
                taken[letter] = action->text();
            }
        }
    }
}

TEST_F(StandardKeysTest, EscapeOrCtrlWClosesTheHelpAndCtrlFFindsInIt) {
    HelpViewer& help = app->Help();
    app->HelpContents();
    ASSERT_TRUE(test::ShowAndActivate(help));
    test::PressKey(Qt::Key_Escape);
    EXPECT_FALSE(help.isVisible());
    app->HelpContents();
    ASSERT_TRUE(test::ShowAndActivate(help));
    test::PressKey(Qt::Key_W, Qt::ControlModifier);
    EXPECT_FALSE(help.isVisible());

    app->HelpContents();
    ASSERT_TRUE(test::ShowAndActivate(help));
    QTextBrowser* text = help.Browser();
    test::PressKey(Qt::Key_F, Qt::ControlModifier);
    test::TypeKeys("UserData");
    EXPECT_EQ(text->textCursor().selectedText(), "UserData") << "found as it is typed";
    const int first = text->textCursor().position();
    test::PressKey(Qt::Key_Return);
    const int second = text->textCursor().position();
    EXPECT_GT(second, first);
    EXPECT_EQ(text->textCursor().selectedText(), "UserData");
    test::PressKey(Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(text->textCursor().position(), first) << "back to the previous match";
    test::PressKey(Qt::Key_F3);
    EXPECT_EQ(text->textCursor().position(), second);

    test::TypeKeys("qqqq");
    EXPECT_EQ(help.findChild<QLabel*>(QStringLiteral("lblFindResult"))->text(), "Not found");
    test::PressKey(Qt::Key_Escape);
    EXPECT_TRUE(help.isVisible()) << "Escape in the find bar closes the bar only";
    EXPECT_FALSE(help.findChild<QWidget*>(QStringLiteral("pnlFind"))->isVisible());
    test::PressKey(Qt::Key_Escape);
    EXPECT_FALSE(help.isVisible());
}

} // namespace
} // namespace velmora

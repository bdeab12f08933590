// The title screen: its texts, the quick start panel, and which command each
// menu item and button gives.

#include "app/ui/TfrmTitlepage.h"

#include "RecordingShell.h"
#include "ScriptedDialogs.h"
#include "UiTestSupport.h"
#include "Workspace.h"
#include "history/ui/PlanHistory.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace velmora {
namespace {

class TfrmTitlepageTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(test::ShowAndActivate(form)); }

    template <class T> T* Find(const char* name) {
        T* child = form.findChild<T*>(name);
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    void Trigger(const char* action) {
        if (QAction* item = Find<QAction>(action)) {
            item->trigger();
        }
    }

    Workspace workspace;
    test::ScriptedDialogs dialogs;
    test::RecordingShell shell;
    PlanHistory history{workspace.plan, shell};
    TfrmTitlepage form{{workspace, dialogs, shell, history}};
};

TEST_F(TfrmTitlepageTest, ShowsItsTexts) {
    EXPECT_EQ(form.windowTitle(), "Title Page");
    EXPECT_EQ(Find<QLabel>("lblHeading")->text(), "Velmora RATES OF RETURN");
    EXPECT_TRUE(Find<QLabel>("lblHeading")->font().bold());
    EXPECT_EQ(Find<QLabel>("lblTaxYear")->text(), "Uses tax year 2004 Income Tax Rules and Rates");
    auto* description = Find<QPlainTextEdit>("memoDescription");
    const QStringList lines = description->toPlainText().split('\n');
    ASSERT_EQ(lines.size(), 11);
    EXPECT_EQ(lines[0], "Determine the Effective Rate of Return for each of your investments, "
                        "after each is modified for:");
    EXPECT_EQ(lines[2], "     2-  Value of Deferral of Tax on Capital Gains on Stock.");
    EXPECT_EQ(lines[6], "     6- The Effects of Possible Loss due to Risk.");
    EXPECT_EQ(lines[7], "");
    EXPECT_EQ(lines[10], "Click on Help above for program Purpose, Description, Tutorial and "
                         "Detailed Instructions.");
    EXPECT_TRUE(description->isReadOnly());
    EXPECT_EQ(description->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(description->frameShape(), QFrame::NoFrame);
    EXPECT_EQ(Find<QPushButton>("btnEnterData")->toolTip(), "Enter data, then see results.");
    EXPECT_EQ(Find<QPushButton>("btnExit")->text(), " E&xit Program");
    // A screen reader reads a button's hint after its name, and no control's
    // internal name.
    EXPECT_EQ(Find<QPushButton>("btnEnterData")->accessibleDescription(),
              "Enter data, then see results.");
    EXPECT_EQ(Find<QPushButton>("btnExit")->accessibleDescription(), "");
}

TEST(TfrmTitlepageNamesTest, ControlNamesAreTheDescriptionsForTestsDrivingFromOutside) {
    qputenv("VELMORA_ACCESSIBLE_IDS", "1");
    Workspace workspace;
    test::ScriptedDialogs dialogs;
    test::RecordingShell shell;
    PlanHistory history{workspace.plan, shell};
    TfrmTitlepage form{{workspace, dialogs, shell, history}};
    qunsetenv("VELMORA_ACCESSIBLE_IDS");
    for (const char* name : {"btnEnterData", "btnExit"}) {
        auto* button = form.findChild<QPushButton*>(name);
        ASSERT_NE(button, nullptr) << name;
        EXPECT_EQ(button->accessibleDescription(), name);
    }
}

TEST_F(TfrmTitlepageTest, MenusCarryTheirCaptions) {
    QStringList bar;
    for (QAction* top : form.menuBar()->actions()) {
        bar << top->text();
    }
    EXPECT_EQ(bar, QStringList({"&File", "&Help", "&Quick Start Instructions"}));
    QStringList file;
    for (QAction* item : Find<QMenu>("mnuFile")->actions()) {
        file << item->text();
    }
    EXPECT_EQ(file, QStringList({"&Save", "&Print", "&Exit"}));
    QStringList help;
    for (QAction* item : Find<QMenu>("mnuHelp")->actions()) {
        help << item->text();
    }
    EXPECT_EQ(help, QStringList({"&Table of Contents", "&Tutorial"}));
}

TEST_F(TfrmTitlepageTest, QuickStartPanelOpensOverTheDescriptionAndCloses) {
    auto* memo = Find<QPlainTextEdit>("memoQuickStart");
    auto* close = Find<QPushButton>("btnExitQuickStart");
    EXPECT_FALSE(memo->isVisible());
    EXPECT_FALSE(close->isVisible());
    Trigger("QuickStartInstructions1");
    EXPECT_TRUE(memo->isVisible());
    EXPECT_TRUE(close->isVisible());
    EXPECT_EQ(close->text(), "Exit the above Quick Start Instructions");
    EXPECT_EQ(memo->toPlainText(), "Quick Start Instructions\n\n1 - Select ENTER DATA\n\n"
                                   "2 - Enter your PERSONAL and FINANCIAL DATA.\n\n"
                                   "3 - Enter your RESOURCES DATA.\n\n4 - SHOW RESULTS.");
    EXPECT_TRUE(memo->font().bold());
    EXPECT_TRUE(memo->isReadOnly());
    const QRect covered = memo->parentWidget()->geometry();
    EXPECT_TRUE(covered.contains(Find<QPlainTextEdit>("memoDescription")->geometry().center()));
    EXPECT_TRUE(covered.contains(Find<QLabel>("lblHeading")->geometry().center()));
    QTest::mouseClick(close, Qt::LeftButton);
    EXPECT_FALSE(memo->isVisible());
    EXPECT_FALSE(close->isVisible());
    EXPECT_TRUE(Find<QLabel>("lblHeading")->isVisible());
}

TEST_F(TfrmTitlepageTest, ButtonsAndMenuItemsGiveTheirCommands) {
    QTest::mouseClick(Find<QPushButton>("btnEnterData"), Qt::LeftButton);
    ASSERT_EQ(shell.shown.size(), 1u);
    EXPECT_EQ(shell.shown[0], Screen::DataInput);
    QTest::mouseClick(Find<QPushButton>("btnExit"), Qt::LeftButton);
    EXPECT_EQ(shell.exitSequences, 1);
    Trigger("hlpExit");
    EXPECT_EQ(shell.exitSequences, 2);
    Trigger("hlpSave");
    EXPECT_EQ(shell.saves, 1);
    Trigger("hlpPrint");
    EXPECT_EQ(shell.printHints, 1);
    Trigger("hlpContents");
    EXPECT_EQ(shell.helpContents, 1);
    Trigger("hlpTutorial");
    EXPECT_EQ(shell.helpTutorials, 1);
}

} // namespace
} // namespace velmora

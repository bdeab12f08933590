// The data input screen: filling from the plan, the marital status buttons,
// storing every keystroke, masks, navigation and the instructions.

#include "entry/ui/TfrmDataInput.h"

#include "RecordingShell.h"
#include "ScriptedDialogs.h"
#include "UiTestSupport.h"
#include "Workspace.h"
#include "grid/ui/CellEditor.h"
#include "grid/ui/CellHint.h"
#include "grid/ui/StringGrid.h"
#include "history/ui/PlanHistory.h"

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace velmora {
namespace {

using test::PressKey;
using test::TypeKeys;

class TfrmDataInputTest : public ::testing::Test {
protected:
    void Open() { ASSERT_TRUE(test::OpenScreen(form)); }
    template <class T> T* Find(const char* name) { return test::FindControl<T>(form, name); }
    StringGrid* Grid(const char* name) { return Find<StringGrid>(name); }
    QRadioButton* Single() { return Find<QRadioButton>("RadioButtonS"); }
    QRadioButton* Married() { return Find<QRadioButton>("RadioButtonMarried"); }
    // Radio buttons take clicks on their circle and caption, at the left.
    void Click(QRadioButton* button) {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }

    // Clicks into a cell and types, as a user would.
    void TypeInto(const char* grid, int col, const QString& keys) {
        StringGrid* target = Grid(grid);
        QTest::mouseClick(target->viewport(), Qt::LeftButton, {},
                          target->visualRect(target->model()->index(0, col)).center());
        TypeKeys(keys);
    }

    Workspace workspace;
    test::ScriptedDialogs dialogs;
    test::RecordingShell shell;
    PlanHistory history{workspace.plan, shell};
    TfrmDataInput form{{workspace, dialogs, shell, history}};
};

TEST_F(TfrmDataInputTest, AFreshPlanOpensSingleWithTheDefaults) {
    Open();
    EXPECT_EQ(form.windowTitle(), "Data Input Screen");
    EXPECT_TRUE(Single()->isChecked());
    EXPECT_FALSE(Married()->isChecked());
    EXPECT_EQ(Grid("StringGridAge")->Cells(0, 0), "60");
    EXPECT_EQ(Grid("StringGridAge")->Cells(1, 0), "NA");
    EXPECT_EQ(Grid("StringGridBudget")->Cells(0, 0), "0");
    EXPECT_EQ(Grid("StringGridInflation")->Cells(0, 0), "3");
    EXPECT_EQ(Grid("StringGridStateTaxRate")->Cells(0, 0), "0");
    EXPECT_TRUE(Find<QPushButton>("btnResults")->hasFocus()) << "Show Results holds the focus";
    EXPECT_FALSE(Find<QPlainTextEdit>("memoHelp")->isVisible());
    EXPECT_FALSE(Find<QPushButton>("btnExitMemoHelp")->isVisible());
}

TEST_F(TfrmDataInputTest, MaritalStatusSwitchesKeepTheSpouseAge) {
    workspace.plan.AgeSpouse = 58;
    Open();
    Click(Married());
    EXPECT_EQ(workspace.plan.Married, "Yes");
    EXPECT_EQ(Grid("StringGridAge")->Cells(1, 0), "58");
    Click(Single());
    EXPECT_EQ(workspace.plan.Married, "No");
    EXPECT_TRUE(Single()->isChecked());
    EXPECT_FALSE(Married()->isChecked());
    EXPECT_EQ(Grid("StringGridAge")->Cells(1, 0), "NA");
    EXPECT_EQ(workspace.plan.AgeSpouse, 58) << "choosing Single keeps the spouse age";

    TypeInto("StringGridAge", 1, "61");
    EXPECT_EQ(workspace.plan.AgeSpouse, 61) << "the spouse cell stays editable";
    EXPECT_EQ(workspace.plan.Married, "No");
}

TEST_F(TfrmDataInputTest, EscapeInTheSpouseCellOfASingleHouseholdKeepsTheSpouseAge) {
    workspace.plan.AgeSpouse = 58;
    Open();
    TypeInto("StringGridAge", 1, "7");
    EXPECT_EQ(workspace.plan.AgeSpouse, 7);
    PressKey(Qt::Key_Escape);
    EXPECT_EQ(Grid("StringGridAge")->Cells(1, 0), "NA");
    EXPECT_EQ(workspace.plan.AgeSpouse, 58) << "the change is abandoned, not the age";
    Click(Married());
    EXPECT_EQ(Grid("StringGridAge")->Cells(1, 0), "58");

    TypeInto("StringGridAge", 1, "063");
    PressKey(Qt::Key_Return);
    Click(Single());
    TypeInto("StringGridAge", 1, "1");
    PressKey(Qt::Key_Escape);
    EXPECT_EQ(workspace.plan.AgeSpouse, 63) << "the age typed last stands behind \"NA\"";
}

TEST_F(TfrmDataInputTest, AMarriedPlanShowsTheSpouseAge) {
    workspace.plan.Married = "Yes";
    workspace.plan.AgeSelf = 70;
    workspace.plan.AgeSpouse = 67;
    Open();
    EXPECT_TRUE(Married()->isChecked());
    EXPECT_EQ(Grid("StringGridAge")->Cells(0, 0), "70");
    EXPECT_EQ(Grid("StringGridAge")->Cells(1, 0), "67");
}

TEST_F(TfrmDataInputTest, AnUnknownMaritalStatusSelectsNeither) {
    workspace.plan.Married = "maybe";
    Open();
    EXPECT_FALSE(Single()->isChecked());
    EXPECT_FALSE(Married()->isChecked());
    EXPECT_EQ(Grid("StringGridAge")->Cells(1, 0), "60");
    EXPECT_EQ(workspace.plan.Married, "maybe") << "activation alone changes nothing";
}

TEST_F(TfrmDataInputTest, EveryKeystrokeIsStored) {
    Open();
    TypeInto("StringGridBudget", 0, "0");
    EXPECT_EQ(workspace.plan.AnnualBudget, 0);
    TypeKeys("4");
    EXPECT_EQ(workspace.plan.AnnualBudget, 4);
    TypeKeys("0000");
    EXPECT_EQ(workspace.plan.AnnualBudget, 40000);
    PressKey(Qt::Key_Return);

    TypeInto("StringGridAge", 0, "066");
    EXPECT_EQ(workspace.plan.AgeSelf, 66);
    PressKey(Qt::Key_Tab);
    TypeKeys("064");
    EXPECT_EQ(workspace.plan.AgeSpouse, 64) << "Tab moved on to the spouse cell";

    TypeInto("StringGridInflation", 0, "02");
    EXPECT_EQ(workspace.plan.InflationRate, 2);
    PressKey(Qt::Key_Return);
    EXPECT_TRUE(dialogs.Boxes().empty());
}

TEST_F(TfrmDataInputTest, TheStateRateAlsoSetsTheAppliedRate) {
    Open();
    TypeInto("StringGridStateTaxRate", 0, "7");
    EXPECT_EQ(workspace.plan.StateTaxRate, 7);
    EXPECT_EQ(workspace.AppliedStateTaxRate, 7);
    TypeKeys("5");
    EXPECT_EQ(workspace.AppliedStateTaxRate, 75);
    TypeKeys("9");
    EXPECT_EQ(workspace.plan.StateTaxRate, 0) << "too large: the value the cell had";
    EXPECT_EQ(workspace.AppliedStateTaxRate, 0);
}

TEST_F(TfrmDataInputTest, AnAgeIsTypedAsWritten) {
    Open();
    StringGrid* age = Grid("StringGridAge");
    TypeInto("StringGridAge", 0, "65");
    EXPECT_EQ(workspace.plan.AgeSelf, 65) << "stored at once";
    PressKey(Qt::Key_Tab);
    EXPECT_FALSE(age->IsEditing()) << "the cell fills its own zeros";
    EXPECT_EQ(age->Col(), 1);
    EXPECT_EQ(age->Cells(0, 0), "65");
    EXPECT_EQ(workspace.plan.AgeSelf, 65);
    EXPECT_TRUE(dialogs.Boxes().empty());
}

TEST_F(TfrmDataInputTest, AnOpenedCellShowsItsFormAndALeftCellItsValue) {
    Open();
    StringGrid* age = Grid("StringGridAge");
    TypeInto("StringGridAge", 0, "");
    PressKey(Qt::Key_F2);
    ASSERT_TRUE(age->IsEditing());
    auto* editor = dynamic_cast<CellEditor*>(age->Editor());
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), "60");
    EXPECT_EQ(editor->Unfilled(), "") << "no places to fill: the cell fills its zeros";
    const QLabel* note = CellHint::Of(*editor);
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(note->isVisible()) << "the form is said before any key";
    EXPECT_EQ(note->text(), "Whole number, 0 to 999");
    TypeKeys("0");
    EXPECT_EQ(workspace.plan.AgeSelf, 0);
    TypeKeys("67");
    EXPECT_EQ(workspace.plan.AgeSelf, 67);
    PressKey(Qt::Key_Return);
    EXPECT_FALSE(age->IsEditing());
    EXPECT_EQ(age->Cells(0, 0), "67") << "the value as the screen shows it";

    workspace.plan.Married = "Yes";
    Open();
    TypeInto("StringGridAge", 1, "065");
    PressKey(Qt::Key_Tab);
    EXPECT_EQ(age->Cells(1, 0), "65");
    TypeInto("StringGridBudget", 0, "060000");
    PressKey(Qt::Key_Return);
    EXPECT_EQ(Grid("StringGridBudget")->Cells(0, 0), "60000");
    TypeInto("StringGridBudget", 0, "1");
    PressKey(Qt::Key_Escape);
    EXPECT_EQ(Grid("StringGridBudget")->Cells(0, 0), "60000");
    EXPECT_TRUE(dialogs.Boxes().empty());
}

TEST_F(TfrmDataInputTest, ADollarSignAndCommasAreTakenAFractionIsRefusedWhole) {
    workspace.plan.AnnualBudget = 45000;
    workspace.plan.InflationRate = 3;
    Open();
    StringGrid* budget = Grid("StringGridBudget");
    TypeInto("StringGridBudget", 0, "$60,000");
    EXPECT_EQ(budget->Editor()->text(), "$60,000") << "as typed";
    EXPECT_EQ(workspace.plan.AnnualBudget, 60000);
    PressKey(Qt::Key_Return);
    EXPECT_FALSE(budget->IsEditing());
    EXPECT_EQ(budget->Cells(0, 0), "60000");

    StringGrid* inflation = Grid("StringGridInflation");
    TypeInto("StringGridInflation", 0, "4.5");
    EXPECT_EQ(inflation->Editor()->text(), "4.5") << "nothing appended";
    EXPECT_EQ(workspace.plan.InflationRate, 3) << "the previous value until a whole number";
    const QLabel* note = CellHint::Of(*inflation->Editor());
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(note->isVisible()) << "said as soon as it is typed";
    EXPECT_EQ(note->text(), "Whole numbers only: 4.5 cannot be entered, type 4 or 5");
    QTest::mouseClick(Find<QPushButton>("btnResults"), Qt::LeftButton);
    EXPECT_TRUE(shell.shown.empty()) << "the cell is not left";
    ASSERT_TRUE(inflation->IsEditing());
    EXPECT_EQ(workspace.plan.InflationRate, 3);
    PressKey(Qt::Key_Backspace);
    PressKey(Qt::Key_Backspace);
    EXPECT_EQ(workspace.plan.InflationRate, 4);
    PressKey(Qt::Key_Return);
    EXPECT_EQ(inflation->Cells(0, 0), "4");
    EXPECT_TRUE(dialogs.Boxes().empty());
}

TEST_F(TfrmDataInputTest, OnlyTheFocusedGridShowsItsCurrentCell) {
    Open();
    // A grid whose current cell stands out shows the selection's colour.
    const auto highlighted = [](StringGrid* grid) {
        const QImage image = grid->viewport()->grab().toImage();
        const QRgb highlight = grid->palette().color(QPalette::Active, QPalette::Highlight).rgb();
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixel(x, y) == highlight) {
                    return true;
                }
            }
        }
        return false;
    };
    const std::vector<const char*> names = {"StringGridAge", "StringGridBudget",
                                            "StringGridInflation", "StringGridStateTaxRate"};
    const auto shown = [&] {
        QStringList which;
        for (const char* name : names) {
            if (highlighted(Grid(name))) {
                which << name;
            }
        }
        return which;
    };
    EXPECT_EQ(shown(), QStringList()) << "Show Results has the focus";
    TypeInto("StringGridBudget", 0, "040000");
    PressKey(Qt::Key_Return);
    EXPECT_EQ(shown(), QStringList({"StringGridBudget"}));
    TypeInto("StringGridInflation", 0, "03");
    PressKey(Qt::Key_Return);
    EXPECT_EQ(shown(), QStringList({"StringGridInflation"}));
}

TEST_F(TfrmDataInputTest, AnEmptiedBudgetIsZero) {
    workspace.plan.AnnualBudget = 40000;
    Open();
    StringGrid* budget = Grid("StringGridBudget");
    TypeInto("StringGridBudget", 0, "5");
    PressKey(Qt::Key_Backspace);
    EXPECT_EQ(workspace.plan.AnnualBudget, 0);
    QTest::mouseClick(Find<QPushButton>("btnResults"), Qt::LeftButton);
    EXPECT_FALSE(budget->IsEditing());
    EXPECT_EQ(budget->Cells(0, 0), "0");
    ASSERT_EQ(shell.shown.size(), 1u);
    EXPECT_EQ(shell.shown[0], Screen::Results);
    EXPECT_TRUE(dialogs.Boxes().empty());
}

TEST_F(TfrmDataInputTest, EscapeBringsBackTheOldValue) {
    workspace.plan.InflationRate = 4;
    Open();
    TypeInto("StringGridInflation", 0, "9");
    EXPECT_EQ(workspace.plan.InflationRate, 9);
    PressKey(Qt::Key_Escape);
    EXPECT_EQ(Grid("StringGridInflation")->Cells(0, 0), "4");
    EXPECT_EQ(workspace.plan.InflationRate, 4);
}

TEST_F(TfrmDataInputTest, AValueThatDoesNotFitMayOnlyBeShortened) {
    workspace.plan.AnnualBudget = 1234567; // from an edited plan file
    Open();
    StringGrid* budget = Grid("StringGridBudget");
    budget->setFocus();
    PressKey(Qt::Key_F2);
    ASSERT_TRUE(budget->IsEditing());
    PressKey(Qt::Key_End);
    TypeKeys("8");
    EXPECT_EQ(workspace.plan.AnnualBudget, 1234567) << "too large: the value stays";
    PressKey(Qt::Key_Backspace);
    PressKey(Qt::Key_Backspace);
    EXPECT_EQ(workspace.plan.AnnualBudget, 123456);
    PressKey(Qt::Key_Return);
    EXPECT_FALSE(budget->IsEditing());
    EXPECT_TRUE(dialogs.Boxes().empty());
}

TEST_F(TfrmDataInputTest, AChangedValueThatStillDoesNotFitCannotBeLeft) {
    workspace.plan.AnnualBudget = 12345678;
    Open();
    StringGrid* budget = Grid("StringGridBudget");
    budget->setFocus();
    PressKey(Qt::Key_F2);
    PressKey(Qt::Key_End);
    PressKey(Qt::Key_Backspace);
    EXPECT_EQ(workspace.plan.AnnualBudget, 12345678) << "never a cut number";
    QTest::mouseClick(Find<QPushButton>("btnResults"), Qt::LeftButton);
    EXPECT_TRUE(shell.shown.empty()) << "the button press is refused";
    ASSERT_TRUE(budget->IsEditing());
    EXPECT_TRUE(budget->Editor()->hasFocus());
    EXPECT_EQ(CellHint::Of(*budget->Editor())->text(), "Too large: this cell takes 0 to 999999");
    PressKey(Qt::Key_Escape);
    EXPECT_EQ(budget->Cells(0, 0), "12345678");
    EXPECT_EQ(workspace.plan.AnnualBudget, 12345678);
    EXPECT_TRUE(dialogs.Boxes().empty());
}

TEST_F(TfrmDataInputTest, ButtonsLeadToTheirScreens) {
    Open();
    const std::pair<const char*, Screen> moves[] = {
        {"btnEarn", Screen::Earnings},
        {"btnEntitlements", Screen::Entitlements},
        {"btnIRAs", Screen::IRAs},
        {"btnDebt", Screen::Debt},
        {"btnStocks", Screen::Equity},
        {"btnResults", Screen::Results},
        {"btnReturnToTiltleScreen", Screen::Title},
    };
    for (const auto& [name, screen] : moves) {
        shell.shown.clear();
        QTest::mouseClick(Find<QPushButton>(name), Qt::LeftButton);
        ASSERT_EQ(shell.shown.size(), 1u) << name;
        EXPECT_EQ(shell.shown[0], screen) << name;
    }
    EXPECT_EQ(Find<QPushButton>("btnEarn")->toolTip(), "Annual post-retirement earned income.");
    EXPECT_EQ(Find<QPushButton>("btnIRAs")->text(), "IRA's");
    EXPECT_EQ(Find<QPushButton>("btnResults")->toolTip(),
              "Enter Resources Data first, then Show Results");
    EXPECT_EQ(Grid("StringGridBudget")->toolTip(),
              "Federal income taxes will be calculated separately.");
    EXPECT_EQ(Grid("StringGridBudget")->accessibleName(), "Annual Budget, $/Yr");
    // Its hint is read after its name; its one column is read as its label.
    EXPECT_EQ(Grid("StringGridBudget")->accessibleDescription(),
              "Federal income taxes will be calculated separately.");
    EXPECT_EQ(Grid("StringGridBudget")->model()->headerData(0, Qt::Horizontal).toString(),
              "Annual Budget, $/Yr");
}

TEST_F(TfrmDataInputTest, MenuItemsGiveTheSharedCommands) {
    Open();
    QStringList bar;
    for (QAction* top : form.menuBar()->actions()) {
        bar << top->text();
    }
    EXPECT_EQ(bar, QStringList({"&File", "&Help", "Data Entry Instructions"}));
    QStringList file;
    for (QAction* item : Find<QMenu>("mnuFile")->actions()) {
        file << item->text();
    }
    EXPECT_EQ(file, QStringList({"&Save", "&Print...", "E&xit"}));
    Find<QAction>("hlpSave")->trigger();
    Find<QAction>("hlpPrint")->trigger();
    Find<QAction>("hlpExit")->trigger();
    Find<QAction>("hlpHelp")->trigger();
    QTest::mouseClick(Find<QPushButton>("btnExit"), Qt::LeftButton);
    EXPECT_EQ(shell.saves, 1);
    EXPECT_EQ(shell.printHints, 1);
    EXPECT_EQ(shell.exitSequences, 2);
    EXPECT_EQ(shell.helpContents, 1);
}

TEST_F(TfrmDataInputTest, InstructionsAreRebuiltEachTime) {
    Open();
    auto* memo = Find<QPlainTextEdit>("memoHelp");
    Find<QAction>("DataEntryInstructions1")->trigger();
    EXPECT_TRUE(memo->isVisible());
    EXPECT_TRUE(Find<QPushButton>("btnExitMemoHelp")->isVisible());
    const QStringList lines = memo->toPlainText().split('\n');
    ASSERT_EQ(lines.size(), 17);
    EXPECT_EQ(lines[0], "Data Entry Procedure:");
    EXPECT_EQ(lines[1], " ");
    EXPECT_EQ(lines[2], "STEP 1: Enter your PERSONAL DATA - Married or Single and current age(s).");
    EXPECT_EQ(lines[15], " ");
    EXPECT_EQ(lines[16], "STEP 3: Press SHOW RESULTS to see your investments listed in the Risk "
                         "Categories of your choice and their ERR (EFFECTIVE RATE OF RETURN) "
                         "values. ");
    const QString first = memo->toPlainText();
    Find<QAction>("DataEntryInstructions1")->trigger();
    EXPECT_EQ(memo->toPlainText(), first) << "never accumulates";

    form.FormActivate(); // still open after the screen is shown again
    EXPECT_TRUE(memo->isVisible());
    QTest::mouseClick(Find<QPushButton>("btnExitMemoHelp"), Qt::LeftButton);
    EXPECT_FALSE(memo->isVisible());
    EXPECT_FALSE(Find<QPushButton>("btnExitMemoHelp")->isVisible());
}

TEST_F(TfrmDataInputTest, KeysTypedWhileTheInstructionsAreOpenReachNoCoveredCell) {
    workspace.plan.AnnualBudget = 40000;
    Open();
    Grid("StringGridBudget")->setFocus();
    Find<QAction>("DataEntryInstructions1")->trigger();
    TypeKeys("77");
    PressKey(Qt::Key_Tab);
    TypeKeys("5");
    EXPECT_EQ(workspace.plan.AnnualBudget, 40000);
    EXPECT_EQ(Grid("StringGridBudget")->Cells(0, 0), "40000");
    EXPECT_EQ(workspace.plan.InflationRate, 3);
    EXPECT_TRUE(shell.shown.empty());

    form.FormActivate();
    ASSERT_TRUE(Find<QPushButton>("btnExitMemoHelp")->hasFocus());
    PressKey(Qt::Key_Space); // the focused "Exit this help screen"
    EXPECT_FALSE(Find<QPlainTextEdit>("memoHelp")->isVisible());
    EXPECT_TRUE(Find<QPushButton>("btnResults")->hasFocus());
    TypeInto("StringGridBudget", 0, "5");
    EXPECT_EQ(workspace.plan.AnnualBudget, 5) << "the cells take keys again";
}

} // namespace
} // namespace velmora

// Taking changes back and making them again in the running program: every
// kind of step through the real screens and keys, the screen and cell that an
// undo shows, and the modified mark in the screens' titles.

#include "HistoryTestSupport.h"
#include "PlanSamples.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace velmora {
namespace {

using test::BoxKind;
using test::HistoryTest;

// The number of screens whose title shows the modified mark.
int MarkedScreens(Application& app) {
    int marked = 0;
    for (int screen = 0; screen < kScreenCount; ++screen) {
        marked += app.ScreenWidget(static_cast<Screen>(screen))->isWindowModified() ? 1 : 0;
    }
    return marked;
}

QString MenuText(const QWidget& screen, const char* action) {
    const auto* item = screen.findChild<QAction*>(QString::fromLatin1(action));
    return item == nullptr ? QStringLiteral("(none)") : item->text();
}

class PlanHistoryTest : public HistoryTest {};

TEST_F(PlanHistoryTest, AnEditOnEachEntryScreenIsOneStepUndoneAndRedoneOnItsScreen) {
    PlanData household = testing::MarriedHousehold();
    Start(household);
    struct Edit {
        Screen screen;
        const char* button; // from the data input screen
        const char* grid;
        int col;
        int row;
        const char* text;
    };
    const Edit edits[] = {
        {Screen::DataInput, nullptr, "StringGridBudget", 0, 0, "072000"},
        {Screen::Earnings, "btnEarn", "StringGridEarnings", 0, 1, "0950"},
        {Screen::Entitlements, "btnEntitlements", "StringGridEntitlements", 2, 2, "00300"},
        {Screen::IRAs, "btnIRAs", "StringGridIRAs", 2, 1, "095000"},
        // Leaving the table clears the row's two kinds of dividends: the same step.
        {Screen::Equity, "btnStocks", "StringGridTable", 6, 1, "07"},
        {Screen::Debt, "btnDebt", "StringGridTable", 3, 0, "06"},
    };
    std::vector<PlanData> states{Plan()};
    Click(Screen::Title, "btnEnterData");
    for (const Edit& edit : edits) {
        if (edit.button != nullptr) {
            Click(Screen::DataInput, edit.button);
        }
        ASSERT_EQ(app->Current(), edit.screen);
        test::TypeIntoCell(Grid(edit.screen, edit.grid), edit.col, edit.row,
                           QString::fromLatin1(edit.text));
        if (edit.button != nullptr) {
            Click(edit.screen, DoneButton(edit.screen));
        }
        states.push_back(Plan());
    }
    EXPECT_EQ(Plan().AnnualBudget, 72000);
    EXPECT_EQ(Plan().EarningsSelf, 950);
    EXPECT_EQ(Plan().PensionSpouse, 300);
    EXPECT_EQ(Plan().IraHoldings[1].CurrentValue, 95000);
    EXPECT_EQ(Plan().EquityHoldings[1].PriceGrowth, 7);
    EXPECT_EQ(Plan().EquityHoldings[1].RegularDividends, 0) << "the check on leaving the table";
    EXPECT_EQ(Plan().DebtHoldings[0].InterestRate, 6);
    ASSERT_EQ(app->History().Stack().count(), 6);

    for (int step = 5; step >= 0; --step) {
        const Edit& edit = edits[step];
        Undo();
        EXPECT_EQ(Difference(states[step], Plan()), "") << "undo " << edit.grid;
        EXPECT_EQ(app->Current(), edit.screen) << edit.grid;
        StringGrid& grid = Grid(edit.screen, edit.grid);
        EXPECT_TRUE(grid.hasFocus()) << edit.grid;
        EXPECT_EQ(grid.Col(), edit.col) << edit.grid;
        EXPECT_EQ(grid.Row(), edit.row) << edit.grid;
    }
    EXPECT_EQ(Grid(Screen::DataInput, "StringGridBudget").Cells(0, 0), "64000")
        << "the screen refilled from the plan";
    EXPECT_EQ(SaveThroughMenu(), loadedFile) << "the saved plan is the loaded one";

    for (int step = 0; step < 6; ++step) {
        Redo(step % 2 == 0 ? Qt::Key_Y : Qt::Key_Z);
        EXPECT_EQ(Difference(states[step + 1], Plan()), "") << "redo " << edits[step].grid;
        EXPECT_EQ(app->Current(), edits[step].screen);
    }
    EXPECT_EQ(SaveThroughMenu(), PlanFileText(states[6]));
}

TEST_F(PlanHistoryTest, ADeletedIraRowComesBackWithTheRowsBelowIt) {
    Start(testing::FullPlan());
    Click(Screen::Title, "btnEnterData");
    Click(Screen::DataInput, "btnIRAs");
    StringGrid& iras = Grid(Screen::IRAs, "StringGridIRAs");

    iras.setFocus();
    iras.SetCurrentCell(0, 4);
    Click(Screen::IRAs, "btnDeleteRowIRA");
    EXPECT_EQ(Plan().IraHoldings[4].Name, "IRA 6");
    EXPECT_EQ(Plan().IraHoldings[38].Name, "IRA 40");
    EXPECT_EQ(Plan().IraHoldings[39].Name, "") << "the last row emptied";
    EXPECT_EQ(MenuText(Window(Screen::DataInput), "mnuUndo"), "&Undo Delete IRA Row");

    // The 40th row: only it goes.
    iras.setFocus();
    iras.SetCurrentCell(0, 39);
    Click(Screen::IRAs, "btnDeleteRowIRA");
    iras.SetCurrentCell(0, 38);
    Click(Screen::IRAs, "btnDeleteRowIRA");
    EXPECT_EQ(Plan().IraHoldings[38].Name, "");
    EXPECT_EQ(app->History().Stack().count(), 2) << "deleting the empty 40th row changed nothing";

    Undo();
    EXPECT_EQ(Plan().IraHoldings[38].Name, "IRA 40");
    EXPECT_EQ(iras.Row(), 38);
    Undo();
    EXPECT_EQ(Difference(testing::FullPlan(), Plan()), "");
    EXPECT_EQ(test::RowTexts(iras, 4),
              QStringList({"IRA 5", "0", "5000", "0", "50", "5", "0", "1"}));
    EXPECT_EQ(test::RowTexts(iras, 39),
              QStringList({"IRA 40", "0", "40000", "0", "400", "5", "0", "0"}));
    EXPECT_EQ(iras.Row(), 4) << "the deleted row is current";
    EXPECT_EQ(SaveThroughMenu(), loadedFile);
}

TEST_F(PlanHistoryTest, TheDebtScreensClearingOfUnnamedRowsIsUndone) {
    PlanData plan = testing::MarriedHousehold();
    plan.DebtHoldings[6] = {"", 100, 5000, 3, 2, 1, "Y", 0.0};
    Start(plan);
    Click(Screen::Title, "btnEnterData");
    Click(Screen::DataInput, "btnDebt");
    Click(Screen::Debt, "btnReturnToMiscInput");
    EXPECT_EQ(Plan().DebtHoldings[6].CurrentValue, 0);
    EXPECT_EQ(Plan().DebtHoldings[6].FedTaxFree, "");
    EXPECT_EQ(app->Current(), Screen::DataInput);

    Undo();
    EXPECT_EQ(Difference(plan, Plan()), "");
    EXPECT_EQ(app->Current(), Screen::Debt);
    // The row comes back on screen too, although it has no name, with its first
    // value current.
    StringGrid& grid = Grid(Screen::Debt, "StringGridTable");
    EXPECT_EQ(grid.Row(), 6);
    EXPECT_EQ(grid.Col(), 1);
    EXPECT_EQ(grid.Cells(1, 6), "100");
    EXPECT_EQ(grid.Cells(2, 6), "5000");
    EXPECT_EQ(grid.Cells(4, 6), "Y");
    Redo();
    EXPECT_EQ(Plan().DebtHoldings[6].CurrentValue, 0);
    EXPECT_EQ(app->Current(), Screen::Debt);
    EXPECT_EQ(grid.Cells(2, 6), "") << "and goes again";
}

TEST_F(PlanHistoryTest, AMaritalChangeIsUndone) {
    Start(testing::MarriedHousehold());
    Click(Screen::Title, "btnEnterData");
    auto* single = Find<QRadioButton>(Screen::DataInput, "RadioButtonS");
    QTest::mouseClick(single, Qt::LeftButton, {}, QPoint(8, single->height() / 2));
    EXPECT_EQ(Plan().Married, "No");
    EXPECT_EQ(Grid(Screen::DataInput, "StringGridAge").Cells(1, 0), "NA");
    EXPECT_EQ(MenuText(Window(Screen::DataInput), "mnuUndo"), "&Undo change to Single");

    Undo();
    EXPECT_EQ(Plan().Married, "Yes");
    EXPECT_TRUE(Find<QRadioButton>(Screen::DataInput, "RadioButtonMarried")->isChecked());
    EXPECT_EQ(Grid(Screen::DataInput, "StringGridAge").Cells(1, 0), "68");
    EXPECT_EQ(app->History().Stack().count(), 1) << "refilling the screen recorded nothing";
    EXPECT_EQ(MenuText(Window(Screen::DataInput), "mnuRedo"), "Re&do change to Single");
}

TEST_F(PlanHistoryTest, UndoShowsTheScreenOfTheStepFromAnyScreen) {
    Start(testing::MarriedHousehold());
    Click(Screen::Title, "btnEnterData");
    Click(Screen::DataInput, "btnIRAs");
    test::TypeIntoCell(Grid(Screen::IRAs, "StringGridRothIRAs"), 6, 1, "09");
    Click(Screen::IRAs, "btnReturnToMiscInput");
    Click(Screen::DataInput, "btnReturnToTiltleScreen");
    ASSERT_EQ(app->Current(), Screen::Title);
    EXPECT_EQ(MenuText(Window(Screen::Title), "mnuUndo"), "&Undo edit of Roth row 2");

    Undo();
    EXPECT_EQ(app->Current(), Screen::IRAs);
    EXPECT_EQ(Plan().RothHoldings[1].ProbabilityOfLoss, 0);
    StringGrid& roth = Grid(Screen::IRAs, "StringGridRothIRAs");
    EXPECT_TRUE(roth.hasFocus());
    EXPECT_EQ(roth.Col(), 6);
    EXPECT_EQ(roth.Row(), 1);
    EXPECT_EQ(roth.Cells(6, 1), "0");
    EXPECT_FALSE(Window(Screen::Title).isVisible());
}

TEST_F(PlanHistoryTest, TheModifiedMarkFollowsTheSavedPlan) {
    Start(testing::MarriedHousehold());
    Click(Screen::Title, "btnEnterData");
    EXPECT_EQ(MarkedScreens(*app), 0);
    StringGrid& budget = Grid(Screen::DataInput, "StringGridBudget");
    budget.setFocus();
    test::TypeKeys("0");
    EXPECT_EQ(MarkedScreens(*app), 9) << "the plan changed with the first key";
    test::TypeKeys("71000");
    test::PressKey(Qt::Key_Return);
    EXPECT_EQ(MarkedScreens(*app), 9);
    Undo();
    EXPECT_EQ(MarkedScreens(*app), 0) << "back to the loaded plan";
    Redo();
    EXPECT_EQ(MarkedScreens(*app), 9);

    SaveThroughMenu();
    EXPECT_EQ(MarkedScreens(*app), 0);
    EXPECT_EQ(app->History().Stack().count(), 1) << "a save keeps the history";
    Undo();
    EXPECT_EQ(MarkedScreens(*app), 9) << "the saved plan had the edit";
    EXPECT_EQ(Plan().AnnualBudget, 64000);
    Redo();
    EXPECT_EQ(MarkedScreens(*app), 0);
}

TEST_F(PlanHistoryTest, ShowResultsClearingSocialSecurityIsOneStep) {
    PlanData single = testing::MarriedHousehold();
    single.Married = "No";
    single.SocialSecuritySpouse = 700;
    Start(single);
    Click(Screen::Title, "btnEnterData");
    Click(Screen::DataInput, "btnResults");
    EXPECT_EQ(Plan().SocialSecuritySpouse, 0);
    EXPECT_EQ(MenuText(Window(Screen::Results), "mnuUndo"), "&Undo Show Results");

    Undo();
    EXPECT_EQ(Plan().SocialSecuritySpouse, 700);
    EXPECT_EQ(Difference(single, Plan()), "");
    EXPECT_EQ(app->Current(), Screen::DataInput)
        << "a single filer's spouse amount is seen nowhere: shown where Show Results was pressed";
    EXPECT_EQ(MarkedScreens(*app), 0);
}

// Show Results sets a single household's spouse amount to 0: the data input
// screen says so with the amount and the way back, and choosing Married again
// brings it back as a step of its own, which Ctrl+Z takes back.
TEST_F(PlanHistoryTest, ChoosingMarriedAgainBringsTheClearedSpouseAmountBack) {
    Start(testing::MarriedHousehold());
    const std::int32_t spouse = Plan().SocialSecuritySpouse;
    ASSERT_GT(spouse, 0);
    Click(Screen::Title, "btnEnterData");
    auto* single = Find<QRadioButton>(Screen::DataInput, "RadioButtonS");
    auto* married = Find<QRadioButton>(Screen::DataInput, "RadioButtonMarried");
    auto* note = Find<QLabel>(Screen::DataInput, "lblClearedNote");
    EXPECT_FALSE(note->isVisible());
    QTest::mouseClick(single, Qt::LeftButton, {}, QPoint(8, single->height() / 2));
    Click(Screen::DataInput, "btnResults");
    EXPECT_EQ(Plan().SocialSecuritySpouse, 0) << "the rule of the results is kept";
    Click(Screen::Results, "btnReturn");
    ASSERT_EQ(app->Current(), Screen::DataInput);
    EXPECT_TRUE(note->isVisible());
    EXPECT_EQ(note->text(), QStringLiteral("Social Security (Spouse) of %1 $/mo counts only for a "
                                           "married household: Show Results set it to 0. Choosing "
                                           "Married brings it back.")
                                .arg(spouse));
    EXPECT_EQ(note->accessibleName(), note->text());

    QTest::mouseClick(married, Qt::LeftButton, {}, QPoint(8, married->height() / 2));
    EXPECT_EQ(Plan().Married, "Yes");
    EXPECT_EQ(Plan().SocialSecuritySpouse, spouse);
    EXPECT_FALSE(note->isVisible());
    EXPECT_EQ(MenuText(Window(Screen::DataInput), "mnuUndo"),
              "&Undo return of Social Security (Spouse)");
    Undo();
    EXPECT_EQ(Plan().SocialSecuritySpouse, 0);
    EXPECT_EQ(Plan().Married, "Yes") << "choosing Married is a step of its own";
    Undo();
    EXPECT_EQ(Plan().Married, "No");
}

// An amount set to 0 for an age under 62 comes back once the age is 62.
TEST_F(PlanHistoryTest, AnAgeOf62BringsTheClearedAmountBack) {
    PlanData young = testing::MarriedHousehold();
    young.AgeSelf = 60;
    young.SocialSecuritySelf = 1200;
    Start(young);
    Click(Screen::Title, "btnEnterData");
    Click(Screen::DataInput, "btnResults");
    EXPECT_EQ(Plan().SocialSecuritySelf, 0);
    Click(Screen::Results, "btnReturn");
    auto* note = Find<QLabel>(Screen::DataInput, "lblClearedNote");
    EXPECT_EQ(note->text(), "Social Security (Self) of 1200 $/mo counts from age 62: Show Results "
                            "set it to 0. An age (Self) of 62 or more brings it back.");
    test::TypeIntoCell(Grid(Screen::DataInput, "StringGridAge"), 0, 0, "61");
    EXPECT_EQ(Plan().SocialSecuritySelf, 0) << "not yet";
    test::TypeIntoCell(Grid(Screen::DataInput, "StringGridAge"), 0, 0, "62");
    EXPECT_EQ(Plan().AgeSelf, 62);
    EXPECT_EQ(Plan().SocialSecuritySelf, 1200);
    EXPECT_FALSE(note->isVisible());
    Undo();
    EXPECT_EQ(Plan().SocialSecuritySelf, 0);
    EXPECT_EQ(Plan().AgeSelf, 62) << "the age typed is a step of its own";
}

TEST_F(PlanHistoryTest, UndoingShowResultsShowsTheClearedAmountBack) {
    PlanData young = testing::MarriedHousehold();
    young.AgeSpouse = 60;
    young.SocialSecuritySpouse = 700;
    Start(young);
    Click(Screen::Title, "btnEnterData");
    Click(Screen::DataInput, "btnResults");
    EXPECT_EQ(Plan().SocialSecuritySpouse, 0);

    Undo();
    EXPECT_EQ(Difference(young, Plan()), "");
    ASSERT_EQ(app->Current(), Screen::Entitlements) << "not calculated again";
    StringGrid& entitlements = Grid(Screen::Entitlements, "StringGridEntitlements");
    EXPECT_EQ(entitlements.Cells(2, 1), "700");
    EXPECT_TRUE(entitlements.hasFocus());
    EXPECT_EQ(entitlements.Col(), 2);
    EXPECT_EQ(entitlements.Row(), 1);

    Redo();
    EXPECT_EQ(Plan().SocialSecuritySpouse, 0);
    EXPECT_EQ(app->Current(), Screen::Entitlements);
    EXPECT_EQ(entitlements.Cells(2, 1), "0") << "cleared again on screen";
}

TEST_F(PlanHistoryTest, UndoingShowResultsShowsAnIrasBasisBack) {
    PlanData withBasis = testing::MarriedHousehold();
    withBasis.IraHoldings[1].Basis = 4000;
    Start(withBasis);
    Click(Screen::Title, "btnEnterData");
    Click(Screen::DataInput, "btnResults");
    EXPECT_EQ(Plan().IraHoldings[1].Basis, 0);
    Undo();
    EXPECT_EQ(Plan().IraHoldings[1].Basis, 4000);
    ASSERT_EQ(app->Current(), Screen::IRAs);
    StringGrid& iras = Grid(Screen::IRAs, "StringGridIRAs");
    EXPECT_EQ(iras.Cells(1, 1), "4000");
    EXPECT_TRUE(iras.hasFocus());
    EXPECT_EQ(iras.Row(), 1);
}

TEST_F(PlanHistoryTest, ACellBeingEditedIsLeftFirstAndARefusedOneStays) {
    Start(testing::MarriedHousehold());
    Click(Screen::Title, "btnEnterData");
    Click(Screen::DataInput, "btnDebt");
    StringGrid& debts = Grid(Screen::Debt, "StringGridTable");
    test::TypeIntoCell(debts, 3, 0, "06");

    // An emptied flag cannot be left: the undo is refused with the cell.
    debts.SetCurrentCell(4, 0);
    test::PressKey(Qt::Key_F2);
    test::PressKey(Qt::Key_Backspace);
    EXPECT_EQ(Plan().DebtHoldings[0].FedTaxFree, "");
    dialogs.Expect(
        BoxKind::Error,
        "Invalid input value.  Use escape key to abandon changes.\n\nRow 1, \"City bond "
        "2012\", Fed Tax Free? (Y/N): Y or N.\nLeft empty it would be stored as N: type Y "
        "or N, or press Escape for what the cell held");
    Undo();
    dialogs.VerifyAllShown();
    EXPECT_TRUE(debts.IsEditing()) << "the refused cell stays";
    EXPECT_EQ(Plan().DebtHoldings[0].InterestRate, 6) << "nothing undone";
    EXPECT_EQ(app->History().Stack().count(), 1);

    test::TypeKeys("n");
    EXPECT_EQ(Plan().DebtHoldings[0].FedTaxFree, "N");
    Undo();
    EXPECT_FALSE(debts.IsEditing());
    EXPECT_EQ(Plan().DebtHoldings[0].FedTaxFree, "Y") << "the edit, left, was the step undone";
    EXPECT_EQ(Plan().DebtHoldings[0].InterestRate, 6);
    EXPECT_EQ(debts.Cells(4, 0), "Y");
    Undo();
    EXPECT_EQ(Plan().DebtHoldings[0].InterestRate, 5);
    Redo();
    Redo();
    EXPECT_EQ(Plan().DebtHoldings[0].FedTaxFree, "N");
}

TEST_F(PlanHistoryTest, EveryScreenOffersUndoAndRedo) {
    Start(testing::MarriedHousehold());
    for (int screen = 0; screen < kScreenCount; ++screen) {
        const QWidget& window = Window(static_cast<Screen>(screen));
        const auto* undo = window.findChild<QAction*>("mnuUndo");
        const auto* redo = window.findChild<QAction*>("mnuRedo");
        ASSERT_NE(undo, nullptr) << screen;
        ASSERT_NE(redo, nullptr) << screen;
        EXPECT_TRUE(window.actions().contains(undo)) << "the keys work on screen " << screen;
        EXPECT_EQ(undo->shortcuts(), QList<QKeySequence>({QKeySequence("Ctrl+Z")}));
        EXPECT_EQ(redo->shortcuts(),
                  QList<QKeySequence>({QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")}));
        EXPECT_FALSE(undo->isEnabled());
        EXPECT_EQ(undo->text(), "&Undo");
    }
    for (Screen screen : {Screen::Title, Screen::DataInput, Screen::Results}) {
        QStringList items;
        for (QAction* item : Window(screen).findChild<QMenu*>("mnuFile")->actions()) {
            items << (item->isSeparator() ? QStringLiteral("-") : item->text());
        }
        EXPECT_EQ(items.mid(0, 4), QStringList({"&Undo", "Re&do", "-", "&Save"}));
    }
}

} // namespace
} // namespace velmora

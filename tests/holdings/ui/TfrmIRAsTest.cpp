// The IRA screen, driven through its real grids and buttons.

#include "holdings/ira/ui/TfrmIRAs.h"

#include "HoldingsScreenTesting.h"
#include "RecordingShell.h"
#include "ScriptedDialogs.h"
#include "Workspace.h"
#include "grid/ui/CellHint.h"
#include "history/ui/PlanHistory.h"
#include "holdings/ira/IraReturns.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <gtest/gtest.h>
#include <memory>

namespace velmora {
namespace {

using test::BoxKind;
using test::FindControl;
using test::PressKey;
using test::TypeIntoCell;

// The exact texts the user sees; the category warning ends in two blanks.
const QString kBasisWarning = "If BASIS of IRA is not zero, see Help.";
const QString kInterestWarning = "Can not show both Interest and Dividends/Growth.";
const QString kCategoryWarning = "The maximum Portfolio Risk Category is 3. The program will "
                                 "automatically insert 3 for any entries exceeding this value.  ";

IraHolding Named(const std::string& name, std::int32_t value = 0) {
    IraHolding row;
    row.Name = name;
    row.CurrentValue = value;
    return row;
}

class TfrmIRAsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(test::ShowAndActivate(form)); }

    // Shows the screen's current tables, as the program does on activation.
    void Activate() { form.FormActivate(); }
    StringGrid& Iras() { return *FindControl<StringGrid>(form, "StringGridIRAs"); }
    StringGrid& Roths() { return *FindControl<StringGrid>(form, "StringGridRothIRAs"); }
    QPushButton& Button(const char* name) { return *FindControl<QPushButton>(form, name); }
    IraTable& IraRows() { return ws.plan.IraHoldings; }
    IraTable& RothRows() { return ws.plan.RothHoldings; }

    Workspace ws;
    test::ScriptedDialogs dialogs;
    test::RecordingShell shell;
    PlanHistory history{ws.plan, shell};
    TfrmIRAs form{{ws, dialogs, shell, history}};
};

TEST_F(TfrmIRAsTest, LayoutTitlesAndNames) {
    EXPECT_EQ(form.windowTitle(), "IRAs");
    EXPECT_FALSE(form.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(form.windowFlags() & Qt::WindowMinimizeButtonHint);
    auto* iraTitles = FindControl<StringGrid>(form, "StringGridIRATitles");
    auto* rothTitles = FindControl<StringGrid>(form, "StringGridRothTitles");
    test::ExpectTitleGrid(*iraTitles, {{"Name or", " Basis", " Current", " Interest", " Dividends",
                                        " Growth Rate", " Probability", " Portfolio"},
                                       {"Short", " = Zero", "  Value", "Stock = 0", " Bonds = 0",
                                        "  Bonds = 0", "  of Loss", "  Risk"},
                                       {"Description", "(See Inst.)", "    ($)", " (%/Year)",
                                        "   ($/Year)", "    (%/Year)", "  (%/Year)", "Category"}});
    test::ExpectTitleGrid(*rothTitles, {{"Name or", " Basis", " Current", " Interest", " Dividends",
                                         " Growth Rate", " Probability", " Portfolio"},
                                        {"Short", "Original", "  Value", "Stock = 0", " Bonds = 0",
                                         "  Bonds = 0", "  of Loss", "  Risk"},
                                        {"Description", "Investment", "    ($)", " (%/Year)",
                                         "   ($/Year)", "    (%/Year)", "  (%/Year)", "Category"}});
    test::ExpectTableGrid(Iras());
    test::ExpectTableGrid(Roths());
    const std::vector<int> overTheirColumns(8, 0);
    EXPECT_EQ(test::TitleOverhangs(*iraTitles, Iras()), overTheirColumns);
    EXPECT_EQ(test::TitleOverhangs(*rothTitles, Roths()), overTheirColumns);
    EXPECT_EQ(test::TitleOverhangs(Iras(), Roths()), overTheirColumns) << "both tables alike";
    EXPECT_EQ(iraTitles->font(), Roths().font()) << "one font for both tables";

    EXPECT_EQ(FindControl<QLabel>(form, "lblRegularIRAs")->text(), "Regular IRAs");
    EXPECT_TRUE(FindControl<QLabel>(form, "lblRegularIRAs")->font().bold());
    EXPECT_EQ(FindControl<QLabel>(form, "lblRothIRAs")->text(), "Roth IRAs");
    auto* categories = FindControl<QLabel>(form, "lblRiskCategories");
    EXPECT_EQ(categories->text(),
              "Portfolio Risk Categories are: Zero (0), Low (1), Medium (2)) and  High (30)");
    EXPECT_TRUE(categories->font().bold());
    EXPECT_EQ(Button("btnDeleteRowIRA").text(), "Delete IRA Row");
    EXPECT_EQ(Button("btnDeleteRowRoth").text(), "Delete Roth Row");
    EXPECT_EQ(Button("btnReturnToMiscInput").text(), "Done");
    EXPECT_EQ(Button("btnReturnToMiscInput").accessibleName(), "Done");
    EXPECT_EQ(Button("btnReturnToMiscInput").accessibleDescription(), "") << "no internal name";
    EXPECT_EQ(Iras().accessibleName(), "Regular IRAs");
    EXPECT_EQ(Roths().accessibleName(), "Roth IRAs");
    EXPECT_EQ(Roths().accessibleDescription(), "");

    // The title grids lie right over their data grids.
    EXPECT_EQ(iraTitles->mapTo(&form, QPoint()).x(), Iras().mapTo(&form, QPoint()).x());
    EXPECT_LT(iraTitles->geometry().bottom(), Iras().geometry().top());
    EXPECT_EQ(rothTitles->mapTo(&form, QPoint()).x(), Roths().mapTo(&form, QPoint()).x());
    EXPECT_LT(rothTitles->geometry().bottom(), Roths().geometry().top());
}

TEST_F(TfrmIRAsTest, ActivationShowsTheTablesAndBlanksRowsWithoutAName) {
    IraRows()[0] = Named("Broker IRA", 25000);
    IraRows()[0].InterestRate = 4;
    IraRows()[0].RiskCategory = 2;
    IraRows()[1].CurrentValue = 7000; // no name
    IraRows()[2] = Named("Caf\xE9 \x80", -5);
    RothRows()[39] = Named("A fifteen char.", 1);
    Activate();
    EXPECT_EQ(test::RowTexts(Iras(), 0),
              QStringList({"Broker IRA", "0", "25000", "4", "0", "0", "0", "2"}));
    EXPECT_EQ(test::RowTexts(Iras(), 1), QStringList({"", "", "", "", "", "", "", ""}));
    EXPECT_EQ(IraRows()[1].CurrentValue, 7000) << "the numbers stay in the table";
    EXPECT_EQ(Iras().Cells(0, 2), QString::fromUtf8("Caf\u00E9 \u20AC"));
    EXPECT_EQ(Iras().Cells(2, 2), "-5");
    EXPECT_EQ(Roths().Cells(0, 39), "A fifteen char.");
    EXPECT_EQ(Roths().Cells(2, 39), "1");

    form.IRAsTotalCalculate();
    EXPECT_EQ(ws.totals.IraTotalValue, 25000 + 7000 - 5) << "the blank row still counts";
}

TEST_F(TfrmIRAsTest, EachColumnStoresItsField) {
    // Letters in a number are refused. Interest and dividends or growth go into
    // different rows, away from the rule that they exclude each other.
    TypeIntoCell(Roths(), 0, 0, "Vanguard 5");
    TypeIntoCell(Roths(), 1, 0, "123,456");
    TypeIntoCell(Roths(), 2, 0, "$234567");
    TypeIntoCell(Roths(), 3, 0, "3x4");
    TypeIntoCell(Roths(), 6, 0, "67");
    TypeIntoCell(Roths(), 7, 0, "2");
    TypeIntoCell(Roths(), 4, 1, "45678");
    TypeIntoCell(Roths(), 5, 1, "56");
    const IraHolding& first = RothRows()[0];
    EXPECT_EQ(first.Name, "Vanguard 5");
    EXPECT_EQ(first.Basis, 123456) << "a Roth basis is stored as typed";
    EXPECT_EQ(first.CurrentValue, 234567);
    EXPECT_EQ(first.InterestRate, 34);
    EXPECT_EQ(first.ProbabilityOfLoss, 67);
    EXPECT_EQ(first.RiskCategory, 2);
    EXPECT_EQ(first.Dividends, 0);
    EXPECT_EQ(first.GrowthRate, 0);
    EXPECT_EQ(RothRows()[1].Dividends, 45678) << "five digits";
    EXPECT_EQ(RothRows()[1].GrowthRate, 56);
    EXPECT_EQ(RothRows()[1].InterestRate, 0);

    TypeIntoCell(Iras(), 0, 3, "Fund A");
    TypeIntoCell(Iras(), 2, 3, "012500");
    TypeIntoCell(Iras(), 3, 3, "04");
    TypeIntoCell(Iras(), 6, 3, "02");
    TypeIntoCell(Iras(), 7, 3, "3");
    TypeIntoCell(Iras(), 4, 4, "00300");
    TypeIntoCell(Iras(), 5, 4, "05");
    EXPECT_EQ(IraRows()[3].Name, "Fund A");
    EXPECT_EQ(IraRows()[3].CurrentValue, 12500);
    EXPECT_EQ(IraRows()[3].InterestRate, 4);
    EXPECT_EQ(IraRows()[3].ProbabilityOfLoss, 2);
    EXPECT_EQ(IraRows()[3].RiskCategory, 3);
    EXPECT_EQ(IraRows()[4].Dividends, 300);
    EXPECT_EQ(IraRows()[4].GrowthRate, 5);
    TypeIntoCell(Iras(), 2, 3, "000000");
    EXPECT_EQ(IraRows()[3].CurrentValue, 0);
    EXPECT_TRUE(dialogs.Boxes().empty());

    // A name longer than its cell is refused whole, never cut.
    TypeIntoCell(Roths(), 0, 0, "Vanguard 500 Index");
    ASSERT_TRUE(Roths().IsEditing());
    EXPECT_EQ(CellHint::Of(*Roths().Editor())->text(), "Too long: up to 10 characters");
    EXPECT_EQ(RothRows()[0].Name, "Vanguard 5") << "the name it had";
    PressKey(Qt::Key_Escape);

    Activate(); // and each field shows in its column again
    EXPECT_EQ(test::RowTexts(Roths(), 0),
              QStringList({"Vanguard 5", "123456", "234567", "34", "0", "0", "67", "2"}));
    EXPECT_EQ(test::RowTexts(Iras(), 3),
              QStringList({"Fund A", "0", "0", "4", "0", "0", "2", "3"}));
}

TEST_F(TfrmIRAsTest, NamesAreCutTo15CharactersOfWindows1252) {
    form.StringGridIRAsSetEditText(0, 4, "A name that is longer than fifteen");
    EXPECT_EQ(IraRows()[4].Name, "A name that is ");
    form.StringGridRothIRAsSetEditText(0, 4, QString::fromUtf8("\u20ACuro caf\u00E9 \u2713"));
    EXPECT_EQ(RothRows()[4].Name, "\x80uro caf\xE9 ?") << "what Windows-1252 lacks is \"?\"";
    form.StringGridIRAsSetEditText(0, 40, "No row"); // beyond the table: nothing stored
    EXPECT_TRUE(dialogs.Boxes().empty());
}

TEST_F(TfrmIRAsTest, ARegularIraBasisIsAlwaysZero) {
    IraRows()[1] = Named("Fidelity", 5000);
    IraRows()[2] = Named("Other", 900);
    Activate();
    TypeIntoCell(Iras(), 1, 1, "15");
    EXPECT_TRUE(dialogs.Boxes().empty()) << "the warning waits until the table is left";
    EXPECT_EQ(IraRows()[1].Basis, 0);
    EXPECT_EQ(Iras().Cells(1, 1), "0");
    EXPECT_TRUE(Iras().IsMarked(1, 1));
    EXPECT_FALSE(Iras().IsEditing()) << "the corrected cell may be left as the program wrote it";
    dialogs.Expect(BoxKind::Warning,
                   kBasisWarning + "\n\nRow 2, \"Fidelity\": the Basis typed is stored as 0.");
    Roths().setFocus(Qt::TabFocusReason);
    EXPECT_EQ(dialogs.Boxes().size(), 1u) << "once for the row";
    EXPECT_EQ(dialogs.Boxes()[0].caption, "Warning");
    EXPECT_EQ(IraRows()[2].CurrentValue, 900) << "no other row changes";
    EXPECT_EQ(IraRows()[2].Basis, 0);
    TypeIntoCell(Iras(), 1, 1, "0");
    Roths().setFocus(Qt::TabFocusReason);
    EXPECT_EQ(dialogs.Boxes().size(), 1u) << "typing 0 is no basis";
    TypeIntoCell(Roths(), 1, 0, "7");
    Iras().setFocus(Qt::TabFocusReason);
    EXPECT_EQ(RothRows()[0].Basis, 7) << "a Roth basis is kept";
    EXPECT_EQ(dialogs.Boxes().size(), 1u);
}

TEST_F(TfrmIRAsTest, InterestAndDividendsOrGrowthExcludeEachOther) {
    // A row with interest: typing dividends clears the interest, with one warning.
    IraRows()[0] = Named("Interest", 10000);
    IraRows()[0].InterestRate = 6;
    // A row with dividends and growth: typing interest clears both.
    IraRows()[1] = Named("Growth", 10000);
    IraRows()[1].Dividends = 300;
    IraRows()[1].GrowthRate = 4;
    Activate();

    TypeIntoCell(Iras(), 4, 0, "00250");
    EXPECT_EQ(IraRows()[0].InterestRate, 0);
    EXPECT_EQ(Iras().Cells(3, 0), "0");
    EXPECT_EQ(IraRows()[0].Dividends, 250);

    TypeIntoCell(Iras(), 3, 1, "05");
    EXPECT_EQ(IraRows()[1].Dividends, 0);
    EXPECT_EQ(IraRows()[1].GrowthRate, 0);
    EXPECT_EQ(Iras().Cells(4, 1), "0");
    EXPECT_EQ(Iras().Cells(5, 1), "0");
    EXPECT_EQ(IraRows()[1].InterestRate, 5);
    EXPECT_TRUE(dialogs.Boxes().empty()) << "nothing comes up while typing";

    // Leaving the table: once for each row, naming it and what was cleared.
    dialogs
        .Expect(BoxKind::Warning,
                kInterestWarning +
                    "\n\nRow 1, \"Interest\": Interest 6 set to 0 when Dividends were typed.")
        .Expect(BoxKind::Warning, kInterestWarning +
                                      "\n\nRow 2, \"Growth\": Dividends 300 and "
                                      "Growth Rate 4 set to 0 when Interest was typed.");
    Roths().setFocus(Qt::TabFocusReason);
    EXPECT_EQ(dialogs.Boxes().size(), 2u);
}

// Types `keys` as a person typing at full speed: every key already waits in
// the event queue when the first is handled, and goes to whatever has the
// keyboard focus when its turn comes ("\t" is Tab, "\n" Return).
void TypeAhead(const QString& keys) {
    auto pending = std::make_shared<int>(static_cast<int>(keys.size()));
    for (const QChar c : keys) {
        QMetaObject::invokeMethod(
            qApp,
            [c, pending] {
                if (c == QLatin1Char('\t')) {
                    PressKey(Qt::Key_Tab);
                } else if (c == QLatin1Char('\n')) {
                    PressKey(Qt::Key_Return);
                } else {
                    QTest::keyClick(static_cast<QWidget*>(nullptr), c.toLatin1());
                }
                --*pending;
            },
            Qt::QueuedConnection);
    }
    ASSERT_TRUE(QTest::qWaitFor([pending] { return *pending == 0; }));
}

// A row typed at full speed lands in its cells whatever the rules do on the
// way. A box shown meanwhile would be a real modal box: it takes the keys
// whose turn comes while it is up.
TEST_F(TfrmIRAsTest, ARowTypedAtFullSpeedLandsInItsCells) {
    dialogs.OnBox([](const test::Box& shown) {
        QWidget* before = QApplication::activeWindow();
        QMessageBox box(QMessageBox::Warning, shown.caption, shown.text, QMessageBox::Ok);
        box.show();
        QApplication::setActiveWindow(&box);
        box.button(QMessageBox::Ok)->setFocus();
        QCoreApplication::processEvents();
        box.hide();
        if (before != nullptr) {
            QApplication::setActiveWindow(before);
        }
    });
    Activate();
    Iras().setFocus(Qt::OtherFocusReason);
    Iras().SetCurrentCell(0, 0);
    TypeAhead("Test\t0\t10,000\t4\t500\t0\t0\t1\n");
    EXPECT_TRUE(dialogs.Boxes().empty());
    EXPECT_EQ(test::RowTexts(Iras(), 0),
              QStringList({"Test", "0", "10000", "0", "500", "0", "0", "1"}));
    const IraHolding& row = IraRows()[0];
    EXPECT_EQ(row.Name, "Test");
    EXPECT_EQ(row.CurrentValue, 10000);
    EXPECT_EQ(row.InterestRate, 0) << "the rule cleared the interest when dividends came";
    EXPECT_EQ(row.Dividends, 500);
    EXPECT_EQ(row.GrowthRate, 0);
    EXPECT_EQ(row.ProbabilityOfLoss, 0);
    EXPECT_EQ(row.RiskCategory, 1);
    EXPECT_TRUE(Iras().IsMarked(3, 0));

    // The warning comes as the table is left.
    dialogs.Expect(BoxKind::Warning,
                   kInterestWarning +
                       "\n\nRow 1, \"Test\": Interest 4 set to 0 when Dividends were typed.");
    Roths().setFocus(Qt::OtherFocusReason);
    EXPECT_EQ(dialogs.Pending(), 0);

    // Typed ahead into the Roth table's last row, and Tab on out of the table:
    // the warning comes as the table is left, after every key.
    Roths().SetCurrentCell(0, 39);
    dialogs.Expect(BoxKind::Warning,
                   kInterestWarning +
                       "\n\nRow 40, \"Bond\": Interest 3 set to 0 when a Growth Rate was typed.");
    TypeAhead("Bond\t0\t5000\t3\t\t4\t\t2\t");
    EXPECT_EQ(test::RowTexts(Roths(), 39),
              QStringList({"Bond", "0", "5000", "0", "", "4", "", "2"}));
    EXPECT_EQ(dialogs.Pending(), 0);
    EXPECT_TRUE(Button("btnDeleteRowRoth").hasFocus());
}

// The titles ask for a 0 ("Bonds = 0", "Stock = 0"): a 0 typed, or an emptied
// cell, clears nothing on the other side.
TEST_F(TfrmIRAsTest, ZeroIsNotBoth) {
    RothRows()[0] = Named("Bond IRA", 5000);
    RothRows()[0].InterestRate = 4;
    RothRows()[1] = Named("Stock IRA", 5000);
    RothRows()[1].Dividends = 300;
    RothRows()[1].GrowthRate = 6;
    Activate();
    TypeIntoCell(Roths(), 4, 0, "0");
    TypeIntoCell(Roths(), 5, 0, "00");
    TypeIntoCell(Roths(), 3, 1, "0");
    Roths().SetCurrentCell(3, 1);
    PressKey(Qt::Key_F2);
    PressKey(Qt::Key_Backspace);
    PressKey(Qt::Key_Return);
    EXPECT_EQ(RothRows()[0].InterestRate, 4);
    EXPECT_EQ(Roths().Cells(3, 0), "4");
    EXPECT_EQ(RothRows()[1].Dividends, 300);
    EXPECT_EQ(RothRows()[1].GrowthRate, 6);
    EXPECT_EQ(RothRows()[1].InterestRate, 0);
    EXPECT_TRUE(dialogs.Boxes().empty());
}

// A cell that a rule changed while another was typed in stands out, the note
// under it says what happened, and one Ctrl+Z takes the typing and the rule's
// change back on screen.
class TfrmIRAsUndoTest : public TfrmIRAsTest {
protected:
    void SetUp() override {
        TfrmIRAsTest::SetUp();
        history.AddCommands(form, nullptr); // Ctrl+Z, as the program gives every screen
        shell.onShow = [this](Screen) { Activate(); };
    }
    bool Shaded(StringGrid& grid, int col, int row) {
        return grid.model()->index(row, col).data(Qt::BackgroundRole).isValid();
    }
    // The note under a cell of `grid` that the program changed, when shown.
    QLabel* Note(StringGrid& grid) {
        QLabel* note = CellHint::Of(*grid.viewport());
        return note != nullptr && note->isVisible() ? note : nullptr;
    }
    // Whether `note` hangs right under cell (col, row) of `grid`.
    static bool Under(const QLabel& note, StringGrid& grid, int col, int row) {
        const QRect cell = grid.visualRect(grid.model()->index(row, col));
        const QPoint bottomLeft = grid.viewport()->mapToGlobal(cell.bottomLeft());
        return note.x() == bottomLeft.x() && note.y() > bottomLeft.y() &&
               note.y() <= bottomLeft.y() + 2;
    }
};

TEST_F(TfrmIRAsUndoTest, DividendsTypedOverInterestMarkTheClearedInterest) {
    IraRows()[0] = Named("Interest", 10000);
    IraRows()[0].InterestRate = 6;
    Activate();
    Iras().setFocus();
    Iras().SetCurrentCell(4, 0);
    test::TypeKeys("00250");
    ASSERT_TRUE(Iras().IsEditing());
    EXPECT_EQ(Iras().Cells(3, 0), "0");
    EXPECT_TRUE(Iras().IsMarked(3, 0));
    EXPECT_TRUE(Shaded(Iras(), 3, 0)) << "the mark is the cell's background in the model";
    EXPECT_FALSE(Iras().IsMarked(4, 0)) << "the cell typed in is not marked";
    EXPECT_FALSE(Shaded(Iras(), 4, 0));
    EXPECT_FALSE(Shaded(Iras(), 3, 1));
    QLabel* note = Note(Iras());
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->text(), "Interest set to 0: a row has either Interest or Dividends and Growth. "
                            "Ctrl+Z brings it back.");
    EXPECT_TRUE(Under(*note, Iras(), 3, 0));
    const QLabel* formNote = CellHint::Of(*Iras().Editor());
    EXPECT_TRUE(formNote == nullptr || !formNote->isVisible()) << "one note at a time";

    PressKey(Qt::Key_Z, Qt::ControlModifier); // leaves the cell, then takes the edit back
    EXPECT_FALSE(Iras().IsEditing());
    EXPECT_EQ(IraRows()[0].InterestRate, 6);
    EXPECT_EQ(IraRows()[0].Dividends, 0);
    EXPECT_EQ(test::RowTexts(Iras(), 0),
              QStringList({"Interest", "0", "10000", "6", "0", "0", "0", "0"}));
    EXPECT_FALSE(Iras().IsMarked(3, 0));
    EXPECT_FALSE(Shaded(Iras(), 3, 0));
    EXPECT_EQ(Note(Iras()), nullptr);
    Roths().setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(dialogs.Boxes().empty()) << "no warning of a correction taken back";
}

TEST_F(TfrmIRAsUndoTest, ACappedCategoryIsMarkedAndOneCtrlZBringsTheOldOneBack) {
    IraRows()[4] = Named("Five", 100);
    IraRows()[4].RiskCategory = 1;
    Activate();
    TypeIntoCell(Iras(), 7, 4, "7");
    dialogs.Expect(BoxKind::Warning,
                   kCategoryWarning +
                       "\n\nRow 5, \"Five\": Portfolio Risk Category 7, stored as 3.");
    Roths().setFocus(Qt::TabFocusReason); // the regular grid loses the focus
    EXPECT_EQ(dialogs.Pending(), 0);
    EXPECT_EQ(Iras().Cells(7, 4), "3");
    EXPECT_TRUE(Iras().IsMarked(7, 4));
    EXPECT_TRUE(Shaded(Iras(), 7, 4));
    QLabel* note = Note(Iras());
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->text(), "Category set to 3, the highest category. Ctrl+Z brings it back.");
    EXPECT_TRUE(Under(*note, Iras(), 7, 4));

    PressKey(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(IraRows()[4].RiskCategory, 1) << "the typed 7 and the 3 are one step";
    EXPECT_EQ(Iras().Cells(7, 4), "1");
    EXPECT_FALSE(Iras().IsMarked(7, 4));
    EXPECT_EQ(dialogs.Boxes().size(), 1u);
}

TEST_F(TfrmIRAsTest, LeavingAGridCapsEachRiskCategoryAboveThreeWithAWarning) {
    IraRows()[4] = Named("Five", 100);
    Activate();
    TypeIntoCell(Iras(), 7, 4, "7");
    TypeIntoCell(Iras(), 7, 9, "7"); // a row without a name is capped too
    TypeIntoCell(Iras(), 7, 10, "3");
    EXPECT_EQ(IraRows()[4].RiskCategory, 7) << "nothing is checked while typing";
    EXPECT_TRUE(dialogs.Boxes().empty());

    dialogs
        .Expect(BoxKind::Warning,
                kCategoryWarning + "\n\nRow 5, \"Five\": Portfolio Risk Category 7, stored as 3.")
        .Expect(BoxKind::Warning,
                kCategoryWarning + "\n\nRow 10 (no name): Portfolio Risk Category 7, stored as 3.");
    Roths().setFocus(Qt::TabFocusReason); // the regular grid loses the focus
    EXPECT_EQ(dialogs.Pending(), 0);
    EXPECT_EQ(IraRows()[4].RiskCategory, 3);
    EXPECT_EQ(IraRows()[9].RiskCategory, 3);
    EXPECT_EQ(IraRows()[10].RiskCategory, 3);
    EXPECT_EQ(Iras().Cells(7, 4), "3");
    EXPECT_EQ(Iras().Cells(7, 9), "3");

    RothRows()[20].RiskCategory = 9; // e.g. from the plan file
    dialogs.Expect(BoxKind::Warning,
                   kCategoryWarning +
                       "\n\nRow 21 (no name): Portfolio Risk Category 9, stored as 3.");
    Button("btnDeleteRowIRA").setFocus(Qt::TabFocusReason); // now the Roth grid loses it
    EXPECT_EQ(RothRows()[20].RiskCategory, 3);
    EXPECT_EQ(dialogs.Boxes().size(), 3u) << "the corrected rows give no second warning";
}

TEST_F(TfrmIRAsTest, DeletingARowMovesTheRowsBelowUpAndComputesTheRates) {
    for (int i = 0; i < 5; ++i) {
        IraRows()[i] = Named("IRA " + std::to_string(i + 1), 10000);
        IraRows()[i].InterestRate = 5;
    }
    IraRows()[2].RiskCategory = 2;
    Activate();
    Iras().setFocus();
    Iras().SetCurrentCell(3, 1);
    EXPECT_EQ(form.IraSelectedRow(), 1);
    QTest::mouseClick(&Button("btnDeleteRowIRA"), Qt::LeftButton);

    EXPECT_EQ(IraRows()[0].Name, "IRA 1");
    EXPECT_EQ(IraRows()[1].Name, "IRA 3");
    EXPECT_EQ(IraRows()[1].RiskCategory, 2);
    EXPECT_EQ(IraRows()[2].Name, "IRA 4");
    EXPECT_EQ(IraRows()[3].Name, "IRA 5");
    EXPECT_EQ(IraRows()[4].Name, "") << "row 5 took the empty row 6";
    EXPECT_EQ(IraRows()[4].CurrentValue, 0);
    EXPECT_EQ(form.IraSelectedRow(), 1) << "the selection stays";
    EXPECT_EQ(test::RowTexts(Iras(), 1),
              QStringList({"IRA 3", "0", "10000", "5", "0", "0", "0", "2"}));
    EXPECT_EQ(Iras().Cells(0, 4), "");
    // The rates ran: with no income there is no tax, so the rate is the yield,
    // interest 5 less inflation 3.
    for (int i = 0; i < 4; ++i) {
        EXPECT_DOUBLE_EQ(IraRows()[i].Err, 2.0) << "row " << i + 1;
    }
    EXPECT_TRUE(dialogs.Boxes().empty());
}

TEST_F(TfrmIRAsTest, DeletingBeforeAnySelectionDeletesTheFirstRow) {
    RothRows()[0] = Named("First");
    RothRows()[1] = Named("Second");
    Activate();
    EXPECT_EQ(form.RothSelectedRow(), 0);
    QTest::mouseClick(&Button("btnDeleteRowRoth"), Qt::LeftButton);
    EXPECT_EQ(RothRows()[0].Name, "Second");
    EXPECT_EQ(RothRows()[1].Name, "");
    EXPECT_EQ(Roths().Cells(0, 0), "Second");
    EXPECT_EQ(Roths().Cells(0, 1), "");
}

class TfrmIRAsFullTableTest : public TfrmIRAsTest {
protected:
    void SetUp() override {
        TfrmIRAsTest::SetUp();
        for (int i = 0; i < 40; ++i) {
            RothRows()[i] = Named("Roth " + std::to_string(i + 1), 1000 + i);
            RothRows()[i].RiskCategory = 1;
            RothRows()[i].Basis = 10 + i;
            RothRows()[i].Err = 0.5;
        }
        Activate();
        Roths().setFocus();
    }
    void ExpectEmptyLastRow() {
        const IraHolding& last = RothRows()[39];
        EXPECT_EQ(last.Name, "");
        EXPECT_EQ(last.Basis, 0);
        EXPECT_EQ(last.CurrentValue, 0);
        EXPECT_EQ(last.RiskCategory, 0);
        EXPECT_EQ(last.Err, 0.0);
        EXPECT_EQ(test::RowTexts(Roths(), 39), QStringList({"", "", "", "", "", "", "", ""}));
    }
};

TEST_F(TfrmIRAsFullTableTest, DeletingARowEmptiesTheLastRow) {
    Roths().SetCurrentCell(0, 10);
    QTest::mouseClick(&Button("btnDeleteRowRoth"), Qt::LeftButton);
    EXPECT_EQ(RothRows()[9].Name, "Roth 10");
    EXPECT_EQ(RothRows()[10].Name, "Roth 12");
    EXPECT_EQ(RothRows()[38].Name, "Roth 40");
    EXPECT_EQ(RothRows()[38].Basis, 49);
    ExpectEmptyLastRow();
}

TEST_F(TfrmIRAsFullTableTest, DeletingTheFortiethRowEmptiesIt) {
    Roths().SetCurrentCell(2, 39);
    QTest::mouseClick(&Button("btnDeleteRowRoth"), Qt::LeftButton);
    EXPECT_EQ(RothRows()[38].Name, "Roth 39");
    EXPECT_EQ(RothRows()[38].Basis, 48);
    ExpectEmptyLastRow();
}

TEST_F(TfrmIRAsTest, ColumnsAreNamedByTheirTitlesAndALeftCellShowsItsValue) {
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&Iras());
    ASSERT_NE(table, nullptr);
    ASSERT_NE(table->tableInterface(), nullptr);
    EXPECT_EQ(table->tableInterface()->columnDescription(0), "Name or Short Description");
    EXPECT_EQ(table->tableInterface()->columnDescription(3), "Interest Stock = 0 (%/Year)");
    EXPECT_EQ(Roths().model()->headerData(1, Qt::Horizontal).toString(),
              "Basis Original Investment");
    // The grid of titles above reads each column by all its lines too.
    auto* titles = form.findChild<StringGrid*>("StringGridRothTitles");
    ASSERT_NE(titles, nullptr);
    EXPECT_EQ(titles->model()->headerData(1, Qt::Horizontal).toString(),
              "Basis Original Investment");

    IraRows()[0] = Named("Savings", 5000);
    Activate();
    TypeIntoCell(Iras(), 2, 0, "010000");
    EXPECT_EQ(IraRows()[0].CurrentValue, 10000);
    EXPECT_EQ(Iras().Cells(2, 0), "10000") << "as the screen shows it when opened";

    // The grid's right-click menu takes the step back and makes it again.
    auto* undo = Iras().findChild<QAction*>("mnuGridUndo");
    auto* redo = Iras().findChild<QAction*>("mnuGridRedo");
    ASSERT_NE(undo, nullptr);
    ASSERT_NE(redo, nullptr);
    // A menu of its own that assistive technology hears of as it opens.
    auto* menu = Iras().findChild<QMenu*>("mnuGridContext");
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->actions(), QList<QAction*>({undo, redo}));
    EXPECT_EQ(menu->accessibleName(), "Edit");
    emit Iras().customContextMenuRequested(Iras().visualRect(Iras().model()->index(1, 0)).center());
    ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }));
    menu->hide();
    EXPECT_EQ(undo->text(), "&Undo edit of IRA row 1");
    EXPECT_FALSE(redo->isEnabled());
    undo->trigger();
    EXPECT_EQ(IraRows()[0].CurrentValue, 5000);
    EXPECT_EQ(redo->text(), "Re&do edit of IRA row 1");
    redo->trigger();
    EXPECT_EQ(IraRows()[0].CurrentValue, 10000);
    EXPECT_TRUE(dialogs.Boxes().empty());
}

TEST_F(TfrmIRAsTest, TheOpenEditorIsReadAsItsColumnAndRowAlsoAfterARefusal) {
    Activate();
    Iras().setFocus(Qt::OtherFocusReason);
    Iras().SetCurrentCell(3, 2);
    test::TypeKeys("4.5");
    ASSERT_TRUE(Iras().IsEditing());
    EXPECT_EQ(Iras().Editor()->accessibleName(), "Interest Stock = 0 (%/Year), row 3");
    // Leaving it with a fraction is refused; the editor keeps the focus and its name.
    test::PressKey(Qt::Key_Return);
    EXPECT_TRUE(dialogs.Boxes().empty());
    ASSERT_TRUE(Iras().IsEditing());
    EXPECT_EQ(Iras().Editor()->accessibleName(), "Interest Stock = 0 (%/Year), row 3");
    test::PressKey(Qt::Key_Escape);
}

TEST_F(TfrmIRAsTest, DoneGoesBackToTheDataInputScreen) {
    QTest::mouseClick(&Button("btnReturnToMiscInput"), Qt::LeftButton);
    ASSERT_EQ(shell.shown.size(), 1u);
    EXPECT_EQ(shell.shown[0], Screen::DataInput);
}

} // namespace
} // namespace velmora

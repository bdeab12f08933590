// The debt screen, driven through its real grid and buttons.

#include "holdings/debt/ui/TfrmDebt.h"

#include "HoldingsScreenTesting.h"
#include "RecordingShell.h"
#include "ScriptedDialogs.h"
#include "Workspace.h"
#include "grid/ui/CellHint.h"
#include "history/ui/PlanHistory.h"

#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace velmora {
namespace {

using test::BoxKind;
using test::FindControl;
using test::TypeIntoCell;

// The exact texts the user sees (the equity screen shows the same two).
const QString kCategoryWarning =
    "The maximum Portfolio Risk Category is 3. The program will automatically insert 3 for any "
    "entries exceeding this value.";
const QString kFlagWarning = "You must enter either a Y for Yes or an N for No. Entry of any other "
                             "letter will be interpreted as a No.";

DebtHolding Bond(const std::string& name, std::int32_t value = 1000) {
    DebtHolding row;
    row.Name = name;
    row.Basis = value;
    row.CurrentValue = value;
    row.InterestRate = 5;
    row.FedTaxFree = "N";
    return row;
}

class TfrmDebtTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(test::ShowAndActivate(form)); }

    void Activate() { form.FormActivate(); }
    StringGrid& Table() { return *FindControl<StringGrid>(form, "StringGridTable"); }
    QPushButton& Button(const char* name) { return *FindControl<QPushButton>(form, name); }
    DebtTable& Rows() { return ws.plan.DebtHoldings; }
    void LeaveTable() {
        Table().setFocus(Qt::OtherFocusReason);
        Button("btnDeleteLine").setFocus(Qt::TabFocusReason);
    }

    Workspace ws;
    test::ScriptedDialogs dialogs;
    test::RecordingShell shell;
    PlanHistory history{ws.plan, shell};
    TfrmDebt form{{ws, dialogs, shell, history}};
};

TEST_F(TfrmDebtTest, LayoutTitlesAndNames) {
    EXPECT_EQ(form.windowTitle(), "Debt Investments");
    EXPECT_FALSE(form.windowFlags() & Qt::WindowCloseButtonHint);
    auto* titles = FindControl<StringGrid>(form, "StringGridTitles");
    test::ExpectTitleGrid(*titles, {{"  Investment", "  Basis", "  Current", "Interest", " Fed Tax",
                                     " Portfolio", "  Probability"},
                                    {"  Name or", "(Purchase", "  Value If", "  Rate", "  Free?",
                                     "    Risk", "    of loss"},
                                    {"  Description", " Cost - $)", "    Sold", " (%/Yr)",
                                     "   (Y/N)", " Category", "    (%/Yr)"}});
    test::ExpectTableGrid(Table());
    EXPECT_EQ(test::TitleOverhangs(*titles, Table()), std::vector<int>({0, 0, 5, 0, 0, 0, 0}))
        << "the title over the current value is 5 pixels wider than its column";
    EXPECT_EQ(titles->mapTo(&form, QPoint()).x(), Table().mapTo(&form, QPoint()).x());
    EXPECT_EQ(titles->font(), Table().font());

    EXPECT_EQ(FindControl<QLabel>(form, "lblRiskCatValues")->text(),
              "Portfolio Risk Categories are: Zero (0), Low (1), Medium (2), High (3)");
    EXPECT_EQ(Button("btnDeleteLine").text(), "Delete Line");
    EXPECT_EQ(Button("btnReturnToMiscInput").text(), "Done");
    EXPECT_EQ(Table().accessibleName(), "Debt Investments");
}

TEST_F(TfrmDebtTest, ActivationAndEditing) {
    Rows()[0] = Bond("City Bond", 10000);
    Rows()[0].RiskCategory = 1;
    Rows()[0].ProbabilityOfLoss = 2;
    Rows()[1].CurrentValue = 3000; // no name
    Activate();
    EXPECT_EQ(test::RowTexts(Table(), 0),
              QStringList({"City Bond", "10000", "10000", "5", "N", "1", "2"}));
    EXPECT_EQ(test::RowTexts(Table(), 1), QStringList(7, QString()));
    form.BondTotalCalculate();
    EXPECT_EQ(ws.totals.DebtTotalValue, 13000) << "the blank row still counts";

    // Each column stores its field: letters in a number and digits in a flag
    // are refused.
    TypeIntoCell(Table(), 0, 2, "CD 2y at 4");
    TypeIntoCell(Table(), 1, 2, "123456");
    TypeIntoCell(Table(), 2, 2, "2x34567");
    TypeIntoCell(Table(), 3, 2, "34");
    TypeIntoCell(Table(), 4, 2, "4yn");
    TypeIntoCell(Table(), 5, 2, "5");
    TypeIntoCell(Table(), 6, 2, "67");
    EXPECT_EQ(Rows()[2].Name, "CD 2y at 4");
    EXPECT_EQ(Rows()[2].Basis, 123456);
    EXPECT_EQ(Rows()[2].CurrentValue, 234567);
    EXPECT_EQ(Rows()[2].InterestRate, 34);
    EXPECT_EQ(Rows()[2].FedTaxFree, "Y") << "one letter, turned to upper case";
    EXPECT_EQ(Rows()[2].RiskCategory, 5) << "nothing is checked while typing";
    EXPECT_EQ(Rows()[2].ProbabilityOfLoss, 67);
    Activate(); // and each field shows in its column again
    EXPECT_EQ(test::RowTexts(Table(), 2),
              QStringList({"CD 2y at 4", "123456", "234567", "34", "Y", "5", "67"}));
    form.StringGridTableSetEditText(0, 3, "Municipal bond fund");
    EXPECT_EQ(Rows()[3].Name, "Municipal bond ");
    EXPECT_TRUE(dialogs.Boxes().empty());
}

TEST_F(TfrmDebtTest, AnInterestRateOfFourAndAHalfIsRefusedWhole) {
    Rows()[0] = Bond("City Bond");
    Activate();
    Table().setFocus(Qt::OtherFocusReason);
    Table().SetCurrentCell(3, 0);
    test::TypeKeys("4.5");
    ASSERT_TRUE(Table().IsEditing());
    EXPECT_EQ(Table().Editor()->text(), "4.5") << "the 5 is not appended";
    EXPECT_EQ(Rows()[0].InterestRate, 5) << "never stored as 45";
    test::PressKey(Qt::Key_Tab);
    ASSERT_TRUE(Table().IsEditing());
    const QLabel* note = CellHint::Of(*Table().Editor());
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(note->isVisible());
    EXPECT_EQ(note->text(), "Whole numbers only: 4.5 cannot be entered, type 4 or 5");
    test::PressKey(Qt::Key_Escape);
    EXPECT_EQ(Rows()[0].InterestRate, 5);

    test::TypeKeys("7");
    test::PressKey(Qt::Key_Tab);
    EXPECT_FALSE(Table().IsEditing()) << "one digit of two: the cell fills the zero";
    EXPECT_EQ(Rows()[0].InterestRate, 7);
    EXPECT_EQ(Table().Cells(3, 0), "7");
    EXPECT_TRUE(dialogs.Boxes().empty());
}

TEST_F(TfrmDebtTest, LeavingTheTableCapsCategoriesThenAsksNamedRowsForYesOrNo) {
    Rows()[0] = Bond("Named");
    Rows()[0].FedTaxFree.clear();
    Rows()[1].FedTaxFree.clear(); // no name: no flag warning
    Rows()[2].RiskCategory = 6;   // no name: capped all the same
    Activate();
    TypeIntoCell(Table(), 5, 0, "4");
    dialogs
        .Expect(BoxKind::Warning,
                kCategoryWarning + "\n\nRow 1, \"Named\": Portfolio Risk Category 4, stored as 3.")
        .Expect(BoxKind::Warning,
                kCategoryWarning + "\n\nRow 3 (no name): Portfolio Risk Category 6, stored as 3.")
        .Expect(BoxKind::Warning,
                kFlagWarning +
                    "\n\nRow 1, \"Named\": Fed Tax Free? (Y/N) left empty, stored as N.");
    LeaveTable();
    EXPECT_EQ(dialogs.Pending(), 0);
    EXPECT_EQ(Rows()[0].RiskCategory, 3);
    EXPECT_EQ(Table().Cells(5, 0), "3");
    EXPECT_EQ(Rows()[2].RiskCategory, 3);
    EXPECT_EQ(Rows()[0].FedTaxFree, "N");
    EXPECT_EQ(Table().Cells(4, 0), "N");
    EXPECT_EQ(Rows()[1].FedTaxFree, "");

    TypeIntoCell(Table(), 5, 0, "3");
    LeaveTable();
    EXPECT_EQ(dialogs.Boxes().size(), 3u) << "3 passes silently";
}

TEST_F(TfrmDebtTest, DoneClearsTheRowsWithoutAName) {
    Rows()[0] = Bond("Kept", 8000);
    Rows()[0].Err = 1.25;
    Activate();
    TypeIntoCell(Table(), 2, 1, "005000");
    TypeIntoCell(Table(), 3, 1, "07");
    TypeIntoCell(Table(), 4, 1, "y");
    TypeIntoCell(Table(), 5, 1, "2");
    Rows()[1].Err = 4.5;
    EXPECT_EQ(Rows()[1].CurrentValue, 5000) << "kept while the screen is open";
    Activate();
    EXPECT_EQ(test::RowTexts(Table(), 1), QStringList(7, QString()));
    EXPECT_EQ(Rows()[1].CurrentValue, 5000);

    QTest::mouseClick(&Button("btnReturnToMiscInput"), Qt::LeftButton);
    ASSERT_EQ(shell.shown.size(), 1u);
    EXPECT_EQ(shell.shown[0], Screen::DataInput);
    const DebtHolding& cleared = Rows()[1];
    EXPECT_EQ(cleared.Basis, 0);
    EXPECT_EQ(cleared.CurrentValue, 0);
    EXPECT_EQ(cleared.InterestRate, 0);
    EXPECT_EQ(cleared.RiskCategory, 0);
    EXPECT_EQ(cleared.ProbabilityOfLoss, 0);
    EXPECT_EQ(cleared.FedTaxFree, "");
    EXPECT_EQ(cleared.Err, 4.5) << "the rate is left as it was";
    EXPECT_EQ(Rows()[0].CurrentValue, 8000) << "named rows stay";
    EXPECT_EQ(Rows()[0].FedTaxFree, "N");
    EXPECT_EQ(Rows()[0].Err, 1.25);
    form.BondTotalCalculate();
    EXPECT_EQ(ws.totals.DebtTotalValue, 8000);
}

TEST_F(TfrmDebtTest, DeletingALineMovesTheLinesBelowUpWithoutComputing) {
    Rows()[0] = Bond("One");
    Rows()[1] = Bond("Two");
    Rows()[2] = Bond("Three");
    Rows()[2].Err = 2.5;
    Activate();
    Table().setFocus();
    Table().SetCurrentCell(1, 0);
    QTest::mouseClick(&Button("btnDeleteLine"), Qt::LeftButton);
    EXPECT_EQ(Rows()[0].Name, "Two");
    EXPECT_EQ(Rows()[1].Name, "Three");
    EXPECT_EQ(Rows()[2].Name, "");
    EXPECT_EQ(Table().Cells(0, 1), "Three");
    EXPECT_EQ(test::RowTexts(Table(), 2), QStringList(7, QString()));
    EXPECT_EQ(Rows()[0].Err, 0.0) << "rates stay with their places; none is computed";
    EXPECT_EQ(Rows()[1].Err, 0.0);
    EXPECT_EQ(Rows()[2].Err, 2.5);
    EXPECT_EQ(ws.totals.TotalInterest, 0.0);
}

TEST_F(TfrmDebtTest, DeletingBeforeAnySelectionDeletesTheFirstLine) {
    Rows()[0] = Bond("First");
    Rows()[1] = Bond("Second");
    Activate();
    EXPECT_EQ(form.DebtSelectedRow(), 0);
    QTest::mouseClick(&Button("btnDeleteLine"), Qt::LeftButton);
    EXPECT_EQ(Rows()[0].Name, "Second");
    EXPECT_EQ(Rows()[1].Name, "");
}

class TfrmDebtFullTableTest : public TfrmDebtTest {
protected:
    void SetUp() override {
        TfrmDebtTest::SetUp();
        for (int i = 0; i < 40; ++i) {
            Rows()[i] = Bond("Bond " + std::to_string(i + 1), 100 + i);
            Rows()[i].Err = 0.5;
        }
        Activate();
        Table().setFocus();
    }
    void ExpectEmptyLastRow() {
        const DebtHolding& last = Rows()[39];
        EXPECT_EQ(last.Name, "");
        EXPECT_EQ(last.Basis, 0);
        EXPECT_EQ(last.CurrentValue, 0);
        EXPECT_EQ(last.InterestRate, 0);
        EXPECT_EQ(last.FedTaxFree, "");
        EXPECT_EQ(last.Err, 0.0);
        EXPECT_EQ(test::RowTexts(Table(), 39), QStringList(7, QString()));
    }
};

TEST_F(TfrmDebtFullTableTest, DeletingALineEmptiesTheLastRow) {
    Table().SetCurrentCell(0, 0);
    QTest::mouseClick(&Button("btnDeleteLine"), Qt::LeftButton);
    EXPECT_EQ(Rows()[0].Name, "Bond 2");
    EXPECT_EQ(Rows()[38].Name, "Bond 40");
    EXPECT_EQ(Rows()[38].CurrentValue, 139);
    ExpectEmptyLastRow();
}

TEST_F(TfrmDebtFullTableTest, DeletingTheFortiethLineEmptiesIt) {
    Table().SetCurrentCell(3, 39);
    QTest::mouseClick(&Button("btnDeleteLine"), Qt::LeftButton);
    EXPECT_EQ(Rows()[38].Name, "Bond 39");
    ExpectEmptyLastRow();
}

} // namespace
} // namespace velmora

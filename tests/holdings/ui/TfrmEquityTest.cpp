// The equity screen, driven through its real grid and buttons.

#include "holdings/equity/ui/TfrmEquity.h"

#include "HoldingsScreenTesting.h"
#include "RecordingShell.h"
#include "ScriptedDialogs.h"
#include "Workspace.h"
#include "history/ui/PlanHistory.h"

#include <QLabel>
#include <QPushButton>
#include <QWindow>
#include <gtest/gtest.h>

namespace velmora {
namespace {

using test::BoxKind;
using test::FindControl;
using test::TypeIntoCell;

// The exact texts the user sees.
const QString kCategoryWarning =
    "The maximum Portfolio Risk Category is 3. The program will automatically insert 3 for any "
    "entries exceeding this value.";
const QString kFlagWarning = "You must enter either a Y for Yes or an N for No. Entry of any other "
                             "letter will be interpreted as a No.";
const QString kDividendsWarning = "Entering values for both Regular and Qualifying Dividends on a "
                                  "single item is not allowed.  Re-enter your dividend data.";
const QString kCapitalLoss = "The tax benefit from a Capital Loss occurs only when you sell the "
                             "item.  Thus, Capital Loss tax benefits are not included.";

// A box's own words, then the cells it is about, one to a line.
QString About(const QString& words, const QString& detail) {
    return words + "\n\n" + detail;
}

EquityHolding Stock(const std::string& name, std::int32_t value = 1000) {
    EquityHolding row;
    row.Name = name;
    row.CurrentBasis = value;
    row.CurrentValue = value;
    row.AutoReinvest = "Y";
    row.FedTaxFree = "N";
    return row;
}

class TfrmEquityTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(test::ShowAndActivate(form)); }

    void Activate() { form.FormActivate(); }
    StringGrid& Table() { return *FindControl<StringGrid>(form, "StringGridTable"); }
    QPushButton& Button(const char* name) { return *FindControl<QPushButton>(form, name); }
    EquityTable& Rows() { return ws.plan.EquityHoldings; }
    // The focus goes from the table to the "Done" button, as by Tab.
    void LeaveTable() {
        Table().setFocus(Qt::OtherFocusReason);
        Button("btnReturnToMiscInput").setFocus(Qt::TabFocusReason);
    }

    Workspace ws;
    test::ScriptedDialogs dialogs;
    test::RecordingShell shell;
    PlanHistory history{ws.plan, shell};
    TfrmEquity form{{ws, dialogs, shell, history}};
};

TEST_F(TfrmEquityTest, LayoutTitlesAndNames) {
    EXPECT_EQ(form.windowTitle(), "Equity Investments");
    EXPECT_FALSE(form.windowFlags() & Qt::WindowCloseButtonHint);
    auto* titles = FindControl<StringGrid>(form, "StringGridTitles");
    test::ExpectTitleGrid(*titles,
                          {{"Name", "Current", "Current", "Regular", "Qualifying", " Cap Gains",
                            "Price", " Auto", "Fed Tax", " Loss", " Portfolio"},
                           {"", " Basis", " Value", "Dividends", "Dividends", "Distribution",
                            "Growth", "Reinvest", "  Free", "Factor", " Risk"},
                           {"", "   ($)", "  ($)", "($/Yr)", "  ($/Yr)", "  ($/Yr)", "(%/Yr)",
                            " (Y/N)", " (Y/N)", "(%/Yr)", " Category"}});
    test::ExpectTableGrid(Table());
    EXPECT_EQ(test::TitleOverhangs(*titles, Table()), std::vector<int>(11, 0))
        << "every title stands over its column";
    EXPECT_EQ(titles->mapTo(&form, QPoint()).x(), Table().mapTo(&form, QPoint()).x());
    EXPECT_EQ(titles->font(), Table().font());

    EXPECT_EQ(FindControl<QLabel>(form, "lblProbabilityInstruction")->text(),
              "Portfolio Risk Categories are:  Zero (0), Low (1), Medium (2), High (3)");
    EXPECT_EQ(Button("btnDeleteLine").text(), "Delete Line");
    EXPECT_EQ(Button("btnReturnToMiscInput").text(), "Done");
    EXPECT_EQ(Button("btnDeleteLine").accessibleDescription(), "") << "no internal name";
    EXPECT_EQ(Table().accessibleName(), "Equity Investments");
    EXPECT_EQ(Table().accessibleDescription(), "");
}

TEST_F(TfrmEquityTest, ActivationShowsTheTableAndBlanksRowsWithoutAName) {
    Rows()[0] = Stock("Index Fund", 20000);
    Rows()[0].RegularDividends = 400;
    Rows()[0].PriceGrowth = 6;
    Rows()[0].LossFactor = 1;
    Rows()[0].RiskCategory = 3;
    Rows()[1].CurrentValue = 5000; // numbers without a name
    Rows()[1].CurrentBasis = 100;
    Rows()[2] = Stock("Old", -7);
    Activate();
    EXPECT_EQ(test::RowTexts(Table(), 0), QStringList({"Index Fund", "20000", "20000", "400", "0",
                                                       "0", "6", "Y", "N", "1", "3"}));
    EXPECT_EQ(test::RowTexts(Table(), 1), QStringList(11, QString()));
    EXPECT_EQ(Table().Cells(2, 2), "-7");
    EXPECT_EQ(Rows()[1].CurrentValue, 5000) << "the blank row keeps its numbers";
    form.EquityTotalCalculate();
    EXPECT_EQ(ws.totals.EquityTotalValue, 20000 + 5000 - 7) << "and still counts";
}

TEST_F(TfrmEquityTest, EachColumnStoresItsFieldWithoutChecks) {
    // Letters in a number and digits in a flag are refused.
    TypeIntoCell(Table(), 0, 5, "Growth Co ");
    TypeIntoCell(Table(), 1, 5, "123456");
    TypeIntoCell(Table(), 2, 5, "234,567");
    TypeIntoCell(Table(), 3, 5, "345678");
    TypeIntoCell(Table(), 4, 5, "$456789");
    TypeIntoCell(Table(), 5, 5, "5x67890");
    TypeIntoCell(Table(), 6, 5, "67");
    TypeIntoCell(Table(), 7, 5, "7yn");
    TypeIntoCell(Table(), 8, 5, "x");
    TypeIntoCell(Table(), 9, 5, "90");
    TypeIntoCell(Table(), 10, 5, "8");
    const EquityHolding& row = Rows()[5];
    EXPECT_EQ(row.Name, "Growth Co ");
    EXPECT_EQ(row.CurrentBasis, 123456);
    EXPECT_EQ(row.CurrentValue, 234567);
    EXPECT_EQ(row.RegularDividends, 345678);
    EXPECT_EQ(row.QualifyingDividends, 456789);
    EXPECT_EQ(row.CapGainsDistribution, 567890);
    EXPECT_EQ(row.PriceGrowth, 67);
    EXPECT_EQ(row.AutoReinvest, "Y") << "one letter, turned to upper case";
    EXPECT_EQ(row.FedTaxFree, "X");
    EXPECT_EQ(row.LossFactor, 90);
    EXPECT_EQ(row.RiskCategory, 8);
    EXPECT_TRUE(dialogs.Boxes().empty()) << "nothing is checked while typing";
    Activate(); // and each field shows in its column again
    EXPECT_EQ(test::RowTexts(Table(), 5),
              QStringList({"Growth Co ", "123456", "234567", "345678", "456789", "567890", "67",
                           "Y", "X", "90", "8"}));

    form.StringGridTableSetEditText(8, 6, "Yes");
    EXPECT_EQ(Rows()[6].FedTaxFree, "Y") << "a flag is the first character";
    form.StringGridTableSetEditText(8, 6, "");
    EXPECT_EQ(Rows()[6].FedTaxFree, "");
    form.StringGridTableSetEditText(0, 6, "Sixteen letters!");
    EXPECT_EQ(Rows()[6].Name, "Sixteen letters");
    form.StringGridTableSetEditText(0, 6, QString::fromUtf8("\u00C6sop \u263A"));
    EXPECT_EQ(Rows()[6].Name, "\xC6sop ?");
}

TEST_F(TfrmEquityTest, ACategoryAboveThreeBecomesThreeOnLeavingTheTable) {
    Rows()[0] = Stock("Alpha");
    Activate();
    TypeIntoCell(Table(), 10, 0, "3");
    LeaveTable();
    EXPECT_TRUE(dialogs.Boxes().empty()) << "3 passes silently";

    TypeIntoCell(Table(), 10, 0, "7");
    dialogs.Expect(
        BoxKind::Warning,
        About(kCategoryWarning, "Row 1, \"Alpha\": Portfolio Risk Category 7, stored as 3."));
    LeaveTable();
    EXPECT_EQ(Rows()[0].RiskCategory, 3);
    EXPECT_EQ(Table().Cells(10, 0), "3");
    EXPECT_EQ(dialogs.Boxes().size(), 1u);
    EXPECT_EQ(dialogs.Boxes()[0].caption, "Warning");
}

TEST_F(TfrmEquityTest, DonePressedWhileTheChecksWarnStillLeavesAfterThem) {
    Rows()[0] = Stock("ACME");
    Activate();
    TypeIntoCell(Table(), 10, 0, "7");
    Table().setFocus(Qt::OtherFocusReason);
    // The user lets go of the mouse while the warning is up: the box takes the release.
    QPushButton& done = Button("btnReturnToMiscInput");
    QWindow* window = form.windowHandle();
    const QPoint at = done.mapTo(&form, done.rect().center());
    dialogs.Expect(
        BoxKind::Warning,
        About(kCategoryWarning, "Row 1, \"ACME\": Portfolio Risk Category 7, stored as 3."));
    dialogs.OnBox([&](const test::Box&) { QTest::mouseRelease(window, Qt::LeftButton, {}, at); });
    QTest::mousePress(window, Qt::LeftButton, {}, at);
    QCoreApplication::processEvents();
    EXPECT_EQ(Rows()[0].RiskCategory, 3);
    EXPECT_FALSE(done.isDown()) << "the button does not stay down";
    ASSERT_EQ(shell.shown.size(), 1u) << "the press still counts";
    EXPECT_EQ(shell.shown[0], Screen::DataInput);
}

TEST_F(TfrmEquityTest, OnlyNamedRowsMustSayYesOrNo) {
    Rows()[0] = Stock("Named");
    Rows()[0].AutoReinvest.clear();
    Rows()[0].FedTaxFree = "Q";
    Rows()[1] = Stock("");
    Rows()[1].AutoReinvest.clear();
    Rows()[1].FedTaxFree.clear();
    Activate();
    dialogs
        .Expect(
            BoxKind::Warning,
            About(kFlagWarning, "Row 1, \"Named\": Auto Reinvest (Y/N) left empty, stored as N."))
        .Expect(BoxKind::Warning,
                About(kFlagWarning, "Row 1, \"Named\": Fed Tax Free (Y/N) \"Q\", stored as N."));
    LeaveTable();
    EXPECT_EQ(Rows()[0].AutoReinvest, "N");
    EXPECT_EQ(Rows()[0].FedTaxFree, "N");
    EXPECT_EQ(Table().Cells(7, 0), "N");
    EXPECT_EQ(Table().Cells(8, 0), "N");
    EXPECT_EQ(Rows()[1].AutoReinvest, "") << "a row without a name is left alone";
    EXPECT_EQ(Rows()[1].FedTaxFree, "");
    LeaveTable();
    EXPECT_EQ(dialogs.Boxes().size(), 2u);
}

TEST_F(TfrmEquityTest, BothKindsOfDividendsInOneRowAreCleared) {
    Rows()[0] = Stock("Both");
    Rows()[1] = Stock("Regular");
    Rows()[2] = Stock("Qualifying");
    Activate();
    TypeIntoCell(Table(), 3, 0, "000100");
    TypeIntoCell(Table(), 4, 0, "000200");
    TypeIntoCell(Table(), 3, 1, "000100");
    TypeIntoCell(Table(), 4, 2, "000200");
    dialogs.Expect(BoxKind::Warning,
                   About(kDividendsWarning, "Row 1, \"Both\": Regular Dividends ($/Yr) 100, stored "
                                            "as 0; Qualifying Dividends ($/Yr) 200, stored as 0."));
    LeaveTable();
    EXPECT_EQ(Rows()[0].RegularDividends, 0);
    EXPECT_EQ(Rows()[0].QualifyingDividends, 0);
    EXPECT_EQ(Table().Cells(3, 0), "0");
    EXPECT_EQ(Table().Cells(4, 0), "0");
    EXPECT_EQ(Rows()[1].RegularDividends, 100) << "different rows are accepted";
    EXPECT_EQ(Rows()[2].QualifyingDividends, 200);
}

// The capital-loss note names the holding and comes once a visit: not again
// when the table is left for Delete Line or Done, but again for a new loss and
// on the next visit.
TEST_F(TfrmEquityTest, ACapitalLossIsNotedOnceAVisitByItsHoldingAndKept) {
    Rows()[0] = Stock("Loser");
    Rows()[1] = Stock("Other");
    Activate();
    TypeIntoCell(Table(), 1, 0, "005000");
    TypeIntoCell(Table(), 2, 0, "004000");
    const QString loser = About(
        kCapitalLoss, "Row 1, \"Loser\": Current Basis 5000 is above its Current Value 4000.");
    dialogs.Expect(BoxKind::Information, loser);
    LeaveTable();
    ASSERT_EQ(dialogs.Boxes().size(), 1u);
    EXPECT_EQ(dialogs.Boxes()[0].kind, BoxKind::Information);
    EXPECT_EQ(dialogs.Boxes()[0].caption, "Information");
    EXPECT_EQ(Rows()[0].CurrentBasis, 5000);
    EXPECT_EQ(Rows()[0].CurrentValue, 4000);
    LeaveTable();
    Table().setFocus(Qt::OtherFocusReason);
    Table().SetCurrentCell(0, 1);
    QTest::mouseClick(&Button("btnDeleteLine"), Qt::LeftButton); // deletes "Other"
    Table().setFocus(Qt::OtherFocusReason);
    QTest::mouseClick(&Button("btnDeleteLine"), Qt::LeftButton); // an empty line
    EXPECT_EQ(Rows()[0].Name, "Loser");
    EXPECT_EQ(dialogs.Boxes().size(), 1u) << "not again on leaving the table or Delete Line";

    TypeIntoCell(Table(), 2, 0, "003000"); // a loss of another size is told
    dialogs.Expect(BoxKind::Information,
                   About(kCapitalLoss, "Row 1, \"Loser\": Current Basis "
                                       "5000 is above its Current Value 3000."));
    LeaveTable();
    EXPECT_EQ(dialogs.Pending(), 0);
    Activate(); // the next visit
    dialogs.Expect(BoxKind::Information,
                   About(kCapitalLoss, "Row 1, \"Loser\": Current Basis "
                                       "5000 is above its Current Value 3000."));
    LeaveTable();
    EXPECT_EQ(dialogs.Boxes().size(), 3u);
}

// A row typed with its flags, Loss and Category left empty: the box of each
// flag names the row and the column and says what the empty cells are stored
// as, the numbers' once.
TEST_F(TfrmEquityTest, EmptyCellsAreNamedWithWhatTheyAreStoredAs) {
    Activate();
    Table().setFocus(Qt::OtherFocusReason);
    Table().SetCurrentCell(0, 2);
    test::TypeKeys("Index");
    for (const char* value : {"1000", "1200", "30", "0", "0", "5"}) {
        test::PressKey(Qt::Key_Tab);
        test::TypeKeys(QString::fromLatin1(value));
    }
    test::PressKey(Qt::Key_Return);
    dialogs
        .Expect(BoxKind::Warning,
                About(kFlagWarning,
                      "Row 3, \"Index\": Auto Reinvest (Y/N) left empty, stored as N.\n"
                      "Also left empty, so stored as 0: Loss Factor (%/Yr), Portfolio Risk "
                      "Category (0 is Zero risk)."))
        .Expect(
            BoxKind::Warning,
            About(kFlagWarning, "Row 3, \"Index\": Fed Tax Free (Y/N) left empty, stored as N."));
    LeaveTable();
    EXPECT_EQ(test::RowTexts(Table(), 2),
              QStringList({"Index", "1000", "1200", "30", "0", "0", "5", "N", "N", "", ""}));
    EXPECT_EQ(Rows()[2].RiskCategory, 0);
    EXPECT_EQ(Rows()[2].LossFactor, 0);

    // A flag emptied and left is refused by a box that names the cell.
    Table().setFocus(Qt::OtherFocusReason);
    Table().SetCurrentCell(7, 2);
    test::PressKey(Qt::Key_F2);
    test::PressKey(Qt::Key_Backspace);
    dialogs.Expect(BoxKind::Error,
                   "Invalid input value.  Use escape key to abandon changes.\n\nRow 3, \"Index\", "
                   "Auto Reinvest (Y/N): Y or N.\nLeft empty it would be stored as N: type Y or N, "
                   "or press Escape for what the cell held");
    test::PressKey(Qt::Key_Tab);
    EXPECT_TRUE(Table().IsEditing());
    test::PressKey(Qt::Key_Escape);
    EXPECT_EQ(Rows()[2].AutoReinvest, "N");
}

TEST_F(TfrmEquityTest, TheFiveChecksComeInTheirOrderOncePerFaultyRow) {
    EquityHolding& named = Rows()[0] = Stock("Faulty", 4000);
    named.CurrentBasis = 5000;
    named.RiskCategory = 5;
    named.AutoReinvest = "";
    named.FedTaxFree = "";
    named.RegularDividends = 10;
    named.QualifyingDividends = 20;
    EquityHolding& unnamed = Rows()[3];
    unnamed.RiskCategory = 9;
    unnamed.CurrentBasis = 1; // above its value 0
    unnamed.RegularDividends = 1;
    unnamed.QualifyingDividends = 1;
    Activate();
    dialogs
        .Expect(
            BoxKind::Warning,
            About(kCategoryWarning, "Row 1, \"Faulty\": Portfolio Risk Category 5, stored as 3."))
        .Expect(BoxKind::Warning,
                About(kCategoryWarning, "Row 4 (no name): Portfolio Risk Category 9, stored as 3."))
        .Expect(
            BoxKind::Warning,
            About(kFlagWarning, "Row 1, \"Faulty\": Auto Reinvest (Y/N) left empty, stored as N."))
        .Expect(
            BoxKind::Warning,
            About(kFlagWarning, "Row 1, \"Faulty\": Fed Tax Free (Y/N) left empty, stored as N."))
        .Expect(BoxKind::Warning,
                About(kDividendsWarning,
                      "Row 1, \"Faulty\": Regular Dividends ($/Yr) 10, stored as 0; "
                      "Qualifying Dividends ($/Yr) 20, stored as 0."))
        .Expect(BoxKind::Warning, About(kDividendsWarning,
                                        "Row 4 (no name): Regular Dividends ($/Yr) 1, stored as 0; "
                                        "Qualifying Dividends ($/Yr) 1, stored as 0."))
        .Expect(BoxKind::Information,
                About(kCapitalLoss,
                      "Row 1, \"Faulty\": Current Basis 5000 is above its Current Value 4000."))
        .Expect(
            BoxKind::Information,
            About(kCapitalLoss, "Row 4 (no name): Current Basis 1 is above its Current Value 0."));
    // The "Done" button is pressed: the checks run first, then the screen is left.
    QTest::mouseClick(&Button("btnReturnToMiscInput"), Qt::LeftButton);
    EXPECT_EQ(dialogs.Pending(), 0);
    EXPECT_EQ(Rows()[3].RiskCategory, 3);
    EXPECT_EQ(Rows()[3].RegularDividends, 0);
    EXPECT_EQ(Rows()[3].CurrentBasis, 1) << "nothing is cleared on leaving";
    ASSERT_EQ(shell.shown.size(), 1u);
    EXPECT_EQ(shell.shown[0], Screen::DataInput);
}

TEST_F(TfrmEquityTest, DeletingALineMovesTheLinesBelowUpAndComputesTheRates) {
    Rows()[0] = Stock("One");
    Rows()[0].RegularDividends = 100;
    Rows()[1] = Stock("Two");
    Rows()[1].RegularDividends = 20;
    Rows()[2] = Stock("Three");
    Rows()[2].QualifyingDividends = 3;
    Activate();
    Table().setFocus();
    Table().SetCurrentCell(4, 0);
    QTest::mouseClick(&Button("btnDeleteLine"), Qt::LeftButton);
    EXPECT_EQ(Rows()[0].Name, "Two");
    EXPECT_EQ(Rows()[1].Name, "Three");
    EXPECT_EQ(Rows()[2].Name, "");
    EXPECT_EQ(Table().Cells(0, 0), "Two");
    EXPECT_EQ(Table().Cells(4, 1), "3");
    EXPECT_EQ(test::RowTexts(Table(), 2), QStringList(11, QString()));
    EXPECT_EQ(ws.totals.TotalDividends, 23.0) << "the rates and totals were computed again";
    EXPECT_EQ(form.EquitySelectedRow(), 0);

    QTest::mouseClick(&Button("btnDeleteLine"), Qt::LeftButton);
    EXPECT_EQ(Rows()[0].Name, "Three") << "again: the line that moved into the same place";
}

TEST_F(TfrmEquityTest, DeletingBeforeAnySelectionDeletesTheFirstLine) {
    Rows()[0] = Stock("First");
    Rows()[1] = Stock("Second");
    Activate();
    EXPECT_EQ(form.EquitySelectedRow(), 0);
    QTest::mouseClick(&Button("btnDeleteLine"), Qt::LeftButton);
    EXPECT_EQ(Rows()[0].Name, "Second");
    EXPECT_EQ(Rows()[1].Name, "");
}

class TfrmEquityFullTableTest : public TfrmEquityTest {
protected:
    void SetUp() override {
        TfrmEquityTest::SetUp();
        for (int i = 0; i < 40; ++i) {
            Rows()[i] = Stock("Stock " + std::to_string(i + 1), 100 + i);
            Rows()[i].CapGainsDistribution = i;
            Rows()[i].Err = 0.5;
        }
        Activate();
        Table().setFocus();
    }
    void ExpectEmptyLastRow() {
        const EquityHolding& last = Rows()[39];
        EXPECT_EQ(last.Name, "");
        EXPECT_EQ(last.CurrentBasis, 0);
        EXPECT_EQ(last.CurrentValue, 0);
        EXPECT_EQ(last.CapGainsDistribution, 0);
        EXPECT_EQ(last.AutoReinvest, "");
        EXPECT_EQ(last.FedTaxFree, "");
        EXPECT_EQ(last.Err, 0.0);
        EXPECT_EQ(test::RowTexts(Table(), 39), QStringList(11, QString()));
    }
};

TEST_F(TfrmEquityFullTableTest, DeletingALineEmptiesTheLastRow) {
    Table().SetCurrentCell(0, 20);
    QTest::mouseClick(&Button("btnDeleteLine"), Qt::LeftButton);
    EXPECT_EQ(Rows()[20].Name, "Stock 22");
    EXPECT_EQ(Rows()[38].Name, "Stock 40");
    EXPECT_EQ(Rows()[38].CapGainsDistribution, 39);
    ExpectEmptyLastRow();
}

TEST_F(TfrmEquityFullTableTest, DeletingTheFortiethLineEmptiesIt) {
    Table().SetCurrentCell(5, 39);
    QTest::mouseClick(&Button("btnDeleteLine"), Qt::LeftButton);
    EXPECT_EQ(Rows()[38].Name, "Stock 39");
    ExpectEmptyLastRow();
}

} // namespace
} // namespace velmora

// The results screen: its layout, menus and quick help texts, and what each
// activation shows in the boxes and the four category grids.

#include "results/ui/TfrmCalc.h"

#include "RecordingShell.h"
#include "ScriptedDialogs.h"
#include "UiTestSupport.h"
#include "Workspace.h"
#include "grid/ui/StringGrid.h"
#include "history/ui/PlanHistory.h"

#include <QAction>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace velmora {
namespace {

class TfrmCalcTest : public ::testing::Test {
protected:
    void Open() {
        ASSERT_TRUE(test::ShowAndActivate(form));
        form.FormActivate();
    }

    template <class T> T* Find(const char* name) {
        T* child = form.findChild<T*>(name);
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    QString Box(const char* name) {
        QLineEdit* box = Find<QLineEdit>(name);
        return box != nullptr ? box->text() : QString("<missing>");
    }
    StringGrid* Grid(int category) {
        return Find<StringGrid>(("StringGrid" + std::to_string(category)).c_str());
    }
    void Trigger(const char* action) {
        if (QAction* item = Find<QAction>(action)) {
            item->trigger();
        }
    }
    QStringList MemoLines() { return Find<QPlainTextEdit>("memoHelp")->toPlainText().split('\n'); }

    // Single, 66, budget 40000, state and local rate 5, nothing else.
    void SingleAt66() {
        workspace.plan.Married = "No";
        workspace.plan.AgeSelf = 66;
        workspace.plan.AnnualBudget = 40000;
        workspace.plan.StateTaxRate = 5;
    }

    Workspace workspace;
    test::ScriptedDialogs dialogs;
    test::RecordingShell shell;
    PlanHistory history{workspace.plan, shell};
    TfrmCalc form{{workspace, dialogs, shell, history}};
};

struct Place {
    const char* name;
    int x;
    int y;
    int width;
};

TEST_F(TfrmCalcTest, BoxesGridsAndButtonsStandWhereTheScreenPutsThem) {
    Open();
    EXPECT_EQ(form.windowTitle(), "Calculation");
    EXPECT_EQ(form.size(), QSize(640, 467));
    const Place boxes[] = {
        {"editTotalZero", 64, 232, 57},
        {"editTotalLow", 216, 232, 65},
        {"editTotalMedium", 376, 232, 65},
        {"editTotalHigh", 536, 232, 57},
        {"editPerCent0", 80, 256, 25},
        {"editPerCent1", 232, 256, 25},
        {"editPerCent2", 392, 256, 25},
        {"editPerCent3", 552, 256, 25},
        {"editContinuedEarnings", 104, 288, 49},
        {"editEntitlements", 104, 312, 49},
        {"editIntAndDiv", 104, 336, 49},
        {"editIRA", 104, 360, 49},
        {"editBudget", 232, 304, 49},
        {"editTaxOnIncome", 232, 336, 49},
        {"editTaxOnWithdrawals", 232, 360, 65},
        {"editTaxRate", 336, 344, 25},
        {"editDivTaxRate", 376, 344, 25},
        {"editCGTaxRate", 408, 344, 25},
        {"editStateTaxRate", 376, 368, 25},
        {"editTotalInvestments", 504, 296, 65},
        {"editWithDrawalNeeded", 504, 336, 65},
    };
    for (const Place& place : boxes) {
        QLineEdit* box = Find<QLineEdit>(place.name);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->pos(), QPoint(place.x, place.y)) << place.name;
        EXPECT_EQ(box->width(), place.width) << place.name;
        const bool typing =
            QString(place.name) == "editStateTaxRate" || QString(place.name) == "editCGTaxRate";
        EXPECT_EQ(box->isReadOnly(), !typing) << place.name;
        EXPECT_EQ(box->accessibleDescription(), place.name);
        EXPECT_FALSE(box->accessibleName().isEmpty()) << place.name;
    }
    // A box reads as its label in the exports.
    EXPECT_EQ(Find<QLineEdit>("editWithDrawalNeeded")->accessibleName(), "Withdrawal Needed");
    EXPECT_EQ(Find<QLineEdit>("editPerCent2")->accessibleName(), "Medium % of Total");
    EXPECT_EQ(Find<QLineEdit>("editDivTaxRate")->accessibleName(), "Federal Qualified Div %");

    const Place grids[] = {{"StringGrid0", 0, 48, 155},
                           {"StringGrid1", 158, 48, 155},
                           {"StringGrid2", 317, 48, 155},
                           {"StringGrid3", 472, 48, 155}};
    for (const Place& place : grids) {
        StringGrid* grid = Find<StringGrid>(place.name);
        ASSERT_NE(grid, nullptr);
        EXPECT_EQ(grid->geometry(), QRect(place.x, place.y, place.width, 180)) << place.name;
        EXPECT_EQ(grid->ColCount(), 3);
        EXPECT_EQ(grid->RowCount(), 161);
        EXPECT_EQ(grid->FixedRows(), 1);
        EXPECT_EQ(grid->FixedCols(), 0);
        EXPECT_EQ(grid->columnWidth(0), 65);
        EXPECT_EQ(grid->columnWidth(1), 40);
        EXPECT_EQ(grid->columnWidth(2), 27);
        EXPECT_EQ(grid->rowHeight(1), 15);
        EXPECT_FALSE(grid->IsEditable());
        EXPECT_EQ(grid->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        EXPECT_EQ(QStringList({grid->Cells(0, 0), grid->Cells(1, 0), grid->Cells(2, 0)}),
                  QStringList({"Name", "Value", "ERR"}));
    }
    // Each grid is read as its category's title, which stands above it.
    const char* const titles[][3] = {{"StringGrid0", "lblZero", "Zero"},
                                     {"StringGrid1", "lblLow", "Low"},
                                     {"StringGrid2", "lblMedium", "Medium"},
                                     {"StringGrid3", "lblHigh", "High"}};
    for (const auto& title : titles) {
        EXPECT_EQ(Find<StringGrid>(title[0])->accessibleName(), title[2]);
        EXPECT_EQ(Find<QLabel>(title[1])->text(), title[2]);
    }

    auto* btnReturn = Find<QPushButton>("btnReturn");
    EXPECT_EQ(btnReturn->text(), "Return to Data Entry");
    EXPECT_EQ(btnReturn->geometry(), QRect(488, 368, 129, 25));
    EXPECT_TRUE(btnReturn->font().bold());
    EXPECT_EQ(Find<QLabel>("lblRateColumns")->text(), " Ordinary   Div  CapGain");
    EXPECT_EQ(Find<QLabel>("lblTitle")->pos(), QPoint(192, 8));
    EXPECT_GT(Find<QLabel>("lblTitle")->font().pixelSize(),
              Find<QLabel>("lblNote")->font().pixelSize());
    EXPECT_EQ(Find<QLabel>("lblWithdrawalNeeded")->pos(), QPoint(448, 320));
    EXPECT_TRUE(Find<QLabel>("lblWithdrawalNeeded")->font().bold());

    EXPECT_FALSE(Find<QPlainTextEdit>("memoHelp")->isVisible());
    EXPECT_FALSE(Find<QPushButton>("btnExitMemoHelp")->isVisible());
    EXPECT_EQ(Find<QPlainTextEdit>("memoHelp")->focusPolicy(), Qt::ClickFocus)
        << "the tab key passes the memo by";
}

TEST_F(TfrmCalcTest, NothingShownCoversAnythingElse) {
    Open();
    QList<QWidget*> shown;
    for (QWidget* child :
         form.centralWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child->isVisible()) {
            shown << child;
        }
    }
    ASSERT_EQ(shown.size(), 57); // 31 labels, 21 boxes, 4 grids, 1 button
    for (int i = 0; i < shown.size(); ++i) {
        EXPECT_TRUE(form.centralWidget()->rect().contains(shown[i]->geometry()))
            << shown[i]->objectName().toStdString();
        for (int j = i + 1; j < shown.size(); ++j) {
            EXPECT_FALSE(shown[i]->geometry().intersects(shown[j]->geometry()))
                << shown[i]->objectName().toStdString() << " and "
                << shown[j]->objectName().toStdString();
        }
    }
}

TEST_F(TfrmCalcTest, MenusCarryTheirCaptionsAndCommands) {
    QStringList bar;
    for (QAction* top : form.menuBar()->actions()) {
        bar << top->text();
    }
    EXPECT_EQ(bar, QStringList({"&File", "&Quick Help", "&Help", "&Charts"}));
    EXPECT_EQ(Find<QAction>("hlpContent")->menu(), nullptr) << "Help is a command itself";
    QStringList file;
    for (QAction* item : Find<QMenu>("mnuFile")->actions()) {
        file << item->text();
    }
    EXPECT_EQ(file, QStringList({"&Save", "&Print", "", "Export Results as &CSV...",
                                 "Save Report as PD&F...", "Print &Report...", "", "E&xit"}));
    QStringList quick;
    for (QAction* item : Find<QMenu>("mnuQuickHelp")->actions()) {
        quick << item->text();
    }
    EXPECT_EQ(quick, QStringList({"&General - This screen only", "&RiskCategories",
                                  "&Equivalent retes of return ", "&Income", "Ex&penses",
                                  "Income &Tax Information", "&Withdrawal Needed"}));

    Trigger("hlpSave");
    EXPECT_EQ(shell.saves, 1);
    Trigger("hlpPrint");
    EXPECT_EQ(shell.printHints, 1);
    Trigger("hlpExit");
    EXPECT_EQ(shell.exitSequences, 1);
    Trigger("hlpContent");
    EXPECT_EQ(shell.helpContents, 1);
    EXPECT_EQ(shell.helpTutorials, 0);
    QTest::mouseClick(Find<QPushButton>("btnReturn"), Qt::LeftButton);
    EXPECT_EQ(shell.shown, std::vector<Screen>{Screen::DataInput});
}

TEST_F(TfrmCalcTest, AQuickHelpTextReplacesAnotherAndExitUncoversTheGrids) {
    SingleAt66();
    workspace.plan.DebtHoldings[0] = {"City bond", 10000, 10000, 4, 1, 0, "N", 0.0};
    Open();
    const QString nameBefore = Grid(1)->Cells(0, 1);
    const QString withdrawalBefore = Box("editWithDrawalNeeded");
    ASSERT_EQ(nameBefore, "B: City bond");

    Trigger("hlpRiskCategories");
    auto* memo = Find<QPlainTextEdit>("memoHelp");
    auto* exit = Find<QPushButton>("btnExitMemoHelp");
    EXPECT_TRUE(memo->isVisible());
    EXPECT_TRUE(exit->isVisible());
    EXPECT_EQ(exit->text(), "Exit this Help Screen");
    EXPECT_EQ(exit->geometry(), QRect(48, 344, 569, 57));
    EXPECT_TRUE(memo->geometry().contains(Grid(1)->geometry().center()));
    EXPECT_EQ(MemoLines().size(), 11);
    EXPECT_EQ(MemoLines()[0],
              "Most financial planners recommend that you diversify your retirement "
              "investments,so as to not put all of your eggs in one basket, and to also maintain "
              "a balance between investments having various degrees of risk.");

    Trigger("hlpIncome");
    EXPECT_EQ(MemoLines(),
              QStringList({
                  "INCOME covers all income which is actually received, including:",
                  " ",
                  " - Continued Earnings (Salaries and Self-Employment only)",
                  " - Entitlements (Social Security, Pensions, and Tax Free items)",
                  " - Interest and Dividends (if not re-invested)",
                  " - Minimum IRA (Your Minimum IRA Withdrawal after you reach age 70 1/2)",
                  " ",
                  "The total of the above, plus your taxes, is subtracted from your annual Budget "
                  "to determine how much you will need to withdraw from your investments.",
                  " ",
                  "See Help on the Menu Bar for additional details.",
              }));
    Trigger("hlpIncome");
    EXPECT_EQ(MemoLines().size(), 10) << "shown again, never added to";

    QTest::mouseClick(exit, Qt::LeftButton);
    EXPECT_FALSE(memo->isVisible());
    EXPECT_FALSE(exit->isVisible());
    EXPECT_TRUE(Grid(1)->isVisible());
    EXPECT_EQ(Grid(1)->Cells(0, 1), nameBefore);
    EXPECT_EQ(Box("editWithDrawalNeeded"), withdrawalBefore);
}

TEST_F(TfrmCalcTest, EachQuickHelpTextIsShownAsWritten) {
    struct Text {
        const char* item;
        int lines;
        int line; // 1-based, as numbered in the text
        const char* content;
    };
    const Text texts[] = {
        {"mnuGenereal", 15, 13,
         "To exit this Quick Help screen, click on the \"Exit this Help Screen\" button below."},
        {"mnuGenereal", 15, 11,
         "This is a results screen.  No entries are allowed.  To add, delete, or change any data "
         "return to the Data Entry screen."},
        {"hlpRetentionValues", 12, 5,
         "- The interest/dividends and growth rate, as a percent of the investment"},
        {"hlpRetentionValues", 12, 12,
         "You would normally sell first the investment with the lowest ERR value, subject to "
         "retaining the Portfolio Risk distribution of your choice."},
        {"hlpExpenses", 13, 6,
         "This includes any taxable Social Security and taxable reinvested dividends. "},
        {"hlpExpenses", 13, 3, "- Your Annual Budget"},
        {"hlpExpenses", 13, 5,
         " - The Federal, State and Local Income taxes on your Taxable Income."},
        {"hlpTaxInfo", 9, 7,
         " - The State and Local Incremental Income Tax rate is the data you entered on the Data "
         "Input screen.  It should be the sum of these incremental tax rates."},
        {"hlpWithdrawalNeeded", 11, 5,
         "Your taxes cannot be determined accurately until you decide which investments to sell, "
         "ie/ requiring use of ordinary income tax brackets or capital gains tax brackets."},
        {"hlpRiskCategories", 11, 9, "(3) Junk Bonds, High Risk Stock"},
    };
    for (const Text& text : texts) {
        Trigger(text.item);
        const QStringList lines = MemoLines();
        ASSERT_EQ(lines.size(), text.lines) << text.item;
        EXPECT_EQ(lines[text.line - 1], text.content) << text.item << " line " << text.line;
        for (const QString& line : lines) {
            EXPECT_FALSE(line.isEmpty()) << text.item << ": a gap is a line of one blank";
        }
    }
}

TEST_F(TfrmCalcTest, AnErrTooLongForItsColumnIsShownCutWithAnEllipsis) {
    SingleAt66();
    // Zero risk: a stock of 3 dollars paying 1 a year has an Err of many
    // digits; a bond's is short.
    EquityHolding& stock = workspace.plan.EquityHoldings[0];
    stock.Name = "Thirds";
    stock.CurrentValue = 3;
    stock.CurrentBasis = 3;
    stock.RegularDividends = 1;
    stock.AutoReinvest = "N";
    stock.FedTaxFree = "N";
    workspace.plan.DebtHoldings[0] = {"Bond", 10000, 10000, 5, 0, 0, "N", 0.0};
    Open();
    StringGrid* zero = Grid(0);
    ASSERT_NE(zero, nullptr);
    const auto tip = [zero](int col, int row) {
        return zero->model()->index(row, col).data(Qt::ToolTipRole).toString();
    };

    ASSERT_EQ(zero->Cells(0, 2), "S:Thirds");
    EXPECT_EQ(zero->Cells(2, 2), "20.3333333333333") << "the model keeps the whole text";
    EXPECT_EQ(tip(2, 2), "20.3333333333333");
    const QString cut = zero->ShownText(2, 2);
    ASSERT_TRUE(cut.endsWith(QChar(0x2026))) << cut.toStdString();
    const QString kept = cut.chopped(1);
    EXPECT_FALSE(kept.isEmpty());
    EXPECT_TRUE(QString("20.3333333333333").startsWith(kept)) << cut.toStdString();
    EXPECT_LE(QFontMetrics(zero->font()).horizontalAdvance(cut), zero->columnWidth(2))
        << "the cut text fits its column";

    ASSERT_EQ(zero->Cells(0, 1), "B:Bond");
    EXPECT_EQ(zero->ShownText(2, 1), "0.5") << "a short text is shown whole";
    EXPECT_EQ(tip(2, 1), "0.5");
    EXPECT_EQ(zero->ShownText(0, 2), "S:Thirds");
}

TEST_F(TfrmCalcTest, EveryEntryOfACategoryIsListedInOrderOfErr) {
    SingleAt66();
    PlanData& plan = workspace.plan;
    // 45 medium-risk holdings: 40 bonds and 5 stocks; one low-risk bond with a
    // name in the plan file's character set.
    for (int i = 0; i < kTableRows; ++i) {
        plan.DebtHoldings[i] = {
            "Bond " + std::to_string(i + 1), 1000, 1000 + 10 * i, 1 + i % 7, 2, 0, "N", 0.0};
    }
    for (int i = 0; i < 5; ++i) {
        EquityHolding& stock = plan.EquityHoldings[i];
        stock.Name = "Stock " + std::to_string(i + 1);
        stock.CurrentValue = 2000;
        stock.CurrentBasis = 2000;
        stock.PriceGrowth = 2 + i;
        stock.RiskCategory = 2;
    }
    plan.RothHoldings[0].Name = "Caf\xe9 fund";
    plan.RothHoldings[0].CurrentValue = 500;
    plan.RothHoldings[0].RiskCategory = 1;
    Open();

    StringGrid* medium = Grid(2);
    for (int row = 1; row <= 45; ++row) {
        EXPECT_FALSE(medium->Cells(0, row).isEmpty()) << "row " << row;
        if (row > 1) {
            EXPECT_LE(medium->Cells(2, row - 1).toDouble(), medium->Cells(2, row).toDouble())
                << "rows " << row - 1 << " and " << row;
        }
    }
    for (int row : {46, 100, 160}) {
        EXPECT_EQ(
            QStringList({medium->Cells(0, row), medium->Cells(1, row), medium->Cells(2, row)}),
            QStringList({"", "0", "0"}))
            << "row " << row;
    }
    int sum = 0;
    for (int row = 1; row <= 45; ++row) {
        sum += medium->Cells(1, row).toInt();
    }
    EXPECT_EQ(sum, 40 * 1000 + 10 * (39 * 40 / 2) + 5 * 2000);
    EXPECT_EQ(Box("editTotalMedium"), QString::number(sum));
    EXPECT_EQ(Box("editTotalLow"), "500");
    EXPECT_EQ(Grid(1)->Cells(0, 1), QString::fromUtf8("R:Caf\u00e9 fund"));
    EXPECT_EQ(Box("editPerCent1"), "1");
    EXPECT_EQ(Box("editPerCent2"), "99");

    // Everything sold: the grids show only cleared rows.
    for (DebtHolding& bond : plan.DebtHoldings) {
        bond = DebtHolding{};
    }
    plan.EquityHoldings = EquityTable{};
    plan.RothHoldings = IraTable{};
    form.FormActivate();
    EXPECT_EQ(medium->Cells(0, 1), "");
    EXPECT_EQ(medium->Cells(1, 45), "0");
    EXPECT_EQ(Box("editTotalMedium"), "0");
    EXPECT_EQ(Box("editTotalInvestments"), "0");
}

} // namespace
} // namespace velmora

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
#include <QTableWidget>
#include <functional>
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

TEST_F(TfrmCalcTest, TheFourCategoriesStandTwoByTwoAboveTheBoxes) {
    Open();
    EXPECT_EQ(form.windowTitle(), "Calculation");
    const char* const boxes[] = {
        "editTotalZero",    "editTotalLow",         "editTotalMedium",
        "editTotalHigh",    "editPerCent0",         "editPerCent1",
        "editPerCent2",     "editPerCent3",         "editContinuedEarnings",
        "editEntitlements", "editIntAndDiv",        "editIRA",
        "editBudget",       "editTaxOnIncome",      "editTaxOnWithdrawals",
        "editTaxRate",      "editDivTaxRate",       "editCGTaxRate",
        "editStateTaxRate", "editTotalInvestments", "editWithDrawalNeeded"};
    for (const char* name : boxes) {
        QLineEdit* box = Find<QLineEdit>(name);
        ASSERT_NE(box, nullptr);
        const bool typing = QString(name) == "editStateTaxRate" || QString(name) == "editCGTaxRate";
        EXPECT_EQ(box->isReadOnly(), !typing) << name;
        EXPECT_FALSE(box->accessibleName().isEmpty()) << name;
    }
    // A box reads as its label in the exports.
    EXPECT_EQ(Find<QLineEdit>("editWithDrawalNeeded")->accessibleName(), "Withdrawal Needed");
    EXPECT_EQ(Find<QLineEdit>("editPerCent2")->accessibleName(), "Medium % of Total");
    EXPECT_EQ(Find<QLineEdit>("editDivTaxRate")->accessibleName(), "Federal Qualified Div %");

    for (int k = 0; k < 4; ++k) {
        StringGrid* grid = Grid(k);
        ASSERT_NE(grid, nullptr);
        EXPECT_EQ(grid->height(), 180);
        EXPECT_EQ(grid->ColCount(), 3);
        EXPECT_EQ(grid->RowCount(), 161);
        EXPECT_EQ(grid->FixedRows(), 1);
        EXPECT_EQ(grid->FixedCols(), 0);
        EXPECT_GE(grid->columnWidth(0), 65);
        EXPECT_GE(grid->columnWidth(1), 40);
        EXPECT_GE(grid->columnWidth(2), 27);
        EXPECT_EQ(grid->rowHeight(1), 15);
        EXPECT_FALSE(grid->IsEditable());
        EXPECT_EQ(grid->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        EXPECT_EQ(QStringList({grid->Cells(0, 0), grid->Cells(1, 0), grid->Cells(2, 0)}),
                  QStringList({"Name", "Value", "ERR"}));
    }
    // Zero and Low side by side, Medium and High below them.
    EXPECT_EQ(Grid(1)->y(), Grid(0)->y());
    EXPECT_GT(Grid(1)->x(), Grid(0)->geometry().right());
    EXPECT_EQ(Grid(2)->x(), Grid(0)->x());
    EXPECT_EQ(Grid(3)->x(), Grid(1)->x());
    EXPECT_EQ(Grid(3)->y(), Grid(2)->y());
    EXPECT_GT(Grid(2)->y(), Find<QLineEdit>("editPerCent0")->geometry().bottom());
    // Each grid is read as its category's title, which stands above it, in line
    // with the title beside it; its sub total and share stand below it.
    const char* const titles[][4] = {{"lblZero", "Zero", "editTotalZero", "editPerCent0"},
                                     {"lblLow", "Low", "editTotalLow", "editPerCent1"},
                                     {"lblMedium", "Medium", "editTotalMedium", "editPerCent2"},
                                     {"lblHigh", "High", "editTotalHigh", "editPerCent3"}};
    for (int k = 0; k < 4; ++k) {
        const QRect grid = Grid(k)->geometry();
        EXPECT_EQ(Grid(k)->accessibleName(), titles[k][1]);
        auto* title = Find<QLabel>(titles[k][0]);
        EXPECT_EQ(title->text(), titles[k][1]);
        EXPECT_LT(title->geometry().bottom(), grid.top()) << titles[k][0];
        EXPECT_NEAR(title->geometry().center().x(), grid.center().x(), 1) << titles[k][0];
        EXPECT_EQ(title->y(), Find<QLabel>(titles[k - k % 2][0])->y()) << titles[k][0];
        for (const char* box : {titles[k][2], titles[k][3]}) {
            EXPECT_GT(Find<QLineEdit>(box)->y(), grid.bottom()) << box;
            EXPECT_GE(Find<QLineEdit>(box)->x(), grid.left()) << box;
            EXPECT_LE(Find<QLineEdit>(box)->geometry().right(), grid.right()) << box;
        }
    }

    auto* btnReturn = Find<QPushButton>("btnReturn");
    EXPECT_EQ(btnReturn->text(), "Return to Data Entry");
    EXPECT_TRUE(btnReturn->font().bold());
    EXPECT_EQ(Find<QLabel>("lblRateColumns")->text(), " Ordinary   Div  CapGain");
    EXPECT_GT(Find<QLabel>("lblTitle")->font().pixelSize(),
              Find<QLabel>("lblNote")->font().pixelSize());
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
    ASSERT_EQ(shown.size(), 67); // 39 labels, 21 boxes, 4 grids, 3 buttons
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
    EXPECT_EQ(bar, QStringList({"&File", "&Quick Help", "&Help", "&Charts",
                                "How the Tax Was &Worked Out", "&Years Ahead"}));
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

TEST_F(TfrmCalcTest, TheScreenNamesItsTaxYearAndShowsHowTheTaxWasWorkedOut) {
    // 2026, single 66 with a budget of 40,000 and nothing else: no tax without
    // the withdrawal; with the 40,000 the taxable income is 40,000 - 18,150 -
    // 6,000 = 15,850 and the tax 1,240 + 12 % of 3,450 = 1,654.
    SingleAt66();
    workspace.plan.StateTaxRate = 0;
    workspace.taxYear = *TaxYear::Find(2026);
    Open();
    EXPECT_EQ(Find<QLabel>("lblTaxYear")->text(), "Uses tax year 2026 Income Tax Rules and Rates");
    QTest::mouseClick(Find<QPushButton>("btnTaxWorking"), Qt::LeftButton);
    auto* window = form.findChild<QWidget*>("TaxWorkingWindow");
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    auto* table = window->findChild<QTableWidget*>("tableTaxWorking");
    ASSERT_NE(table, nullptr);
    auto line = [table](const QString& label) {
        for (int row = 0; row < table->rowCount(); ++row) {
            if (table->item(row, 0)->text() == label) {
                return table->item(row, 1)->text() + " / " + table->item(row, 2)->text();
            }
        }
        return QString("<no line %1>").arg(label);
    };
    EXPECT_EQ(line("Withdrawal before its own tax"), "0 / 40000");
    EXPECT_EQ(line("Taxable income"), "0 / 15850");
    EXPECT_EQ(line("Federal income tax"), "0 / 1654");
    EXPECT_EQ(line("Tax on the withdrawal"), " / 1654");
    EXPECT_EQ(line("Withdrawal needed"), " / 41654");
    EXPECT_EQ(Box("editWithDrawalNeeded"), "41654");
    // Under the working, how it leads to the screen's boxes.
    auto* note = window->findChild<QLabel*>("lblTaxWorkingNote");
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(note->isVisible());
    EXPECT_TRUE(note->text().contains("Withdrawal Needed the withdrawal before its own tax plus "
                                      "that tax"));

    // Back to 2004: the line, and the open working, follow at the next calculation.
    workspace.taxYear = TaxYear();
    form.Calculate();
    EXPECT_EQ(Find<QLabel>("lblTaxYear")->text(), "Uses tax year 2004 Income Tax Rules and Rates");
    EXPECT_EQ(line("Taxable income"), "0 / 30850");
    // Leaving the results hides the working.
    form.hide();
    EXPECT_FALSE(window->isVisible());
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
    EXPECT_EQ(exit->height(), 57);
    EXPECT_EQ(exit->y(), memo->geometry().bottom() + 1);
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

// Whether `box` shows its whole text: with the cursor at the end, a text too
// long for the box has its start scrolled out of view once the box is drawn.
bool ShowsWhole(QLineEdit& box) {
    const auto cursorAt = [&box](int position) {
        box.setCursorPosition(position);
        box.grab(); // the box scrolls its text as it draws it
        return box.inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
    };
    const int start = cursorAt(0);
    const int end = cursorAt(static_cast<int>(box.text().size()));
    cursorAt(0);
    return end - start == QFontMetrics(box.font()).horizontalAdvance(box.text());
}

TEST_F(TfrmCalcTest, EveryFigureOfTheResultsShowsWhole) {
    struct Case {
        const char* plan;
        std::function<void(PlanData&)> fill;
        // A figure that must be among the ones shown.
        const char* figure;
    };
    const Case cases[] = {
        {"the help's tutorial",
         [](PlanData& plan) {
             plan.Married = "No";
             plan.AgeSelf = 66;
             plan.AnnualBudget = 40000;
             plan.StateTaxRate = 5;
             plan.PensionSelf = 2000;
             plan.IraHoldings[0] = {"Savings", 0, 100000, 0, 0, 6, 0, 2, 0.0};
             plan.RothHoldings[0] = {"Roth", 0, 20000, 0, 0, 6, 0, 2, 0.0};
         },
         "3.00054"},
        {"every row of every table, long names and large values",
         [](PlanData& plan) {
             plan.Married = "Yes";
             plan.AgeSelf = 81;
             plan.AgeSpouse = 79;
             plan.AnnualBudget = 987654;
             plan.StateTaxRate = 9;
             plan.SocialSecuritySelf = 3333;
             plan.PensionSelf = 7777;
             for (int i = 0; i < kTableRows; ++i) {
                 const std::string tail = std::to_string(10 + i);
                 plan.DebtHoldings[i] = {
                     "MUNICIPAL MW" + tail, 999000 + i, 987000 + 7 * i, 1 + i % 9, i % 4, 1 + i % 3,
                     i % 2 ? "Y" : "N",     0.0};
                 EquityHolding& stock = plan.EquityHoldings[i];
                 stock.Name = "WORLDWIDE MM" + tail;
                 stock.CurrentValue = 899999 - 3 * i;
                 stock.CurrentBasis = 123457 + i;
                 stock.RegularDividends = 3 * i + 1;
                 stock.CapGainsDistribution = i;
                 stock.PriceGrowth = 1 + i % 11;
                 stock.LossFactor = i % 5;
                 stock.RiskCategory = (i + 1) % 4;
                 stock.AutoReinvest = i % 3 ? "Y" : "N";
                 stock.FedTaxFree = "N";
                 plan.IraHoldings[i] = {
                     "MOMENTUM WM" + tail, 0, 777777 - i, 0, 0, 3 + i % 7, i % 3, i % 4, 0.0};
                 plan.RothHoldings[i] = {"WEALTH MMW" + tail, 0,  55555 + 11 * i, 0, 0, 7, i % 6,
                                         (i + 2) % 4,         0.0};
             }
         },
         nullptr},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.plan);
        workspace = Workspace{};
        test.fill(workspace.plan);
        Open();
        bool found = test.figure == nullptr;
        for (int k = 0; k < 4; ++k) {
            StringGrid* grid = Grid(k);
            ASSERT_NE(grid, nullptr);
            for (int row = 0; row <= 40; ++row) {
                for (int col = 0; col < 3; ++col) {
                    EXPECT_EQ(grid->ShownText(col, row), grid->Cells(col, row))
                        << "grid " << k << " row " << row << " column " << col;
                    found = found || grid->Cells(col, row) == test.figure;
                }
            }
        }
        EXPECT_TRUE(found) << test.figure;
        for (QLineEdit* box : form.centralWidget()->findChildren<QLineEdit*>()) {
            EXPECT_FALSE(box->text().isEmpty()) << box->objectName().toStdString();
            EXPECT_TRUE(ShowsWhole(*box))
                << box->objectName().toStdString() << ": " << box->text().toStdString();
        }
        // The screen fits a desktop of 1280 x 1024 at this size.
        EXPECT_LE(form.width(), 1280 - 8);
        EXPECT_LE(form.height(), 1024 - 64);
    }
}

TEST_F(TfrmCalcTest, ANameOfUnusuallyWideLettersIsShownCutWithAnEllipsis) {
    SingleAt66();
    // Thirteen per-mille signs, in the plan file's character set.
    const std::string wide(13, '\x89');
    workspace.plan.DebtHoldings[0] = {wide, 10000, 10000, 5, 0, 0, "N", 0.0};
    Open();
    StringGrid* zero = Grid(0);
    ASSERT_NE(zero, nullptr);
    const QString whole = QStringLiteral("B:") + QString(13, QChar(0x2030));
    ASSERT_EQ(zero->Cells(0, 1), whole);
    EXPECT_EQ(zero->model()->index(1, 0).data(Qt::ToolTipRole).toString(), whole);
    const QString cut = zero->ShownText(0, 1);
    ASSERT_TRUE(cut.endsWith(QChar(0x2026))) << cut.toStdString();
    EXPECT_TRUE(whole.startsWith(cut.chopped(1))) << cut.toStdString();
    EXPECT_EQ(zero->ShownText(2, 1), "0.5") << "the rest of the row is whole";
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

// Under the withdrawal needed, what to sell this year: single at 66, budget
// 30,000 under the 2004 law. The box says 32,770 (30,000 + 715 + 2,055 of tax
// on 20,850, as if every dollar came from an IRA), but a bond's principal and a
// Roth are not taxed: 30,000 is sold, the bond of 20,000 in category 0 and the
// Roth of 40,000 in category 3 giving their shares, 10,000 and 20,000, and a
// note says why the line differs from the box; "Years Ahead" leads on.
TEST_F(TfrmCalcTest, SaysWhatToSellThisYearAndLeadsToTheYearsAhead) {
    workspace.plan.Married = "No";
    workspace.plan.AgeSelf = 66;
    workspace.plan.AnnualBudget = 30000;
    workspace.plan.DebtHoldings[0] = {"Treasury", 20000, 20000, 0, 0, 0, "N", 0.0};
    workspace.plan.RothHoldings[0] = {"Our Roth", 40000, 40000, 0, 0, 0, 0, 3, 0.0};
    Open();
    EXPECT_EQ(Box("editWithDrawalNeeded"), "32770");
    auto* line = Find<QLabel>("lblSellThisYear");
    EXPECT_EQ(line->text(),
              "To meet the budget this year: sell 10,000 of Treasury and 20,000 of Our Roth, "
              "30,000 in all; no tax on these sales\nThe Withdrawal Needed box says 32,770: it "
              "counts every dollar sold as an IRA withdrawal. A Roth IRA is not taxed, and a CD's "
              "principal and a fund's basis come back untaxed.");
    EXPECT_EQ(line->accessibleName(), line->text());
    EXPECT_GT(line->y(), Find<QLineEdit>("editWithDrawalNeeded")->geometry().bottom());

    auto* years = Find<QPushButton>("btnYearsAhead");
    EXPECT_EQ(years->text(), "Years Ahead");
    years->click();
    EXPECT_EQ(shell.shown, std::vector<Screen>{Screen::YearsAhead});
}

} // namespace
} // namespace velmora

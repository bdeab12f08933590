// One household entered the way a user enters it: the real program with the
// real plan file in an empty working directory, every entry screen filled by
// mouse clicks and keys, then the results checked against the engine and the
// saved plan file read back.

#include "AppTestSupport.h"
#include "PlanCompare.h"
#include "ScriptedDialogs.h"
#include "UiTestSupport.h"
#include "Workspace.h"
#include "app/ui/Application.h"
#include "app/ui/PlanStore.h"
#include "grid/ui/StringGrid.h"
#include "plan/PlanFile.h"
#include "results/CategoryRows.h"
#include "results/ResultBox.h"
#include "results/ResultsCalculation.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>
#include <span>
#include <tuple>
#include <utility>

namespace velmora {
namespace {

using test::BoxKind;
using test::PressKey;
using test::RowTexts;
using test::TypeKeys;

// What the user types, row by row, numbers as people write them; the expected
// plan below holds the same values. An empty cell is passed over with Tab, as
// a user skips a column. The bond IRA gets the 0s that the titles ask for
// ("Bonds = 0") after its interest.
const QStringList kIras[] = {
    {"Fidelity", "0", "$185,000", "0", "3,200", "6", "2", "2"},
    {"Schwab CD", "0", "92000", "4", "0", "0", "0", "0"},
    {"Spouse IRA", "000000", "041000", "00", "00900", "05", "03", "3"},
};
const QStringList kRoths[] = {
    {"Roth Vangd", "30,000", "52,000", "0", "800", "7", "2", "2"},
    {"Roth bond", "12000", "15500", "3", "", "", "1", "1"},
};
const QStringList kEquities[] = {
    {"Acme Corp", "20,000", "35,000", "0", "700", "300", "5", "y", "n", "3", "3"},
    {"Index Fund", "$40,000", "$62,000", "0", "1,100", "900", "6", "Y", "N", "2", "2"},
    {"Muni Fund", "025000", "024000", "000900", "000000", "000000", "01", "n", "y", "01", "1"},
    {"Utility Co", "8000", "11000", "450", "", "", "2", "N", "N", "4", "3"},
};
// The treasury's tax flag is forgotten: leaving the table makes it "N".
const QStringList kDebts[] = {
    {"City bond", "10,000", "10,250", "5", "Y", "1", "0"},
    {"Bank CD", "25000", "25000", "3", "N", "0", "0"},
    {"Treasury", "020000", "019800", "04", "", "0", "00"},
    {"Corp XYZ", "15,000", "14,100", "7", "N", "3", "4"},
};

PlanData ExpectedPlan() {
    PlanData plan;
    plan.Married = "Yes";
    plan.AgeSelf = 71;
    plan.AgeSpouse = 68;
    plan.AnnualBudget = 100000;
    plan.InflationRate = 3;
    plan.StateTaxRate = 5;
    plan.EarningsSelf = 800;
    plan.EarningsSpouse = 1200;
    plan.SocialSecuritySelf = 1900;
    plan.SocialSecuritySpouse = 1100;
    plan.PensionSelf = 1500;
    plan.PensionSpouse = 400;
    plan.TaxFreeSelf = 0;
    plan.TaxFreeSpouse = 150;
    plan.IraHoldings[0] = {"Fidelity", 0, 185000, 0, 3200, 6, 2, 2, 0.0};
    plan.IraHoldings[1] = {"Schwab CD", 0, 92000, 4, 0, 0, 0, 0, 0.0};
    plan.IraHoldings[2] = {"Spouse IRA", 0, 41000, 0, 900, 5, 3, 3, 0.0};
    plan.RothHoldings[0] = {"Roth Vangd", 30000, 52000, 0, 800, 7, 2, 2, 0.0};
    plan.RothHoldings[1] = {"Roth bond", 12000, 15500, 3, 0, 0, 1, 1, 0.0};
    plan.EquityHoldings[0] = {"Acme Corp", 20000, 35000, 0, 700, 300, 5, 3, 3, "Y", "N", 0.0};
    plan.EquityHoldings[1] = {"Index Fund", 40000, 62000, 0, 1100, 900, 6, 2, 2, "Y", "N", 0.0};
    plan.EquityHoldings[2] = {"Muni Fund", 25000, 24000, 900, 0, 0, 1, 1, 1, "N", "Y", 0.0};
    plan.EquityHoldings[3] = {"Utility Co", 8000, 11000, 450, 0, 0, 2, 3, 4, "N", "N", 0.0};
    plan.DebtHoldings[0] = {"City bond", 10000, 10250, 5, 1, 0, "Y", 0.0};
    plan.DebtHoldings[1] = {"Bank CD", 25000, 25000, 3, 0, 0, "N", 0.0};
    plan.DebtHoldings[2] = {"Treasury", 20000, 19800, 4, 0, 0, "N", 0.0};
    plan.DebtHoldings[3] = {"Corp XYZ", 15000, 14100, 7, 3, 4, "N", 0.0};
    return plan;
}

// The plan as the file holds it: the rates of return are never stored.
PlanData WithoutErr(PlanData plan) {
    for (auto* table : {&plan.IraHoldings, &plan.RothHoldings}) {
        for (IraHolding& row : *table) {
            row.Err = 0.0;
        }
    }
    for (DebtHolding& row : plan.DebtHoldings) {
        row.Err = 0.0;
    }
    for (EquityHolding& row : plan.EquityHoldings) {
        row.Err = 0.0;
    }
    return plan;
}

class EndToEndUiTest : public ::testing::Test {
protected:
    // A first start: the welcome box, then the title screen.
    void StartFirstTime() {
        dialogs.Expect(BoxKind::Message,
                       "Welcome to the Velmora program. New Users may wish to pull down the "
                       "Quick Start Instructions on the Title Page. Click on OK to continue.");
        app = std::make_unique<Application>(dialogs, files, test::TestOptions());
        app->Start();
        ASSERT_TRUE(QTest::qWaitForWindowActive(app->ScreenWidget(Screen::Title)));
    }
    template <class T> T* Find(Screen screen, const char* name) {
        return test::FindControl<T>(*app->ScreenWidget(screen), name);
    }
    StringGrid& Grid(Screen screen, const char* name) { return *Find<StringGrid>(screen, name); }

    // Clicks a button of the shown screen and waits until the next screen is in front.
    void Click(Screen screen, const char* button, Screen next) {
        QTest::mouseClick(Find<QPushButton>(screen, button), Qt::LeftButton);
        ASSERT_EQ(app->Current(), next) << "after " << button;
        ASSERT_TRUE(QTest::qWaitForWindowActive(app->ScreenWidget(next)));
    }

    static void ClickCell(StringGrid& grid, int col, int row) {
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {},
                          grid.visualRect(grid.model()->index(row, col)).center());
    }

    // Types the rows from the first column of grid row 0 on, moving with Tab;
    // the last cell is closed with Return.
    static void TypeRows(StringGrid& grid, std::span<const QStringList> rows) {
        ClickCell(grid, 0, 0);
        ASSERT_TRUE(grid.hasFocus());
        for (std::size_t row = 0; row < rows.size(); ++row) {
            for (qsizetype col = 0; col < rows[row].size(); ++col) {
                TypeKeys(rows[row][col]);
                const bool last = row + 1 == rows.size() && col + 1 == rows[row].size();
                PressKey(last ? Qt::Key_Return : Qt::Key_Tab);
            }
        }
        EXPECT_FALSE(grid.IsEditing());
    }

    test::TempWorkingDirectory work;
    test::ScriptedDialogs dialogs;
    PlanFileStore files; // UserData.dta in the working directory
    std::unique_ptr<Application> app;
};

TEST_F(EndToEndUiTest, AHouseholdEnteredOnEveryScreenGivesTheEnginesResultsAndItsPlanFile) {
    ASSERT_NO_FATAL_FAILURE(StartFirstTime());
    Click(Screen::Title, "btnEnterData", Screen::DataInput);

    // Personal data and financial assumptions.
    auto* married = Find<QRadioButton>(Screen::DataInput, "RadioButtonMarried");
    QTest::mouseClick(married, Qt::LeftButton, {}, QPoint(8, married->height() / 2));
    StringGrid& age = Grid(Screen::DataInput, "StringGridAge");
    ClickCell(age, 0, 0);
    TypeKeys("71");
    PressKey(Qt::Key_Tab);
    TypeKeys("68");
    PressKey(Qt::Key_Return);
    // A cell left shows its value as the screen shows it when opened.
    for (const auto& [name, keys, shown] : {std::tuple{"StringGridBudget", "$100,000", "100000"},
                                            std::tuple{"StringGridInflation", "03", "3"},
                                            std::tuple{"StringGridStateTaxRate", "5", "5"}}) {
        StringGrid& grid = Grid(Screen::DataInput, name);
        ClickCell(grid, 0, 0);
        TypeKeys(keys);
        PressKey(Qt::Key_Return);
        EXPECT_EQ(grid.Cells(0, 0), shown) << name;
    }
    EXPECT_EQ(RowTexts(age, 0), QStringList({"71", "68"}));

    // Continued earnings and entitlements open with the focus in their first value
    // cell; a click on that cell, the current one, goes straight into it.
    Click(Screen::DataInput, "btnEarn", Screen::Earnings);
    ClickCell(Grid(Screen::Earnings, "StringGridEarnings"), 0, 1);
    TypeKeys("800");
    PressKey(Qt::Key_Tab);
    TypeKeys("1,200");
    PressKey(Qt::Key_Return);
    EXPECT_EQ(RowTexts(Grid(Screen::Earnings, "StringGridEarnings"), 1),
              QStringList({"800", "1200"}));
    Click(Screen::Earnings, "btnReturnToDataInput", Screen::DataInput);

    Click(Screen::DataInput, "btnEntitlements", Screen::Entitlements);
    for (const char* keys : {"1,900", "1100", "1500", "00400", "0", "150"}) {
        TypeKeys(keys);
        PressKey(Qt::Key_Tab); // across the row, then over the title column to the next one
    }
    StringGrid& entitlements = Grid(Screen::Entitlements, "StringGridEntitlements");
    EXPECT_EQ(RowTexts(entitlements, 3), QStringList({"Tax Free Benefits", "0", "150"}));
    Click(Screen::Entitlements, "btnReturnToDataInput", Screen::DataInput);

    // Both IRA tables; going from one to the other leaves the first.
    Click(Screen::DataInput, "btnIRAs", Screen::IRAs);
    TypeRows(Grid(Screen::IRAs, "StringGridIRAs"), kIras);
    TypeRows(Grid(Screen::IRAs, "StringGridRothIRAs"), kRoths);
    EXPECT_EQ(RowTexts(Grid(Screen::IRAs, "StringGridRothIRAs"), 1),
              QStringList({"Roth bond", "12000", "15500", "3", "", "", "1", "1"}));
    Click(Screen::IRAs, "btnReturnToMiscInput", Screen::DataInput);

    // Leaving the equity table shows that the fund bought above its value has a
    // capital loss, which the rates do not count.
    Click(Screen::DataInput, "btnStocks", Screen::Equity);
    TypeRows(Grid(Screen::Equity, "StringGridTable"), kEquities);
    dialogs.Expect(BoxKind::Information,
                   "The tax benefit from a Capital Loss occurs only when you sell the item.  "
                   "Thus, Capital Loss tax benefits are not included.\n\nRow 3, \"Muni Fund\": "
                   "Current Basis 25000 is above its Current Value 24000.");
    Click(Screen::Equity, "btnReturnToMiscInput", Screen::DataInput);

    Click(Screen::DataInput, "btnDebt", Screen::Debt);
    StringGrid& debts = Grid(Screen::Debt, "StringGridTable");
    TypeRows(debts, kDebts);
    dialogs.Expect(BoxKind::Warning, "You must enter either a Y for Yes or an N for No. Entry "
                                     "of any other letter will be interpreted as a No.\n\nRow 3, "
                                     "\"Treasury\": Fed Tax Free? (Y/N) left empty, stored as N.");
    Click(Screen::Debt, "btnReturnToMiscInput", Screen::DataInput);
    dialogs.VerifyAllShown();
    EXPECT_EQ(dialogs.Boxes().size(), 3u)
        << "the welcome and the two expected boxes: none for any number";

    // What was typed is the plan.
    const PlanData typed = ExpectedPlan();
    EXPECT_EQ(testing::PlanDifference(typed, app->Work().plan), "");

    // The results screen shows what the engine computes for the same plan.
    Click(Screen::DataInput, "btnResults", Screen::Results);
    Workspace expected;
    expected.plan = typed;
    results::Calculate(expected);
    for (const ResultBoxEntry& box : kResultBoxes) {
        EXPECT_EQ(Find<QLineEdit>(Screen::Results, box.Name.data())->text().toStdString(),
                  expected.results.boxes.*box.Text)
            << box.Name;
    }
    EXPECT_EQ(Find<QLineEdit>(Screen::Results, "editTotalInvestments")->text(), "586650")
        << "every holding counts";
    for (const RiskCategory category : kRiskCategories) {
        const std::string name = "StringGrid" + std::to_string(Number(category));
        const StringGrid& grid = Grid(Screen::Results, name.c_str());
        const std::vector<results::CategoryRow> rows =
            results::CategoryRows(expected.ranking, category);
        EXPECT_GE(rows.size(), 3u) << "realistic holdings in " << name;
        for (int slot = 1; slot < grid.RowCount(); ++slot) {
            const results::CategoryRow row = results::SlotRow(expected.ranking, category, slot);
            EXPECT_EQ(RowTexts(grid, slot), QStringList({QString::fromStdString(row.Name),
                                                         QString::fromStdString(row.Value),
                                                         QString::fromStdString(row.Err)}))
                << name << " row " << slot;
        }
    }
    EXPECT_EQ(testing::PlanDifference(expected.plan, app->Work().plan), "")
        << "the same rates of return in the program's plan";

    // Saving from the results screen writes the plan file.
    Find<QAction>(Screen::Results, "hlpSave")->trigger();
    EXPECT_EQ(dialogs.Boxes().size(), 3u) << "a save that works says nothing";
    PlanData saved;
    saved.AgeSelf = -1; // a field the file must overwrite
    LoadPlan(saved, work.File("UserData.dta").toStdString());
    EXPECT_EQ(testing::PlanDifference(WithoutErr(expected.plan), saved), "");

    QFile file(work.File("UserData.dta"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(bytes.count("\r\n"), 1376);
    EXPECT_EQ(bytes.count('\n'), 1376) << "every line ends in CR LF";
    EXPECT_EQ(bytes.count('\r'), 1376);
    EXPECT_TRUE(bytes.endsWith("\r\n"));
}

// The help's tutorial, step by step as it is written, from a first start: no
// box but the welcome, and the figures the tutorial shows.
TEST_F(EndToEndUiTest, TheTutorialFollowedAsWrittenGivesItsFiguresWithoutABox) {
    ASSERT_NO_FATAL_FAILURE(StartFirstTime());

    // Step 1.
    Click(Screen::Title, "btnEnterData", Screen::DataInput);
    auto* single = Find<QRadioButton>(Screen::DataInput, "RadioButtonS");
    QTest::mouseClick(single, Qt::LeftButton, {}, QPoint(8, single->height() / 2));
    for (const auto& [name, keys] :
         {std::pair{"StringGridAge", "66"}, std::pair{"StringGridBudget", "40,000"},
          std::pair{"StringGridStateTaxRate", "5"}}) {
        ClickCell(Grid(Screen::DataInput, name), 0, 0);
        TypeKeys(keys);
        PressKey(Qt::Key_Return);
    }
    // Step 2.
    Click(Screen::DataInput, "btnEntitlements", Screen::Entitlements);
    ClickCell(Grid(Screen::Entitlements, "StringGridEntitlements"), 1, 2);
    TypeKeys("2000");
    PressKey(Qt::Key_Return);
    Click(Screen::Entitlements, "btnReturnToDataInput", Screen::DataInput);
    // Step 3.
    Click(Screen::DataInput, "btnResults", Screen::Results);
    const auto box = [this](const char* name) {
        return Find<QLineEdit>(Screen::Results, name)->text();
    };
    EXPECT_EQ(box("editTaxOnIncome"), "3070");
    EXPECT_EQ(box("editTaxOnWithdrawals"), "3648");
    EXPECT_EQ(box("editWithDrawalNeeded"), "23918");
    // Step 4.
    Click(Screen::Results, "btnReturn", Screen::DataInput);
    Click(Screen::DataInput, "btnIRAs", Screen::IRAs);
    const QStringList savings[] = {{"Savings", "0", "100,000", "0", "0", "6", "0", "2"}};
    const QStringList roth[] = {{"Roth", "0", "20,000", "0", "0", "6", "0", "2"}};
    TypeRows(Grid(Screen::IRAs, "StringGridIRAs"), savings);
    TypeRows(Grid(Screen::IRAs, "StringGridRothIRAs"), roth);
    Click(Screen::IRAs, "btnReturnToMiscInput", Screen::DataInput);
    Click(Screen::DataInput, "btnResults", Screen::Results);
    const StringGrid& medium = Grid(Screen::Results, "StringGrid2");
    EXPECT_EQ(RowTexts(medium, 1), QStringList({"I:Savings", "100000", "3.00054"}));
    EXPECT_EQ(RowTexts(medium, 2), QStringList({"R:Roth", "20000", "3.9"}));
    EXPECT_EQ(box("editWithDrawalNeeded"), "23918");
    dialogs.VerifyAllShown();
    EXPECT_EQ(dialogs.Boxes().size(), 1u) << "the welcome only";
}

} // namespace
} // namespace velmora

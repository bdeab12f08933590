// The income screens and the results screen working together through the
// program: what the results count, what they clear, and what a save writes.

#include "AppTestSupport.h"
#include "FakePlanStore.h"
#include "ScriptedDialogs.h"
#include "UiTestSupport.h"
#include "app/ui/Application.h"
#include "grid/ui/StringGrid.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace velmora {
namespace {

using test::PressKey;
using test::TypeKeys;

class TfrmCalcNavigationTest : public ::testing::Test {
protected:
    void Start(PlanStore& plans) {
        ASSERT_TRUE(test::MarkStarted()); // no welcome
        app = std::make_unique<Application>(dialogs, plans, test::TestOptions());
        app->Start();
    }

    PlanData& Plan() { return app->Work().plan; }
    template <class T> T* Find(Screen screen, const char* name) {
        T* child = app->ScreenWidget(screen)->findChild<T*>(name);
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    void Click(Screen screen, const char* button) {
        QPushButton* target = Find<QPushButton>(screen, button);
        ASSERT_NE(target, nullptr);
        QTest::mouseClick(target, Qt::LeftButton);
    }
    QString Box(const char* name) { return Find<QLineEdit>(Screen::Results, name)->text(); }
    StringGrid* Earnings() { return Find<StringGrid>(Screen::Earnings, "StringGridEarnings"); }
    StringGrid* Entitlements() {
        return Find<StringGrid>(Screen::Entitlements, "StringGridEntitlements");
    }
    // Types into a cell of the shown screen and leaves the cell with Return.
    void Enter(StringGrid* grid, int col, int row, const QString& keys) {
        ASSERT_TRUE(QTest::qWaitForWindowActive(grid->window()));
        grid->setFocus();
        grid->SetCurrentCell(col, row);
        TypeKeys(keys);
        PressKey(Qt::Key_Return);
    }

    test::TempWorkingDirectory work;
    test::ScriptedDialogs dialogs;
    test::FakePlanStore store;
    std::unique_ptr<Application> app;
};

TEST_F(TfrmCalcNavigationTest, TheResultsClearSocialSecurityThatDoesNotCount) {
    Start(store);
    PlanData& plan = Plan();
    plan.Married = "No";
    plan.AgeSelf = 61;
    plan.SocialSecuritySelf = 1000;
    plan.SocialSecuritySpouse = 800;
    plan.PensionSpouse = 500;
    app->Show(Screen::Entitlements);
    EXPECT_EQ(Entitlements()->Cells(1, 1), "1000");
    EXPECT_EQ(Entitlements()->Cells(2, 1), "800");

    app->Show(Screen::Results);
    EXPECT_EQ(Box("editEntitlements"), "6000") << "only the spouse's pension counts";
    Click(Screen::Results, "btnReturn");
    EXPECT_EQ(app->Current(), Screen::DataInput);
    Click(Screen::DataInput, "btnEntitlements");
    ASSERT_EQ(app->Current(), Screen::Entitlements);
    EXPECT_EQ(Entitlements()->Cells(1, 1), "0") << "self under 62";
    EXPECT_EQ(Entitlements()->Cells(2, 1), "0") << "spouse of a single household";
    EXPECT_EQ(Entitlements()->Cells(2, 2), "500");
    EXPECT_TRUE(Entitlements()->isColumnHidden(2));

    // At 62 Social Security counts again once it is entered again.
    plan.AgeSelf = 62;
    Enter(Entitlements(), 1, 1, "1000");
    Click(Screen::Entitlements, "btnReturnToDataInput");
    Click(Screen::DataInput, "btnResults");
    EXPECT_EQ(Box("editEntitlements"), "18000");
}

TEST_F(TfrmCalcNavigationTest, ASpouseAmountHiddenForASingleHouseholdStillCounts) {
    Start(store);
    Plan().Married = "Yes";
    Plan().AgeSelf = 66;
    Plan().AgeSpouse = 64;
    Click(Screen::Title, "btnEnterData");
    Click(Screen::DataInput, "btnEarn");
    ASSERT_EQ(app->Current(), Screen::Earnings);
    EXPECT_FALSE(Earnings()->isColumnHidden(1));
    Enter(Earnings(), 1, 1, "0300");
    EXPECT_EQ(Plan().EarningsSpouse, 300);
    Click(Screen::Earnings, "btnReturnToDataInput");
    ASSERT_EQ(app->Current(), Screen::DataInput);
    Click(Screen::DataInput, "btnEntitlements");
    Enter(Entitlements(), 2, 2, "00250");
    Click(Screen::Entitlements, "btnReturnToDataInput");
    ASSERT_EQ(app->Current(), Screen::DataInput);

    QRadioButton* single = Find<QRadioButton>(Screen::DataInput, "RadioButtonS");
    QTest::mouseClick(single, Qt::LeftButton, {}, QPoint(8, single->height() / 2));
    ASSERT_EQ(Plan().Married, "No");
    Click(Screen::DataInput, "btnEarn");
    EXPECT_TRUE(Earnings()->isColumnHidden(1));
    EXPECT_EQ(Earnings()->width(), 65);
    EXPECT_EQ(Earnings()->Cells(1, 1), "300");
    Click(Screen::Earnings, "btnReturnToDataInput");
    Click(Screen::DataInput, "btnEntitlements");
    EXPECT_TRUE(Entitlements()->isColumnHidden(2));
    EXPECT_EQ(Entitlements()->width(), 165);
    Click(Screen::Entitlements, "btnReturnToDataInput");

    Click(Screen::DataInput, "btnResults");
    EXPECT_EQ(Box("editContinuedEarnings"), "3600");
    EXPECT_EQ(Box("editEntitlements"), "3000");
}

TEST_F(TfrmCalcNavigationTest, OpeningTheResultsAgainShowsTheNewResults) {
    Start(store);
    PlanData& plan = Plan();
    plan.Married = "No";
    plan.AgeSelf = 66;
    plan.AnnualBudget = 40000;
    plan.StateTaxRate = 5;
    app->Show(Screen::DataInput);
    Click(Screen::DataInput, "btnResults");
    ASSERT_EQ(app->Current(), Screen::Results);
    EXPECT_EQ(Box("editWithDrawalNeeded"), "44450");
    EXPECT_EQ(Box("editTaxOnWithdrawals"), "4450");
    EXPECT_EQ(Box("editTaxOnIncome"), "0");
    EXPECT_EQ(QStringList({Box("editTaxRate"), Box("editDivTaxRate"), Box("editCGTaxRate"),
                           Box("editStateTaxRate")}),
              QStringList({"25", "0", "15", "5"}));
    EXPECT_FALSE(app->ScreenWidget(Screen::Results)->windowFlags() & Qt::WindowCloseButtonHint);

    Click(Screen::Results, "btnReturn");
    Click(Screen::DataInput, "btnEntitlements");
    Enter(Entitlements(), 1, 2, "02000");
    Click(Screen::Entitlements, "btnReturnToDataInput");
    Click(Screen::DataInput, "btnResults");
    EXPECT_EQ(Box("editEntitlements"), "24000");
    EXPECT_EQ(Box("editTaxOnIncome"), "3070");
    EXPECT_EQ(Box("editTaxOnWithdrawals"), "3648");
    EXPECT_EQ(Box("editWithDrawalNeeded"), "23918");
    EXPECT_EQ(QStringList({Box("editTaxRate"), Box("editDivTaxRate"), Box("editCGTaxRate"),
                           Box("editStateTaxRate")}),
              QStringList({"25", "5", "15", "5"}));
}

TEST_F(TfrmCalcNavigationTest, SavingOnTheResultsScreenWritesTheClearedSocialSecurity) {
    PlanFileStore files;
    Start(files);
    PlanData& plan = Plan();
    plan.Married = "No";
    plan.AgeSelf = 61;
    plan.SocialSecuritySelf = 1000;
    plan.SocialSecuritySpouse = 800;
    plan.PensionSpouse = 500;
    plan.TaxFreeSpouse = 25;
    app->Show(Screen::Results);
    Find<QAction>(Screen::Results, "hlpSave")->trigger();
    EXPECT_TRUE(dialogs.Boxes().empty()) << "a save says nothing when it works";

    PlanData written;
    written.SocialSecuritySelf = -1;
    written.SocialSecuritySpouse = -1;
    LoadPlan(written, work.File(kPlanFileName).toStdString());
    EXPECT_EQ(written.SocialSecuritySelf, 0);
    EXPECT_EQ(written.SocialSecuritySpouse, 0);
    EXPECT_EQ(written.PensionSpouse, 500);
    EXPECT_EQ(written.TaxFreeSpouse, 25);
    EXPECT_EQ(written.AgeSelf, 61);
}

} // namespace
} // namespace velmora

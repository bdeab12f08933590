// The tax year chosen in the program: what follows it at once, what keeps it,
// and that choosing one is no change to the plan. And the warning given when
// the plan's lock cannot be made.

#include "AppTestSupport.h"
#include "FakePlanStore.h"
#include "ScriptedDialogs.h"
#include "UiTestSupport.h"
#include "app/ui/Application.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

namespace velmora {
namespace {

class TaxYearChoiceTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(test::MarkStarted()); }

    std::unique_ptr<Application> Start() {
        auto app = std::make_unique<Application>(
            dialogs, store, test::TestOptions([] {}, work.File(QStringLiteral("velmora.conf"))));
        app->Start();
        return app;
    }

    // A single filer of 70 with a pension of 2,500 and Social Security of 1,700 a month.
    static void SinglePensioner(PlanData& plan) {
        plan.Married = "No";
        plan.AgeSelf = 70;
        plan.PensionSelf = 2500;
        plan.SocialSecuritySelf = 1700;
        plan.StateTaxRate = 0;
    }

    static QString Box(Application& app, const char* name) {
        return app.ScreenWidget(Screen::Results)->findChild<QLineEdit*>(name)->text();
    }

    static void Choose(Application& app, Screen screen, const char* item) {
        app.ScreenWidget(screen)->findChild<QAction*>(item)->trigger();
    }

    test::TempWorkingDirectory work;
    test::ScriptedDialogs dialogs;
    test::FakePlanStore store;
};

TEST_F(TaxYearChoiceTest, TheResultsFollowAChoiceAtOnceAndTheChoiceIsKeptButChangesNoPlan) {
    auto app = Start();
    SinglePensioner(app->Work().plan);
    app->Show(Screen::Results);
    // 2004: 39,770 of income (Social Security 9,770 of 20,400 taxable) less the exemption
    // of 3,100 and a standard deduction of 6,050 is 30,620: 715 + 3,285 + 392.
    EXPECT_EQ(Box(*app, "editTaxRate"), "25");
    EXPECT_EQ(Box(*app, "editTaxOnIncome"), "4392");
    const bool modified = app->History().IsModified();

    Choose(*app, Screen::Results, "mnuTaxYear2026");
    // 2026: less 18,150 of standard deduction and 6,000 for a senior: 15,620; 1,240 + 386.
    EXPECT_EQ(Box(*app, "editTaxRate"), "12");
    EXPECT_EQ(Box(*app, "editTaxOnIncome"), "1626");
    EXPECT_EQ(app->History().IsModified(), modified) << "a year is no change to the plan";
    EXPECT_TRUE(
        app->ScreenWidget(Screen::DataInput)->findChild<QAction*>("mnuTaxYear2026")->isChecked());
    EXPECT_FALSE(
        app->ScreenWidget(Screen::Title)->findChild<QAction*>("mnuTaxYear2004")->isChecked());

    Choose(*app, Screen::Results, "hlpIncome");
    EXPECT_TRUE(
        app->ScreenWidget(Screen::Results)
            ->findChild<QPlainTextEdit*>("memoHelp")
            ->toPlainText()
            .contains(" - Minimum IRA (Your Minimum IRA Withdrawal after you reach age 73)\n"));

    const auto* line = app->ScreenWidget(Screen::Title)->findChild<QLabel*>("lblTaxYear");
    EXPECT_EQ(line->text(), "Uses tax year 2026 Income Tax Rules and Rates");
    EXPECT_TRUE(line->toolTip().contains("Tax Year menu"));

    app.reset();
    auto again = Start();
    EXPECT_EQ(again->Work().taxYear.Number(), 2026) << "kept in the settings";
    Choose(*again, Screen::Title, "mnuTaxYear2004");
    EXPECT_EQ(again->ScreenWidget(Screen::Title)->findChild<QLabel*>("lblTaxYear")->text(),
              "Uses tax year 2004 Income Tax Rules and Rates");
}

TEST_F(TaxYearChoiceTest, ALockThatCannotBeMadeIsSaidOnceAfterTheTitleScreenAndTheRunGoesOn) {
    store.lockProblem = "Velmora could not create its lock file UserData.lock (Disk full).";
    dialogs.Expect(test::BoxKind::Warning,
                   "Velmora could not create its lock file UserData.lock (Disk full).");
    auto app = Start();
    EXPECT_FALSE(app->Ended());
    EXPECT_EQ(app->Current(), Screen::Title);
    EXPECT_TRUE(app->ScreenWidget(Screen::Title)->isVisible());
}

} // namespace
} // namespace velmora

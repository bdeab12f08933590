// What a watch sees a change do to the plan, and taking the change back and
// making it again.

#include "plan/PlanEdit.h"

#include "PlanCompare.h"
#include "PlanSamples.h"
#include "holdings/DeleteHoldingRow.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

using testing::PlanDifference;

TEST(PlanEdit, ARowWatchSeesItsOwnFieldsOnlyAndPutsThemBackAndAgain) {
    const PlanData before = testing::MarriedHousehold();
    PlanData plan = before;
    const PlanWatch watch(plan, {{PlanPart::Ira, 1}});
    plan.IraHoldings[1].InterestRate = 7;
    plan.IraHoldings[1].Dividends = 10;
    plan.IraHoldings[1].Name = "Renamed";
    plan.IraHoldings[2].CurrentValue = 1; // outside the watch
    plan.RothHoldings[1].InterestRate = 9;

    const PlanEdit edit = watch.Changes(plan);
    EXPECT_EQ(edit.FieldCount(), 3u);
    EXPECT_EQ(edit.FirstRow(PlanPart::Ira), 1);
    EXPECT_EQ(edit.FirstRow(PlanPart::Roth), -1);

    PlanData after = plan;
    edit.Undo(plan);
    PlanData expected = after;
    expected.IraHoldings[1] = before.IraHoldings[1];
    EXPECT_EQ(PlanDifference(expected, plan), "") << "only the watched row goes back";
    edit.Redo(plan);
    EXPECT_EQ(PlanDifference(after, plan), "");
}

TEST(PlanEdit, PersonalDataTextAndNumbers) {
    PlanData plan;
    const PlanWatch watch(plan, {{PlanPart::Personal}});
    plan.Married = "Yes";
    plan.StateTaxRate = 6;
    plan.ReservedValue2 = -4;
    plan.IraHoldings[0].Basis = 3; // not personal data
    const PlanEdit edit = watch.Changes(plan);
    EXPECT_EQ(edit.FieldCount(), 3u);
    edit.Undo(plan);
    EXPECT_EQ(plan.Married, "No");
    EXPECT_EQ(plan.StateTaxRate, 0);
    EXPECT_EQ(plan.ReservedValue2, 0);
    EXPECT_EQ(plan.IraHoldings[0].Basis, 3);
    edit.Redo(plan);
    EXPECT_EQ(plan.Married, "Yes");
    EXPECT_EQ(plan.StateTaxRate, 6);
    EXPECT_EQ(plan.ReservedValue2, -4);
}

TEST(PlanEdit, TheComputedRateIsNoChangeAndStaysWithItsPlace) {
    PlanData plan = testing::MarriedHousehold();
    const PlanWatch watch = PlanWatch::Everything(plan);
    plan.EquityHoldings[0].Err = 4.5;
    EXPECT_TRUE(watch.Changes(plan).Empty());

    plan.EquityHoldings[0].Name = "Other";
    const PlanEdit edit = watch.Changes(plan);
    plan.EquityHoldings[0].Err = 6.25;
    edit.Undo(plan);
    EXPECT_EQ(plan.EquityHoldings[0].Name, testing::MarriedHousehold().EquityHoldings[0].Name);
    EXPECT_EQ(plan.EquityHoldings[0].Err, 6.25);
}

TEST(PlanEdit, ADeletedRowOfAFullTableComesBackInItsPlace) {
    const PlanData before = testing::VariedPlan(); // every row named
    PlanData plan = before;
    const PlanWatch watch = PlanWatch::Everything(plan);
    DeleteHoldingRow(plan.DebtHoldings, 4);
    const PlanData after = plan;
    const PlanEdit edit = watch.Changes(plan);
    EXPECT_EQ(edit.FirstRow(PlanPart::Debt), 4);
    EXPECT_EQ(edit.FirstRow(PlanPart::Equity), -1);

    edit.Undo(plan);
    EXPECT_EQ(PlanDifference(before, plan), "");
    edit.Redo(plan);
    EXPECT_EQ(PlanDifference(after, plan), "");
    EXPECT_EQ(plan.DebtHoldings[39].Name, "") << "the last row emptied again";
}

TEST(PlanEdit, ALaterChangeJoinsAnEarlierOne) {
    PlanData plan;
    const PlanWatch first(plan, {{PlanPart::Equity, 2}});
    plan.EquityHoldings[2].RiskCategory = 7;
    plan.EquityHoldings[2].AutoReinvest = "y";
    PlanEdit edit = first.Changes(plan);

    const PlanWatch second(plan, {{PlanPart::Equity}});
    plan.EquityHoldings[2].RiskCategory = 3;
    plan.EquityHoldings[5].FedTaxFree = "N";
    edit.Append(second.Changes(plan));
    EXPECT_EQ(edit.FieldCount(), 3u);
    edit.Undo(plan);
    EXPECT_EQ(PlanDifference(PlanData{}, plan), "");
    edit.Redo(plan);
    EXPECT_EQ(plan.EquityHoldings[2].RiskCategory, 3);
    EXPECT_EQ(plan.EquityHoldings[2].AutoReinvest, "y");
    EXPECT_EQ(plan.EquityHoldings[5].FedTaxFree, "N");

    // Back where it began: nothing is left to take back.
    const PlanWatch third(plan, {{PlanPart::Equity}});
    plan.EquityHoldings[2] = EquityHolding{};
    plan.EquityHoldings[5].FedTaxFree.clear();
    edit.Append(third.Changes(plan));
    EXPECT_TRUE(edit.Empty());
}

TEST(PlanEdit, KeepsWhatChangedNotTheWholePlan) {
    PlanData plan = testing::VariedPlan();
    const PlanWatch cell(plan, {{PlanPart::Roth, 12}});
    plan.RothHoldings[12].GrowthRate = 5;
    const std::size_t oneNumber = cell.Changes(plan).Bytes();
    EXPECT_LE(oneNumber, 100u);

    const PlanWatch table = PlanWatch::Everything(plan);
    DeleteHoldingRow(plan.EquityHoldings, 0);
    const std::size_t wholeTable = table.Changes(plan).Bytes();
    EXPECT_GT(wholeTable, 20 * oneNumber) << "39 rows moved";
    EXPECT_LT(wholeTable, sizeof(PlanData));
}

TEST(PlanEdit, ARowOutsideTheTableIsNotWatched) {
    PlanData plan;
    const PlanWatch watch(plan, {{PlanPart::Debt, 40}, {PlanPart::Debt, -5}});
    plan.DebtHoldings[39].Basis = 1;
    EXPECT_TRUE(watch.Changes(plan).Empty());
}

} // namespace
} // namespace velmora

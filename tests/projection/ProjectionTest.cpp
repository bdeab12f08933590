// The years ahead on small plans worked out by hand, the 32-bit stop, and year 0
// against the results screen.

#include "projection/Projection.h"

#include "PlanSamples.h"
#include "ProjectionTestPlans.h"
#include "Workspace.h"
#include "projection/ProjectionTexts.h"
#include "results/ResultBox.h"
#include "results/ResultsCalculation.h"

#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace velmora::projection {
namespace {

using test::Single;
using test::Year;

struct SaleSeen {
    std::string name;
    std::int64_t amount;
    friend bool operator==(const SaleSeen&, const SaleSeen&) = default;
};

std::vector<SaleSeen> SalesOf(const ProjectedYear& year) {
    std::vector<SaleSeen> seen;
    for (const Sale& sale : year.Sales) {
        seen.push_back({sale.RankedName, sale.Amount});
    }
    return seen;
}

// Single at 66 under the 2004 law, budget 10,000, no income, living from a Roth
// of 45,000 that neither grows nor loses: a Roth's dollars are not taxed, so
// 10,000 is sold every year (the Withdrawal Needed box, which taxes every dollar
// as an IRA withdrawal, says 10,085); 35,000, 25,000, 15,000, 5,000 are left, in
// 2008 it gives its last 5,000 and 5,000 cannot be met, after that nothing.
TEST(Projection, SteadyRothRunsOutInTheFifthYear) {
    PlanData plan = Single(66, 10000);
    plan.RothHoldings[0] = {"Our Roth", 45000, 45000, 0, 0, 0, 0, 0, 0.0};
    const Projection p = Project(plan, Year(2004), {.ThroughAge = 72});

    struct Expected {
        std::int32_t year, age;
        std::int64_t sold, shortfall, end;
    };
    const std::vector<Expected> expected{{2004, 66, 10000, 0, 35000}, {2005, 67, 10000, 0, 25000},
                                         {2006, 68, 10000, 0, 15000}, {2007, 69, 10000, 0, 5000},
                                         {2008, 70, 5000, 5000, 0},   {2009, 71, 0, 10000, 0},
                                         {2010, 72, 0, 10000, 0}};
    ASSERT_EQ(p.Years.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const ProjectedYear& y = p.Years[i];
        const Expected& e = expected[i];
        SCOPED_TRACE(e.year);
        EXPECT_EQ(y.Year, e.year);
        EXPECT_EQ(y.AgeSelf, e.age);
        EXPECT_EQ(y.Sold, e.sold);
        EXPECT_EQ(y.Taxes, 0);
        EXPECT_EQ(y.results.boxes.editWithDrawalNeeded, "10085");
        const std::vector<SaleSeen> sold =
            e.sold ? std::vector<SaleSeen>{{"R:Our Roth", e.sold}} : std::vector<SaleSeen>{};
        EXPECT_EQ(SalesOf(y), sold);
        EXPECT_EQ(y.Shortfall, e.shortfall);
        EXPECT_EQ(y.EndInvestments, e.end);
    }
    EXPECT_EQ(p.RunsOut, std::optional<std::int32_t>(2008));
    EXPECT_EQ(p.StoppedBefore, std::nullopt);
    EXPECT_EQ(Summary(p),
              "Your investments run out in 2008, when you are 70: that year 5,000 of the budget "
              "cannot be met. Taxes over the years: 0");
    EXPECT_EQ(SellLine(p.Years[0]),
              "To meet the budget this year: sell 10,000 of Our Roth; no tax on these sales");
    EXPECT_EQ(SellLine(p.Years[4]), "To meet the budget this year: sell 5,000 of Our Roth; no "
                                    "tax on these sales; 5,000 of the budget cannot be met from "
                                    "the investments");
}

// A regular IRA of 100,000 that neither grows nor loses, no budget: the minimum
// withdrawal is the only income and nothing is sold. It starts at 71 under the
// 2004 law (100,000 / 26.5), at 73 under the 2026 law for a person born in 1954
// (100,000 / 26.5 of the 2022 table) and at 75 for one born in 1960 (100,000 /
// 24.6); the IRA keeps 96,226 and 95,935 after it, and the withdrawal, untaxed
// below the deductions and not needed for the budget, is kept as cash.
TEST(Projection, MinimumWithdrawalStartsAtTheAgeOfTheBirthYear) {
    struct Case {
        std::int32_t taxYear, age, firstYear, firstAge;
        std::int64_t endOfFirstYear;
        const char* minimumText;
    };
    for (const Case& c : {Case{2004, 70, 2005, 71, 96226, "3773.58490566038"},
                          Case{2026, 72, 2027, 73, 96226, "3773.58490566038"},
                          Case{2026, 66, 2035, 75, 95935, "4065.0406504065"}}) {
        SCOPED_TRACE(std::to_string(c.taxYear) + " at " + std::to_string(c.age));
        PlanData plan = Single(c.age, 0);
        plan.IraHoldings[0] = {"Rollover", 0, 100000, 0, 0, 0, 0, 1, 0.0};
        const Projection p = Project(plan, Year(c.taxYear), {.ThroughAge = 76});
        const ProjectedYear* first = nullptr;
        for (const ProjectedYear& y : p.Years) {
            if (y.tax.MinimumIraDistribution > 0) {
                first = &y;
                break;
            }
            EXPECT_EQ(y.EndInvestments, 100000) << y.Year;
        }
        ASSERT_NE(first, nullptr);
        EXPECT_EQ(first->Year, c.firstYear);
        EXPECT_EQ(first->AgeSelf, c.firstAge);
        EXPECT_EQ(first->results.boxes.editIRA, c.minimumText);
        EXPECT_EQ(first->Sold, 0);
        EXPECT_TRUE(first->Sales.empty());
        EXPECT_EQ(first->EndRegularIra, c.endOfFirstYear);
        EXPECT_EQ(first->Surplus, 100000 - c.endOfFirstYear);
        EXPECT_EQ(first->EndInvestments, 100000);
    }
}

// Single at 66 under the 2004 law, budget 30,000, no other income. A bond
// bought for 20,000 that loses 60 % holds 8,000: selling it is a loss, the Roth
// is not taxed, so nothing is taxed and 30,000 is sold. The bond gives at most
// its 8,000 of category 0's share Round(30,000 x 20,000 / 60,000) = 10,000; the
// Roth of 40,000 in category 3 gives its share 20,000 and then, in the second
// pass, the 2,000 the bond could not.
TEST(Projection, WhatAnEmptyCategoryCannotGiveComesFromTheNext) {
    PlanData plan = Single(66, 30000);
    plan.DebtHoldings[0] = {"Shaky Bond", 20000, 20000, 0, 0, 60, "N", 0.0};
    plan.RothHoldings[0] = {"Roth", 40000, 40000, 0, 0, 0, 0, 3, 0.0};
    const Projection p = Project(plan, Year(2004), {.ThroughAge = 70});
    ASSERT_FALSE(p.Years.empty());
    const ProjectedYear& y = p.Years[0];
    EXPECT_EQ(y.Sold, 30000);
    EXPECT_EQ(y.Taxes, 0);
    EXPECT_EQ(SalesOf(y), (std::vector<SaleSeen>{{"B:Shaky Bond", 8000}, {"R:Roth", 22000}}));
    EXPECT_EQ(y.Shortfall, 0);
    EXPECT_EQ(y.EndInvestments, 18000);
    EXPECT_EQ(y.EndByCategory, (std::array<std::int64_t, 4>{0, 0, 0, 18000}));
}

// Amounts that would leave the 32-bit range end the projection before their year.
TEST(Projection, StopsBeforeAYearWhoseAmountsGrowTooLarge) {
    struct Case {
        const char* what;
        PlanData plan;
        std::size_t shown;
        std::int32_t stoppedBefore;
    };
    // A budget of 600 million doubling every year is 2,400 million in 2006.
    PlanData doubling = Single(66, 600000000);
    doubling.InflationRate = 100;
    // A Roth of 2,000 million growing 20 % is 2,400 million at the end of 2004.
    PlanData growing = Single(66, 0);
    growing.RothHoldings[0] = {"Big", 0, 2000000000, 0, 0, 20, 0, 0, 0.0};
    // Every field at a different value over the whole 32-bit range: the
    // withdrawal of year 0 is already too large (and nothing may overflow on the way).
    const PlanData varied = testing::VariedPlan();
    for (const Case& c : {Case{"budget", doubling, 2, 2006}, Case{"holding", growing, 0, 2004},
                          Case{"varied", varied, 0, 2004}}) {
        SCOPED_TRACE(c.what);
        const Projection p = Project(c.plan, Year(2004), {});
        EXPECT_EQ(p.Years.size(), c.shown);
        EXPECT_EQ(p.StoppedBefore, std::optional<std::int32_t>(c.stoppedBefore));
        EXPECT_EQ(StopText(p), "The projection stops before " + std::to_string(c.stoppedBefore) +
                                   " because the amounts grow too large.");
    }
}

TEST(Projection, YearsRunUntilTheYoungerReachesTheThroughAge) {
    struct Case {
        const char* married;
        std::int32_t self, spouse, throughAge, years;
    };
    for (const Case& c :
         {Case{"No", 66, 40, 95, 30}, Case{"Yes", 66, 64, 95, 32}, Case{"Yes", 60, 70, 95, 36},
          Case{"No", 20, 20, 110, 61}, Case{"No", 96, 60, 95, 1}, Case{"Maybe", 80, 30, 90, 11}}) {
        PlanData plan;
        plan.Married = c.married;
        plan.AgeSelf = c.self;
        plan.AgeSpouse = c.spouse;
        EXPECT_EQ(YearCount(plan, {.ThroughAge = c.throughAge}), c.years)
            << c.married << " " << c.self << "/" << c.spouse;
    }
}

// A settings file edited by hand may hold any number: it is brought into range.
TEST(Projection, SettingsOutsideTheirRangesTakeTheNearestEnd) {
    struct Case {
        std::int32_t through, earningsEnd, throughKept, earningsEndKept;
    };
    for (const Case& c : {Case{69, 49, 70, 50}, Case{111, 101, 110, 100}, Case{70, 50, 70, 50},
                          Case{110, 100, 110, 100}, Case{-2147483647 - 1, 2147483647, 70, 100}}) {
        const Settings kept = Clamped({.ThroughAge = c.through, .EarningsEndAge = c.earningsEnd});
        EXPECT_EQ(kept.ThroughAge, c.throughKept) << c.through;
        EXPECT_EQ(kept.EarningsEndAge, c.earningsEndKept) << c.earningsEnd;
    }
}

// Year 0 is the results screen: every box the same, under both laws.
TEST(Projection, YearZeroIsTheResultsScreen) {
    for (const std::int32_t taxYear : {2004, 2026}) {
        SCOPED_TRACE(taxYear);
        const PlanData plan = testing::MarriedHousehold();
        const auto ws = std::make_unique<Workspace>();
        ws->plan = plan;
        ws->taxYear = Year(taxYear);
        results::Calculate(*ws);
        const Projection p = Project(plan, Year(taxYear), {});
        ASSERT_FALSE(p.Years.empty());
        const ProjectedYear& y = p.Years[0];
        for (const ResultBoxEntry& box : kResultBoxes) {
            EXPECT_EQ(y.results.boxes.*box.Text, ws->results.boxes.*box.Text) << box.Name;
        }
        EXPECT_EQ(y.results.WithdrawalNeeded, ws->results.WithdrawalNeeded);
        EXPECT_EQ(y.tax.FederalTax, ws->tax.FederalTax);
    }
}

} // namespace
} // namespace velmora::projection

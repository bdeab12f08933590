// The four ways of selling: a household worked by hand under each, and what
// every way must agree on.

#include "ProjectionTestPlans.h"
#include "projection/WaysCompared.h"

#include <gtest/gtest.h>
#include <map>
#include <string>

namespace velmora::projection {
namespace {

using test::Single;
using test::Year;

std::map<std::string, std::int64_t> SalesByName(const ProjectedYear& year) {
    std::map<std::string, std::int64_t> sold;
    for (const Sale& sale : year.Sales) {
        sold[sale.HoldingName] = sale.Amount;
    }
    return sold;
}

// Single, 66, no income, budget 20,000, under the 2004 law: a regular IRA
// (category 0), a Roth (category 1) and a bond bought for 40,000 (category 2),
// 50,000 each, none growing. Without other income the first 9,150 of IRA
// dollars are untaxed and, with no taxable income, so is the bond's gain.
// - ranked: a third of 20,000 from each category, Round(6,666.67) = 6,667, the
//   bond giving only the 6,666 still missing;
// - taxable first: the bond alone;
// - in proportion: 20,000 x 50,000 / 150,000 = 6,666 each, the 2 left from the IRA;
// - IRA to the bracket top: the IRA up to 38,200 (taxable 29,050); 21,494 gives
//   taxable income 12,344: tax 715 + 779 = 1,494, and 20,000 left.
TEST(Ways, AWorkedHouseholdUnderEachWay) {
    PlanData plan = Single(66, 20000);
    plan.IraHoldings[0] = {"Rollover", 0, 50000, 0, 0, 0, 0, 0, 0.0};
    plan.RothHoldings[0] = {"Roth", 50000, 50000, 0, 0, 0, 0, 1, 0.0};
    plan.DebtHoldings[0] = {"Bond", 40000, 50000, 0, 2, 0, "N", 0.0};
    struct Case {
        Way way;
        std::int64_t sold, taxes;
        std::map<std::string, std::int64_t> sales;
    };
    const Case cases[] = {
        {Way::Ranked, 20000, 0, {{"Rollover", 6667}, {"Roth", 6667}, {"Bond", 6666}}},
        {Way::TaxableFirst, 20000, 0, {{"Bond", 20000}}},
        {Way::ProRata, 20000, 0, {{"Rollover", 6668}, {"Roth", 6666}, {"Bond", 6666}}},
        {Way::IraToBracket, 21494, 1494, {{"Rollover", 21494}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(WayName(c.way)));
        const Projection p = Project(plan, Year(2004), {.ThroughAge = 70, .way = c.way});
        ASSERT_FALSE(p.Years.empty());
        const ProjectedYear& y = p.Years[0];
        EXPECT_EQ(y.Sold, c.sold);
        EXPECT_EQ(y.Taxes, c.taxes);
        EXPECT_EQ(SalesByName(y), c.sales);
    }
}

// With one holding there is nothing to choose: every way gives the same line.
// A Roth is never taxed, whichever way sells it.
TEST(Ways, WhatEveryWayAgreesOn) {
    PlanData one = Single(70, 60000);
    one.SocialSecuritySelf = 1500;
    one.IraHoldings[0] = {"Rollover", 0, 400000, 0, 0, 4, 0, 1, 0.0};
    const WaysCompared compared = CompareWays(one, Year(2026), {.ThroughAge = 90});
    for (const WayLine& line : compared.Lines) {
        SCOPED_TRACE(std::string(WayName(line.way)));
        EXPECT_EQ(line.RunsOut, compared.Lines[0].RunsOut);
        EXPECT_EQ(line.Taxes, compared.Lines[0].Taxes);
        EXPECT_EQ(line.EndInvestments, compared.Lines[0].EndInvestments);
    }
    EXPECT_GT(compared.Lines[0].Taxes, 0);

    PlanData roths = Single(70, 60000);
    roths.RothHoldings[0] = {"Roth A", 100000, 300000, 0, 0, 5, 0, 0, 0.0};
    roths.RothHoldings[1] = {"Roth B", 100000, 200000, 0, 0, 3, 0, 2, 0.0};
    for (const Way way : kWays) {
        const Projection p = Project(roths, Year(2004), {.ThroughAge = 85, .way = way});
        for (const ProjectedYear& y : p.Years) {
            EXPECT_EQ(y.Taxes, 0) << WayName(way) << " " << y.Year;
        }
    }
}

// The report tool's form of the comparison and the sentence in words.
TEST(Ways, TheComparisonInWords) {
    PlanData plan = Single(66, 20000);
    plan.IraHoldings[0] = {"Rollover", 0, 50000, 0, 0, 0, 0, 0, 0.0};
    plan.RothHoldings[0] = {"Roth", 50000, 50000, 0, 0, 0, 0, 1, 0.0};
    const WaysCompared compared = CompareWays(plan, Year(2004), {.ThroughAge = 75});
    const std::string json = WaysJson(compared);
    EXPECT_EQ(json.substr(0, 84), "{\"TaxYear\": 2004, \"ThroughAge\": 75, \"EarningsEndAge\": "
                                  "70, \"PensionsIndexed\": false,\n");
    EXPECT_NE(json.find("{\"Way\": \"ira-to-bracket\", \"RunsOut\": "), std::string::npos);
    EXPECT_EQ(WaysSentence(compared).rfind("Selling in ranked order ", 0), 0u);
}

} // namespace
} // namespace velmora::projection

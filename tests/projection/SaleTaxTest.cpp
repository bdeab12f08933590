// Each year's sales taxed as what they are: households worked by hand from the
// statute, a loss carried from year to year, and a gain across the 0 % band.

#include "ProjectionTestPlans.h"
#include "projection/Projection.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace velmora::projection {
namespace {

using test::Single;
using test::Year;

// Single, 70, Social Security 24,000 a year, budget 80,000, under the 2026 law:
// 56,000 is missing. A Roth's qualified withdrawals are untaxed and a CD's
// principal is the household's own money back, so 56,000 is sold with no tax;
// from a regular IRA every dollar is ordinary income and counts in the
// provisional income: 64,119 sold, 8,119 of tax (taxable Social Security 20,400,
// taxable income 64,119 + 20,400 - 16,100 - 2,050 - 6,000 = 60,369, tax 1,240 +
// 4,536 + 2,343 = 8,119).
TEST(SaleTax, EachKindOfHoldingIsTaxedAsWhatItIs) {
    struct Case {
        const char* livingFrom;
        void (*hold)(PlanData&);
        std::int64_t sold, taxes;
    };
    const std::vector<Case> cases{
        {"Roth IRA",
         [](PlanData& p) { p.RothHoldings[0] = {"Roth", 0, 1000000, 0, 0, 0, 0, 1, 0.0}; }, 56000,
         0},
        {"CD principal",
         [](PlanData& p) { p.DebtHoldings[0] = {"Bank CD", 1000000, 1000000, 0, 0, 0, "N", 0.0}; },
         56000, 0},
        {"regular IRA",
         [](PlanData& p) { p.IraHoldings[0] = {"IRA", 0, 1000000, 0, 0, 0, 0, 1, 0.0}; }, 64119,
         8119},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.livingFrom);
        PlanData plan = Single(70, 80000);
        plan.SocialSecuritySelf = 2000;
        c.hold(plan);
        const Projection p = Project(plan, Year(2026), {.ThroughAge = 70});
        ASSERT_EQ(p.Years.size(), 1u);
        const ProjectedYear& y = p.Years[0];
        EXPECT_EQ(y.Sold, c.sold);
        EXPECT_EQ(y.Taxes, c.taxes);
        EXPECT_EQ(y.TaxOnSales, c.taxes);
        EXPECT_EQ(y.Shortfall, 0);
        EXPECT_EQ(y.Surplus, 0);
        EXPECT_EQ(y.EndInvestments, 1000000 - c.sold);
    }
}

// Single, 66, pension 24,000, budget 29,000, prices steady, under the 2004 law
// (tax on the pension alone: 24,000 - 3,100 - 6,050 = 14,850, so 715 + 1,155 =
// 1,870). A bond bought for 20,000 that loses 60 % a year: worth 8,000 at the
// end of 2004. With 3,000 of loss against the pension the tax is 1,420, so
// 5,000 + 1,420 = 6,420 is sold at a loss of 9,630 (it keeps 1,580 and a basis
// of 3,950); 6,630 is carried. In 2005 the bond is worth 632 and all of it goes,
// 3,318 more lost, 6,948 carried, 3,000 used each year: 3,948, then 948, which
// 2008 uses up (taxable 13,902: tax 1,728); from 2009 the tax is 1,870 again.
TEST(SaleTax, ALossIsCarriedIntoTheFollowingYears) {
    PlanData plan = Single(66, 29000);
    plan.PensionSelf = 2000;
    plan.DebtHoldings[0] = {"Loser", 20000, 20000, 0, 0, 60, "N", 0.0};
    const Projection p = Project(plan, Year(2004), {.ThroughAge = 71});
    struct Expected {
        std::int32_t year;
        std::int64_t sold, gains, lossCarried, taxes;
    };
    const std::vector<Expected> expected{
        {2004, 6420, -9630, 6630, 1420}, {2005, 632, -3318, 6948, 1420}, {2006, 0, 0, 3948, 1420},
        {2007, 0, 0, 948, 1420},         {2008, 0, 0, 0, 1728},          {2009, 0, 0, 0, 1870}};
    ASSERT_GE(p.Years.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const ProjectedYear& y = p.Years[i];
        const Expected& e = expected[i];
        SCOPED_TRACE(e.year);
        EXPECT_EQ(y.Year, e.year);
        EXPECT_EQ(y.Sold, e.sold);
        EXPECT_EQ(y.GainsRealized, e.gains);
        EXPECT_EQ(y.LossCarried, e.lossCarried);
        EXPECT_EQ(y.Taxes, e.taxes);
    }
    EXPECT_EQ(p.Years[0].TaxOnSales, -450);
    EXPECT_EQ(p.Years[0].Shortfall, 0);
    EXPECT_EQ(p.Years[0].EndInvestments, 1580);
    EXPECT_EQ(p.RunsOut, std::optional<std::int32_t>(2005));
}

// Single, 70, pension 24,000, budget 74,000, under the 2026 law, living from a
// fund bought for nothing: every dollar sold is gain. The deductions (16,100 +
// 2,050 + 6,000) leave 150 of room above the pension, and the 0 % rate holds up
// to 49,450 of taxable income: 50,070 sold is taxable income 49,920, of which
// 470 at 15 %, Round(70.5) = 70 of tax, and 50,000 left for the budget; one
// dollar less leaves 49,999.
TEST(SaleTax, AGainAboveTheZeroRateBandPaysFifteenPercent) {
    PlanData plan = Single(70, 74000);
    plan.PensionSelf = 2000;
    plan.EquityHoldings[0] = {"Old Fund", 0, 1000000, 0, 0, 0, 0, 0, 0, "Y", "N", 0.0};
    const Projection p = Project(plan, Year(2026), {.ThroughAge = 70});
    ASSERT_EQ(p.Years.size(), 1u);
    const ProjectedYear& y = p.Years[0];
    EXPECT_EQ(y.Sold, 50070);
    EXPECT_EQ(y.GainsRealized, 50070);
    EXPECT_EQ(y.Taxes, 70);
    EXPECT_EQ(y.TaxOnSales, 70);
}

} // namespace
} // namespace velmora::projection

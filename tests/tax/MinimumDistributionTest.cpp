// Required minimum withdrawal from the regular IRAs.

#include "tax/MinimumDistribution.h"

#include "TaxTestHousehold.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <limits>

namespace velmora {
namespace {

using testing::Household;

// The divisors of 2004, the year in force unless another is chosen.
double Divisor2004(std::int32_t age) {
    return RmdDivisorForAge(TaxYear().Law().MinimumDistribution, age);
}

Workspace WithIra(std::int32_t ageSelf, std::int64_t iraValue, std::int32_t ageSpouse = 60) {
    Workspace ws = Household("Yes", ageSelf, ageSpouse);
    ws.tax.IraTotalValue = iraValue;
    return ws;
}

TEST(MinimumDistribution, StartsAtSeventyOne) {
    Workspace at70 = WithIra(70, 100000);
    at70.tax.MinimumIraDistribution = 1234; // left from an earlier run
    ComputeMinimumIraDistribution(at70);
    EXPECT_EQ(at70.tax.MinimumIraDistribution, 0);
    EXPECT_EQ(at70.tax.RmdDivisor, 0) << "below 71 there is no divisor";

    Workspace at71 = WithIra(71, 100000);
    ComputeMinimumIraDistribution(at71);
    EXPECT_EQ(at71.tax.RmdDivisor, 26.5);
    EXPECT_EQ(at71.tax.MinimumIraDistribution, 100000 / 26.5);
    EXPECT_NEAR(at71.tax.MinimumIraDistribution, 3773.58, 0.005);
}

TEST(MinimumDistribution, DivisorsAlongTheTable) {
    struct Case {
        std::int32_t age;
        double divisor;
    };
    const Case cases[] = {{71, 26.5},
                          {72, 25.6},
                          {85, 14.8},
                          {86, 14.1},
                          {90, 11.4},
                          {100, 6.3},
                          {101, 5.9},
                          {110, 3.1},
                          {114, 2.1},
                          {115, 1.9},
                          {116, 1.9},
                          {120, 1.9},
                          {std::numeric_limits<std::int32_t>::max(), 1.9}};
    for (const Case& c : cases) {
        EXPECT_EQ(Divisor2004(c.age), c.divisor) << "age " << c.age;
        Workspace ws = WithIra(c.age, 19000);
        ComputeMinimumIraDistribution(ws);
        EXPECT_EQ(ws.tax.RmdDivisor, c.divisor) << "age " << c.age;
        EXPECT_EQ(ws.tax.MinimumIraDistribution, 19000 / c.divisor) << "age " << c.age;
    }
    EXPECT_EQ(Divisor2004(120), Divisor2004(115));
}

TEST(MinimumDistribution, NothingWithoutAPositiveIraValue) {
    for (std::int64_t value : {std::int64_t{0}, std::int64_t{-1}, std::int64_t{-5000000},
                               std::numeric_limits<std::int64_t>::min()}) {
        for (std::int32_t age : {71, 90, 120}) {
            Workspace ws = WithIra(age, value);
            ws.tax.MinimumIraDistribution = 1234;
            ComputeMinimumIraDistribution(ws);
            EXPECT_EQ(ws.tax.MinimumIraDistribution, 0) << "age " << age << " IRA value " << value;
        }
    }
}

TEST(MinimumDistribution, JudgedByTheAccountHolderAlone) {
    Workspace spouseOlder = WithIra(60, 100000, 80);
    ComputeMinimumIraDistribution(spouseOlder);
    EXPECT_EQ(spouseOlder.tax.MinimumIraDistribution, 0);

    Workspace selfOlder = WithIra(80, 100000, 60);
    ComputeMinimumIraDistribution(selfOlder);
    EXPECT_EQ(selfOlder.tax.MinimumIraDistribution, 100000 / 18.7);
}

TEST(MinimumDistribution, ExtremeAgesAndValuesStayDefined) {
    constexpr auto minAge = std::numeric_limits<std::int32_t>::min();
    constexpr auto maxAge = std::numeric_limits<std::int32_t>::max();
    constexpr auto maxValue = std::numeric_limits<std::int64_t>::max();

    Workspace young = WithIra(minAge, maxValue);
    ComputeMinimumIraDistribution(young);
    EXPECT_EQ(young.tax.MinimumIraDistribution, 0);
    EXPECT_EQ(young.tax.RmdDivisor, 0);

    Workspace old = WithIra(maxAge, maxValue);
    ComputeMinimumIraDistribution(old);
    EXPECT_EQ(old.tax.RmdDivisor, 1.9);
    EXPECT_EQ(old.tax.MinimumIraDistribution, static_cast<double>(maxValue) / 1.9);
}

} // namespace
} // namespace velmora

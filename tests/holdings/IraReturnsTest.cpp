#include "holdings/ira/IraReturns.h"

#include <gtest/gtest.h>
#include <limits>

namespace velmora {
namespace {

// Tolerance for results that are exact in decimal but not in binary floating point.
constexpr double kTolerance = 1e-12;

IraHolding Holding(std::int32_t value, std::int32_t interest, std::int32_t dividends = 0,
                   std::int32_t growth = 0, std::int32_t loss = 0) {
    IraHolding row;
    row.Name = "Fund";
    row.CurrentValue = value;
    row.InterestRate = interest;
    row.Dividends = dividends;
    row.GrowthRate = growth;
    row.ProbabilityOfLoss = loss;
    return row;
}

TEST(IraRowErr, RegularIraAddsTheSmallDeferralTerm) {
    // Y = 5 - 3 = 2, E = 500, D = 125 at 25 %, Err = 2 + 2 * 125 * 0.01 / 10000.
    EXPECT_NEAR(ira::RegularIraErr(Holding(10000, 5), 3, 25.0), 2.00025, kTolerance);
    // Dividends and growth: Y = 200 * 100 / 10000 + 0 + 4 - 1 - 3 = 2,
    // E = 0 + 200 + 400 = 600, D = 150, Err = 2 + 2 * 150 * 0.01 / 10000.
    EXPECT_NEAR(ira::RegularIraErr(Holding(10000, 0, 200, 4, 1), 3, 25.0), 2.0003, kTolerance);
}

TEST(IraRowErr, RothIraValuesInterestAtTheCombinedAndGrowthAtTheCapitalGainRate) {
    // G = 5, S = 125, Err = 5 + 125 / 10000 * 100 - 0 - 3.
    EXPECT_NEAR(ira::RothIraErr(Holding(10000, 5), 3, 25.0, 15.0), 3.25, kTolerance);
    // Growth of 10 % on 10000 at a 15 % capital-gain rate adds 150 dollars to S:
    // 10 to the gross yield and 1.5 to Err.
    EXPECT_NEAR(ira::RothIraErr(Holding(10000, 5, 0, 10), 3, 25.0, 15.0), 3.25 + 10 + 1.5,
                kTolerance);
    // Dividends of 300 count in G (3 %) and are valued at the combined rate (75 dollars).
    EXPECT_NEAR(ira::RothIraErr(Holding(10000, 0, 300, 0, 2), 3, 25.0, 15.0), 3 + 0.75 - 2 - 3,
                kTolerance);
}

TEST(IraRowErr, WithoutTaxRatesTheErrIsThePlainYield) {
    const IraHolding row = Holding(8000, 4, 400, 6, 1);
    // 400 * 100 / 8000 = 5, so Y = 5 + 4 + 6 - 1 - 3 = 11 and G = 15.
    EXPECT_DOUBLE_EQ(ira::RegularIraErr(row, 3, 0.0), 11.0);
    EXPECT_DOUBLE_EQ(ira::RothIraErr(row, 3, 0.0, 0.0), 15.0 - 1 - 3);
}

class IraCalculate : public ::testing::Test {
protected:
    Workspace ws;

    // A single filer aged 60 with 40000 of pension: taxable income
    // 40000 - 3100 - 4850 = 32050, in the 25 % bracket and above the top of the
    // 15 % bracket, so the capital-gain rate is 15.
    void TaxedAt25() {
        ws.plan.Married = "No";
        ws.results.AnnualPensions = 40000;
    }
};

TEST_F(IraCalculate, UsesTheRatesOfTheCurrentIncome) {
    TaxedAt25();
    ws.plan.IraHoldings[0] = Holding(10000, 5);
    ws.plan.IraHoldings[0].Basis = 500;
    ws.plan.RothHoldings[0] = Holding(10000, 5);
    ws.plan.RothHoldings[0].Basis = 500;
    ws.plan.RothHoldings[1] = Holding(10000, 5, 0, 10);

    ira::Calculate(ws);

    EXPECT_EQ(ws.tax.CombinedTaxRate, 25.0);
    EXPECT_EQ(ws.tax.CapitalGainTaxRate, 15.0);
    EXPECT_NEAR(ws.plan.IraHoldings[0].Err, 2.00025, kTolerance);
    EXPECT_NEAR(ws.plan.RothHoldings[0].Err, 3.25, kTolerance);
    EXPECT_NEAR(ws.plan.RothHoldings[1].Err, 14.75, kTolerance);
    EXPECT_EQ(ws.plan.IraHoldings[0].Basis, 0) << "a regular IRA has no basis";
    EXPECT_EQ(ws.plan.RothHoldings[0].Basis, 500) << "a Roth IRA keeps its basis";
}

TEST_F(IraCalculate, RowsWithoutAPositiveValueKeepTheirErrAndBasis) {
    TaxedAt25();
    ws.plan.IraHoldings[3] = Holding(0, 5);
    ws.plan.IraHoldings[3].Err = 7.5;
    ws.plan.IraHoldings[3].Basis = 500;
    ws.plan.IraHoldings[4] = Holding(-100, 5);
    ws.plan.IraHoldings[4].Err = -1.25;
    ws.plan.RothHoldings[39] = Holding(0, 5, 100);
    ws.plan.RothHoldings[39].Err = 4.0;

    ira::Calculate(ws);

    EXPECT_EQ(ws.plan.IraHoldings[3].Err, 7.5);
    EXPECT_EQ(ws.plan.IraHoldings[3].Basis, 500);
    EXPECT_EQ(ws.plan.IraHoldings[4].Err, -1.25);
    EXPECT_EQ(ws.plan.RothHoldings[39].Err, 4.0);
}

TEST_F(IraCalculate, WithoutTaxableIncomeBothRatesAreZero) {
    // No income at all: taxable income 0, so every rate is 0 even after an earlier run.
    ws.tax.CombinedTaxRate = 40;
    ws.tax.CapitalGainTaxRate = 15;
    ws.plan.IraHoldings[0] = Holding(10000, 5, 0, 10);
    ws.plan.RothHoldings[0] = Holding(10000, 5, 0, 10, 2);

    ira::Calculate(ws);

    EXPECT_EQ(ws.tax.TaxableIncome, 0.0);
    EXPECT_EQ(ws.tax.CombinedTaxRate, 0.0);
    EXPECT_EQ(ws.tax.CapitalGainTaxRate, 0.0);
    EXPECT_DOUBLE_EQ(ws.plan.IraHoldings[0].Err, 5 + 10 - 3.0);
    EXPECT_DOUBLE_EQ(ws.plan.RothHoldings[0].Err, 5 + 10 - 2 - 3.0);
}

TEST(IraTotals, SumEveryRowNamedOrNotWithoutOverflow) {
    Workspace ws;
    ws.plan.IraHoldings[0].CurrentValue = 1000;
    ws.plan.IraHoldings[39].CurrentValue = 250; // no name
    ws.plan.IraHoldings[5].CurrentValue = -50;
    for (IraHolding& row : ws.plan.RothHoldings) {
        row.CurrentValue = std::numeric_limits<std::int32_t>::max();
    }

    ira::IRAsTotalCalculate(ws);
    ira::RothTotalCalculate(ws);

    EXPECT_EQ(ws.totals.IraTotalValue, 1200);
    EXPECT_EQ(ws.totals.RothTotalValue,
              40 * std::int64_t{std::numeric_limits<std::int32_t>::max()});
}

} // namespace
} // namespace velmora

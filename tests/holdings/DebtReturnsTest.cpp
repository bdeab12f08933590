#include "holdings/debt/DebtReturns.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace velmora {
namespace {

constexpr double kTolerance = 1e-12;

// Basis 8000, value 10000, rate 5, no probability of loss.
DebtHolding Bond(const char* flag) {
    DebtHolding row;
    row.Name = "City bond";
    row.Basis = 8000;
    row.CurrentValue = 10000;
    row.InterestRate = 5;
    row.FedTaxFree = flag;
    return row;
}

TEST(DebtRowErr, WorkedExampleTaxableAndTaxFree) {
    // 5 - 1 - 0 - 3 - 0.1 = 0.9, plus the interest on the deferred tax of 400: 0.2.
    EXPECT_NEAR(debt::RowErr(Bond("N"), 3, 20, 0.5), 1.1, kTolerance);
    // Tax-free: (5 - 0 - 3) - 0.1 + 0.2.
    EXPECT_NEAR(debt::RowErr(Bond("Y"), 3, 20, 0.5), 2.1, kTolerance);
    // Any flag other than "Y" is taxable.
    EXPECT_NEAR(debt::RowErr(Bond(""), 3, 20, 0.5), 1.1, kTolerance);
    EXPECT_NEAR(debt::RowErr(Bond("y"), 3, 20, 0.5), 1.1, kTolerance);
}

TEST(DebtRowErr, ZeroRateEarnsNothingOnTheGain) {
    DebtHolding row = Bond("N");
    row.InterestRate = 0;
    EXPECT_EQ(debt::RowErr(row, 3, 20, 0.5), 0.0);
}

TEST(DebtRowErr, TaxFreeRowStillCarriesTheSocialSecurityTerm) {
    DebtHolding row = Bond("Y");
    row.Basis = row.CurrentValue; // no gain
    row.InterestRate = 4;
    row.ProbabilityOfLoss = 1;
    EXPECT_NEAR(debt::RowErr(row, 3, 20, 0.5), -0.1, kTolerance);
    EXPECT_EQ(debt::RowErr(row, 3, 0, 0), 0.0);
}

TEST(DebtRowErr, NoGainTermWithoutAPositiveValue) {
    DebtHolding row = Bond("N");
    row.CurrentValue = 0;
    row.Basis = -100; // value above basis, but nothing to divide by
    EXPECT_NEAR(debt::RowErr(row, 3, 20, 0.5), 0.9, kTolerance);
    row.CurrentValue = -50;
    EXPECT_NEAR(debt::RowErr(row, 3, 20, 0.5), 0.9, kTolerance);
    row.CurrentValue = 10000;
    row.Basis = 12000; // a loss adds nothing
    EXPECT_NEAR(debt::RowErr(row, 3, 20, 0.5), 0.9, kTolerance);
}

TEST(DebtRowErr, ExtremeValuesStayFinite) {
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    DebtHolding row = Bond("Y");
    row.CurrentValue = kMax;
    row.Basis = kMin;
    row.InterestRate = kMax;
    row.ProbabilityOfLoss = kMin;
    EXPECT_TRUE(std::isfinite(debt::RowErr(row, kMin, 35, 0.85)));
    row.FedTaxFree = "N";
    EXPECT_TRUE(std::isfinite(debt::RowErr(row, kMax, 35, 0.85)));
}

class DebtCalculate : public ::testing::Test {
protected:
    Workspace ws;
};

TEST_F(DebtCalculate, WorkedExampleAtTheRatesOfTheTaxEngine) {
    // Single, 60, pension 26000 and a little Social Security, state rate 5:
    // fraction 0.5, and with the interest of both rows the taxable income stays
    // in the 15 % bracket (combined 20).
    ws.plan.StateTaxRate = 5;
    ws.results.AnnualPensions = 26000;
    ws.results.AnnualSocialSecurity = 1000;
    ws.plan.DebtHoldings[0] = Bond("N");
    ws.plan.DebtHoldings[1] = Bond("Y");

    debt::Calculate(ws);

    EXPECT_LE(ws.tax.TaxableIncome, 29050.0);
    EXPECT_EQ(ws.tax.CombinedTaxRate, 20.0);
    EXPECT_EQ(ws.tax.SocialSecurityTaxableFraction, 0.5);
    EXPECT_NEAR(ws.plan.DebtHoldings[0].Err, 1.1, kTolerance);
    EXPECT_NEAR(ws.plan.DebtHoldings[1].Err, 2.1, kTolerance);
    EXPECT_EQ(ws.totals.TotalInterest, 1000.0);
    EXPECT_EQ(ws.totals.TaxFreeInterest, 500.0);
}

TEST_F(DebtCalculate, EachRowIsRatedWithTheInterestOfTheRowsAboveIt) {
    // Pension 36450: taxable income 28500 before interest; each row adds 1000.
    ws.plan.InflationRate = 0;
    ws.results.AnnualPensions = 36450;
    DebtHolding row = Bond("N");
    row.Basis = row.CurrentValue;
    row.InterestRate = 10;
    ws.plan.DebtHoldings[0] = row;
    ws.plan.DebtHoldings[1] = row;

    debt::Calculate(ws);

    EXPECT_NEAR(ws.plan.DebtHoldings[0].Err, 10 - 2.5, kTolerance) << "29500: 25 %";
    EXPECT_NEAR(ws.plan.DebtHoldings[1].Err, 10 - 2.5, kTolerance);
    ws.results.AnnualPensions = 34450; // 27500 then 28500: both 15 %
    debt::Calculate(ws);
    EXPECT_NEAR(ws.plan.DebtHoldings[1].Err, 10 - 1.5, kTolerance);
    ws.results.AnnualPensions = 35950; // 29000 then 30000
    debt::Calculate(ws);
    EXPECT_NEAR(ws.plan.DebtHoldings[0].Err, 10 - 1.5, kTolerance);
    EXPECT_NEAR(ws.plan.DebtHoldings[1].Err, 10 - 2.5, kTolerance);
}

TEST_F(DebtCalculate, UnnamedRowsTakeNoPart) {
    DebtHolding& unnamed = ws.plan.DebtHoldings[2];
    unnamed = Bond("Y");
    unnamed.Name.clear();
    unnamed.Err = 3.3;
    DebtHolding& zeroRate = ws.plan.DebtHoldings[5];
    zeroRate = Bond("N");
    zeroRate.InterestRate = 0;
    zeroRate.Err = 9.0;
    DebtHolding& emptyFlag = ws.plan.DebtHoldings[7];
    emptyFlag = Bond("");
    emptyFlag.CurrentValue = 1000;
    emptyFlag.Basis = 1000;

    debt::Calculate(ws);
    debt::BondTotalCalculate(ws);

    EXPECT_EQ(unnamed.Err, 3.3);
    EXPECT_EQ(zeroRate.Err, 0.0);
    EXPECT_EQ(ws.totals.TotalInterest, 50.0);
    EXPECT_EQ(ws.totals.TaxFreeInterest, 0.0) << "an empty flag is taxable";
    EXPECT_EQ(ws.totals.DebtTotalValue, 10000 + 10000 + 1000) << "unnamed rows count";
}

TEST_F(DebtCalculate, WithoutNamedRowsTheTaxEngineDoesNotRun) {
    ws.tax.FederalTax = 777;
    ws.tax.CombinedTaxRate = 33;
    ws.totals.TotalInterest = 55;
    ws.plan.DebtHoldings[0].CurrentValue = 5000;
    ws.plan.DebtHoldings[0].InterestRate = 5;

    debt::Calculate(ws);

    EXPECT_EQ(ws.totals.TotalInterest, 0.0);
    EXPECT_EQ(ws.tax.FederalTax, 777.0);
    EXPECT_EQ(ws.tax.CombinedTaxRate, 33.0);
}

TEST(DebtTotals, SumEveryRowWithoutOverflow) {
    Workspace ws;
    for (DebtHolding& row : ws.plan.DebtHoldings) {
        row.CurrentValue = std::numeric_limits<std::int32_t>::max();
    }
    debt::BondTotalCalculate(ws);
    EXPECT_EQ(ws.totals.DebtTotalValue,
              40 * std::int64_t{std::numeric_limits<std::int32_t>::max()});
}

} // namespace
} // namespace velmora

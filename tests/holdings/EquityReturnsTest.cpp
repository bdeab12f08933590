#include "holdings/equity/EquityReturns.h"

#include "holdings/HouseholdIncome.h"
#include "tax/FederalTax.h"

#include <gtest/gtest.h>
#include <limits>

namespace velmora {
namespace {

constexpr double kTolerance = 1e-12;

EquityHolding Stock(std::int32_t basis, std::int32_t value) {
    EquityHolding row;
    row.Name = "Stock";
    row.CurrentBasis = basis;
    row.CurrentValue = value;
    row.AutoReinvest = "Y";
    row.FedTaxFree = "N";
    return row;
}

// Basis 8000, value 10000, regular dividends 300, distributions 100, growth 6, loss 1.
EquityHolding WorkedExample() {
    EquityHolding row = Stock(8000, 10000);
    row.RegularDividends = 300;
    row.CapGainsDistribution = 100;
    row.PriceGrowth = 6;
    row.LossFactor = 1;
    return row;
}

// Qualifying dividends 400 free of federal tax on a value of 8000, growth 4, no gain.
EquityHolding TaxFreeExample() {
    EquityHolding row = Stock(8000, 8000);
    row.QualifyingDividends = 400;
    row.PriceGrowth = 4;
    row.FedTaxFree = "Y";
    return row;
}

TEST(EquityRowErr, TaxesDividendsAndDistributionsAndCreditsTheUnrealisedGain) {
    // R = 9, T1 = 0.6, T2 = 0.15, T3 = 3, Err = 9 - 0.6 - 0.15 + 3 - 1 - 3 - 0.1.
    EXPECT_NEAR(equity::RowErr(WorkedExample(), 3, {20, 15, 15, 0.5}), 7.15, kTolerance);
    // Free of federal tax: 5 + 4 - 3 - 25 * 0.85 * 0.01.
    EXPECT_NEAR(equity::RowErr(TaxFreeExample(), 3, {25, 15, 15, 0.85}), 5.7875, kTolerance);
}

TEST(EquityRowErr, QualifyingDividendsPayTheDividendRate) {
    EquityHolding row = Stock(10000, 10000);
    row.RegularDividends = 100;
    row.QualifyingDividends = 200;
    // R = 3; T1 = 0.25 * 1 + 0.05 * 2 = 0.35.
    EXPECT_NEAR(equity::RowErr(row, 0, {25, 5, 15, 0}), 3 - 0.35, kTolerance);
}

TEST(EquityRowErr, WithoutCombinedRateOnlyTheDistributionIsTaxed) {
    EquityHolding row = WorkedExample();
    row.QualifyingDividends = 200;
    // R = 5 + 6 = 11; no dividend tax; T2 = 0.15; T3 = 3.
    EXPECT_NEAR(equity::RowErr(row, 3, {0, 15, 15, 0.5}), 11 - 0.15 + 3 - 1 - 3, kTolerance);
}

TEST(EquityRowErr, EmptyFlagPaysNoDividendTax) {
    EquityHolding row = WorkedExample();
    row.FedTaxFree.clear();
    EXPECT_NEAR(equity::RowErr(row, 3, {20, 15, 15, 0.5}), 7.15 + 0.6, kTolerance);
}

TEST(EquityRowErr, GainCreditFollowsTheBasis) {
    EquityHolding row = Stock(12000, 10000); // basis above value: no credit
    EXPECT_DOUBLE_EQ(equity::RowErr(row, 0, {20, 15, 15, 0}), 0.0);
    row.CurrentBasis = 0; // the whole value is gain: the credit is the capital-gain rate
    EXPECT_NEAR(equity::RowErr(row, 0, {20, 15, 15, 0}), 15.0, kTolerance);
    row.CurrentBasis = std::numeric_limits<std::int32_t>::min(); // gain beyond 32 bits
    row.CurrentValue = std::numeric_limits<std::int32_t>::max();
    const double gain = 4294967295.0;
    EXPECT_NEAR(equity::RowErr(row, 0, {0, 0, 15, 0}), 15 * gain / row.CurrentValue, 1e-9);
}

class EquityCalculate : public ::testing::Test {
protected:
    Workspace ws;
};

TEST_F(EquityCalculate, SumsTheTotalsOverEveryRow) {
    EquityHolding& paid = ws.plan.EquityHoldings[0];
    paid = Stock(0, 0); // no value: counts in the totals, no Err
    paid.RegularDividends = 300;
    paid.QualifyingDividends = 200;
    paid.CapGainsDistribution = 50;
    paid.AutoReinvest = "N";
    paid.Err = 2.5;
    EquityHolding& free = ws.plan.EquityHoldings[1];
    free = Stock(0, 0);
    free.QualifyingDividends = 70;
    free.FedTaxFree = "Y";
    EquityHolding& unnamed = ws.plan.EquityHoldings[39];
    unnamed.RegularDividends = 1000; // no name, empty flags
    unnamed.CapGainsDistribution = 5;
    ws.tax.FederalTax = 1234; // left by an earlier run

    equity::Calculate(ws);

    EXPECT_EQ(ws.totals.TotalDividends, 1570.0);
    EXPECT_EQ(ws.totals.CashDividends, 500.0);
    EXPECT_EQ(ws.totals.TaxFreeDividends, 70.0);
    EXPECT_EQ(ws.totals.TotalCapGainsDistributions, 55.0);
    EXPECT_EQ(paid.Err, 2.5) << "a row without value keeps its Err";
    EXPECT_EQ(ws.tax.FederalTax, 1234.0) << "no row with a value: the tax engine does not run";

    // The totals start from 0 on every run.
    paid.RegularDividends = 0;
    equity::Calculate(ws);
    EXPECT_EQ(ws.totals.TotalDividends, 1270.0);
    EXPECT_EQ(ws.totals.CashDividends, 200.0);
}

TEST_F(EquityCalculate, WorkedExampleAtTheRatesOfTheTaxEngine) {
    // Single, 60, pension 26000 and a little Social Security, state rate 5: the
    // other income lies between 25000 and 34000, so the fraction is 0.5, and the
    // taxable income with this row stays in the 15 % bracket (combined 20). An
    // earlier tax run with a withdrawal left a taxable income above the top of
    // the 15 % bracket, so this row's capital-gain and dividend rates are 15:
    // they are chosen before the row's own tax run.
    ws.plan.StateTaxRate = 5;
    ws.results.AnnualPensions = 26000;
    ws.results.AnnualSocialSecurity = 1000;
    ws.results.WithdrawalNeeded = 30000;
    UpdateTaxIncome(ws);
    ComputeFederalTax(ws);
    ASSERT_GE(ws.tax.TaxableIncome, 29050.0);
    ws.results.WithdrawalNeeded = 0;
    ws.plan.EquityHoldings[0] = WorkedExample();

    equity::Calculate(ws);

    EXPECT_GT(ws.tax.TaxableIncome, 7150.0);
    EXPECT_LE(ws.tax.TaxableIncome, 29050.0);
    EXPECT_EQ(ws.tax.CombinedTaxRate, 20.0);
    EXPECT_EQ(ws.tax.SocialSecurityTaxableFraction, 0.5);
    EXPECT_EQ(ws.tax.CapitalGainTaxRate, 15.0);
    EXPECT_EQ(ws.tax.DividendTaxRate, 15.0);
    EXPECT_NEAR(ws.plan.EquityHoldings[0].Err, 7.15, kTolerance);
}

TEST_F(EquityCalculate, TaxFreeExampleAtTheRatesOfTheTaxEngine) {
    // Pension 40000 and a little Social Security: fraction 0.85, taxable income
    // about 33000, the 25 % bracket. The 400 of tax-free dividends stay out of it.
    ws.results.AnnualPensions = 40000;
    ws.results.AnnualSocialSecurity = 1200;
    ws.plan.EquityHoldings[0] = TaxFreeExample();

    equity::Calculate(ws);

    EXPECT_EQ(ws.tax.CombinedTaxRate, 25.0);
    EXPECT_EQ(ws.tax.SocialSecurityTaxableFraction, 0.85);
    EXPECT_NEAR(ws.plan.EquityHoldings[0].Err, 5.7875, kTolerance);
    EXPECT_EQ(ws.totals.TotalDividends, 400.0);
    EXPECT_EQ(ws.totals.TaxFreeDividends, 400.0);
}

TEST_F(EquityCalculate, EachRowIsRatedWithTheDividendsOfTheRowsAboveIt) {
    // Pension 35450: taxable income 27500 before any dividends. Each row adds
    // 1000 of regular dividends: the first row sees 28500 (15 %), the second
    // 29500 (25 %).
    ws.results.AnnualPensions = 35450;
    ws.plan.InflationRate = 0;
    EquityHolding row = Stock(10000, 10000);
    row.RegularDividends = 1000;
    ws.plan.EquityHoldings[0] = row;
    ws.plan.EquityHoldings[1] = row;

    equity::Calculate(ws);

    EXPECT_NEAR(ws.plan.EquityHoldings[0].Err, 10 - 1.5, kTolerance);
    EXPECT_NEAR(ws.plan.EquityHoldings[1].Err, 10 - 2.5, kTolerance);
    EXPECT_EQ(ws.tax.TaxableIncome, 29500.0) << "the tax values of the last rated row remain";
}

TEST(EquityTotals, SumEveryRowWithoutOverflow) {
    Workspace ws;
    for (EquityHolding& row : ws.plan.EquityHoldings) {
        row.CurrentValue = std::numeric_limits<std::int32_t>::min();
    }
    ws.plan.EquityHoldings[0].CurrentValue = 10;
    equity::EquityTotalCalculate(ws);
    EXPECT_EQ(ws.totals.EquityTotalValue,
              39 * std::int64_t{std::numeric_limits<std::int32_t>::min()} + 10);
}

} // namespace
} // namespace velmora

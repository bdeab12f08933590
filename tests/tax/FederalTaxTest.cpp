// Exemptions, deduction, taxable income, the incremental, dividend and
// capital-gain rates, and what the operations keep from run to run.

#include "tax/FederalTax.h"

#include "TaxTestHousehold.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

using testing::Household;
using testing::HouseholdWithTaxableIncome;

TEST(Allowances, ExemptionsAndDeductionByStatusAndAge) {
    struct Case {
        const char* married;
        std::int32_t ageSelf;
        std::int32_t ageSpouse;
        std::int64_t exemptions;
        std::int64_t deduction;
    };
    const Case cases[] = {
        {"No", 64, 60, 3100, 4850},   {"No", 65, 60, 3100, 6050},
        {"No", 64, 90, 3100, 4850}, // a single filer's spouse age is ignored
        {"Yes", 64, 64, 6200, 9700},  {"Yes", 65, 64, 6200, 10650},
        {"Yes", 64, 65, 6200, 10650}, {"Yes", 65, 65, 6200, 11600},
        {"Yes", 99, 70, 6200, 11600},
    };
    for (const Case& c : cases) {
        Workspace ws = Household(c.married, c.ageSelf, c.ageSpouse);
        ComputeTaxableIncome(ws);
        EXPECT_EQ(ws.tax.Exemptions, c.exemptions)
            << "Married=\"" << c.married << "\" ages " << c.ageSelf << "/" << c.ageSpouse;
        EXPECT_EQ(ws.tax.StandardDeduction, c.deduction)
            << "Married=\"" << c.married << "\" ages " << c.ageSelf << "/" << c.ageSpouse;
    }
}

TEST(TaxableIncome, SumsTheTaxableIncomeLessAllowances) {
    Workspace ws = Household("No");
    ws.tax.Income.Pensions = 10000;
    ws.tax.Income.Earnings = 2000;
    ws.tax.Income.Interest = 3000;
    ws.tax.Income.TaxFreeInterest = 500;
    ws.tax.Income.Dividends = 4000;
    ws.tax.Income.TaxFreeDividends = 700;
    ws.tax.Income.MinimumIraDistribution = 1234.5;
    ws.tax.TaxableSocialSecurity = 800; // as left by an earlier run
    ws.tax.Income.Withdrawal = 5000;
    ws.tax.Income.TaxFreeBenefits = 99999;     // not taxable
    ws.tax.Income.CapGainsDistributions = 777; // not part of it either
    ComputeTaxableIncome(ws);
    // 10000 + 2000 + 3000 - 500 + 4000 - 700 + 1234.5 + 800 - 3100 - 4850 + 5000
    EXPECT_EQ(ws.tax.TaxableIncome, 16884.5);
}

TEST(TaxableIncome, OnlyTheFullTaxRunRefreshesSocialSecurity) {
    Workspace ws = Household("No");
    ws.tax.Income.SocialSecurity = 20000;
    ws.tax.Income.Pensions = 30000;
    ComputeFederalTax(ws);
    EXPECT_EQ(ws.tax.TaxableIncome, 30000 + 9600 - 7950);

    // More benefits: the taxable income alone still uses the taxable Social
    // Security of the last run, and so does the incremental rate.
    ws.tax.Income.SocialSecurity = 2400;
    ComputeTaxableIncome(ws);
    EXPECT_EQ(ws.tax.TaxableIncome, 30000 + 9600 - 7950);
    ComputeIncrementalRate(ws);
    EXPECT_EQ(ws.tax.TaxableIncome, 30000 + 9600 - 7950);
    EXPECT_EQ(ws.tax.FederalBracketRate, 25);

    // 2400 benefits: P = 31200, Round(min(1200, 0.5 * 6200)) = 1200.
    ComputeFederalTax(ws);
    EXPECT_EQ(ws.tax.TaxableSocialSecurity, 1200);
    EXPECT_EQ(ws.tax.TaxableIncome, 30000 + 1200 - 7950);
    EXPECT_EQ(ws.tax.FederalBracketRate, 15);
}

TEST(TaxableIncome, BelowOneDollarClearsTaxAndEveryRate) {
    // Taxable income before the floor: 0.5, 0, -1, a negative sum of deductions,
    // and tax-free parts larger than their totals.
    const double shortfalls[] = {0.5, 0.0, -1.0, -7950.0, -1e15};
    for (double before : shortfalls) {
        Workspace ws = HouseholdWithTaxableIncome("No", 50000);
        ws.plan.StateTaxRate = 6;
        ComputeFederalTax(ws);
        ComputeDividendTaxRate(ws);
        ComputeCapitalGainTaxRate(ws);
        ASSERT_EQ(ws.tax.FederalTax, 9238);
        ASSERT_EQ(ws.AppliedStateTaxRate, 6);
        ASSERT_EQ(ws.tax.DividendTaxRate, 15);

        ws.tax.Income.Pensions = 0;
        ws.tax.Income.Interest = 1000;
        ws.tax.Income.TaxFreeInterest = 1000 - (before + testing::kSingleAllowances);
        ComputeFederalTax(ws);
        ComputeDividendTaxRate(ws);
        ComputeCapitalGainTaxRate(ws);
        SCOPED_TRACE(::testing::Message() << "taxable income before the floor " << before);
        EXPECT_EQ(ws.tax.TaxableIncome, 0);
        EXPECT_EQ(ws.tax.FederalTax, 0);
        EXPECT_EQ(ws.tax.FederalBracketRate, 0);
        EXPECT_EQ(ws.tax.CombinedTaxRate, 0);
        EXPECT_EQ(ws.AppliedStateTaxRate, 0);
        EXPECT_EQ(ws.tax.DividendTaxRate, 0);
        EXPECT_EQ(ws.tax.CapitalGainTaxRate, 0);
        for (double amount : ws.tax.BracketAmounts) {
            EXPECT_EQ(amount, 0);
        }
    }

    // One dollar is kept.
    Workspace ws = HouseholdWithTaxableIncome("No", 1);
    ws.plan.StateTaxRate = 6;
    ComputeFederalTax(ws);
    ComputeDividendTaxRate(ws);
    EXPECT_EQ(ws.tax.TaxableIncome, 1);
    EXPECT_EQ(ws.tax.FederalTax, 0);
    EXPECT_EQ(ws.tax.FederalBracketRate, 10);
    EXPECT_EQ(ws.tax.CombinedTaxRate, 16);
    EXPECT_EQ(ws.AppliedStateTaxRate, 6);
    EXPECT_EQ(ws.tax.DividendTaxRate, 5);
}

TEST(IncrementalRate, AddsTheStateRate) {
    Workspace ws = HouseholdWithTaxableIncome("No", 40000);
    ws.plan.StateTaxRate = 6;
    ComputeIncrementalRate(ws);
    EXPECT_EQ(ws.tax.TaxableIncome, 40000);
    EXPECT_EQ(ws.tax.FederalBracketRate, 25);
    EXPECT_EQ(ws.tax.CombinedTaxRate, 31);
    EXPECT_EQ(ws.AppliedStateTaxRate, 6);

    ws.plan.StateTaxRate = -3; // applied as it stands
    ComputeIncrementalRate(ws);
    EXPECT_EQ(ws.tax.CombinedTaxRate, 22);
    EXPECT_EQ(ws.AppliedStateTaxRate, -3);
}

TEST(IncrementalRate, ReadsTheFixedTablesNotTheWorkingCopy) {
    Workspace ws = HouseholdWithTaxableIncome("Yes", 40000);
    ws.tax.BracketTops = {1, 2, 3, 4, 5};
    ws.tax.BracketRates = {1, 2, 3, 4, 5, 6};
    ComputeIncrementalRate(ws);
    EXPECT_EQ(ws.tax.FederalBracketRate, 15);
    EXPECT_EQ(ws.tax.BracketTops[0], 1) << "the working copy is left to the full tax run";

    ComputeFederalTax(ws);
    EXPECT_EQ(ws.tax.BracketTops[0], 14300);
    EXPECT_EQ(ws.tax.BracketRates[5], 35);
    EXPECT_EQ(ws.tax.FederalTax, 1430 + 3855); // 25700 * 15% = 3855
}

TEST(IncrementalRate, SwitchingStatusSwitchesTheTables) {
    Workspace ws = HouseholdWithTaxableIncome("Yes", 50000);
    ComputeFederalTax(ws);
    EXPECT_EQ(ws.tax.FederalTax, 1430 + 5355); // 35700 * 15% = 5355
    EXPECT_EQ(ws.tax.FederalBracketRate, 15);

    ws.plan.Married = "No";
    ws.tax.Income.Pensions = 50000 + testing::kSingleAllowances;
    ComputeFederalTax(ws);
    EXPECT_EQ(ws.tax.FederalTax, 9238);
    EXPECT_EQ(ws.tax.FederalBracketRate, 25);
}

TEST(DividendAndCapitalGainRates, LowBelowTheFifteenPercentTop) {
    struct Case {
        const char* married;
        double taxable;
        double rate;
    };
    const Case cases[] = {
        {"No", 0, 0},      {"No", 1, 5},       {"No", 29049, 5},    {"No", 29049.5, 5},
        {"No", 29050, 15}, {"No", 1e7, 15},    {"Yes", 0, 0},       {"Yes", 29050, 5},
        {"Yes", 58099, 5}, {"Yes", 58100, 15}, {"Yes", 319101, 15},
    };
    for (const Case& c : cases) {
        Workspace ws = Household(c.married);
        ws.tax.DividendTaxRate = ws.tax.CapitalGainTaxRate = 99;
        ws.tax.TaxableIncome = c.taxable; // as left by the last tax run
        ComputeDividendTaxRate(ws);
        ComputeCapitalGainTaxRate(ws);
        EXPECT_EQ(ws.tax.DividendTaxRate, c.rate)
            << "Married=\"" << c.married << "\" taxable income " << c.taxable;
        EXPECT_EQ(ws.tax.CapitalGainTaxRate, c.rate)
            << "Married=\"" << c.married << "\" taxable income " << c.taxable;
        EXPECT_EQ(ws.tax.TaxableIncome, c.taxable) << "the rates do not recompute the income";
    }
}

TEST(FilingStatus, OtherTextKeepsEveryStatusDependentValue) {
    // First a married run: both 65, benefits 1000 (850 taxable), taxable income
    // 120850 (28 percent, high dividend rate).
    Workspace ws = Household("Yes", 65, 65);
    ws.tax.Income.Pensions = 120000 + 6200 + 11600;
    ws.tax.Income.SocialSecurity = 1000;
    ws.plan.StateTaxRate = 5;
    ComputeFederalTax(ws);
    ComputeDividendTaxRate(ws);
    ComputeCapitalGainTaxRate(ws);
    ASSERT_EQ(ws.tax.SocialSecurityBase1, 32000);
    ASSERT_EQ(ws.tax.TaxableIncome, 120850);
    ASSERT_EQ(ws.tax.FederalBracketRate, 28);
    ASSERT_EQ(ws.tax.DividendTaxRate, 15);

    // Then a text that is neither "Yes" nor "No", younger ages and Social Security.
    // Kept: exemptions 6200, deduction 11600, bases 32000/44000, married brackets,
    // bracket rate 28, dividend and capital-gain rates 15.
    // Social Security: P = 34000 + 10000 = 44000 -> first tier only, 6000 (single
    // bases would give 4500 + 8500 = 13000); other income 34000 -> fraction 0.5.
    // Taxable income 34000 + 6000 - 6200 - 11600 = 22200.
    // Tax on the married brackets: 1430 + 7900 * 15% = 2615 (single: 715 + 2258).
    // Fresh lookups would give a bracket rate of 15 and a dividend rate of 5 for
    // either status.
    for (const char* other : {"maybe", "yes", "No ", ""}) {
        Workspace next = ws;
        next.plan.Married = other;
        next.plan.AgeSelf = 60;
        next.plan.AgeSpouse = 60;
        next.plan.StateTaxRate = 7;
        next.tax.Income.SocialSecurity = 20000;
        next.tax.Income.Pensions = 34000;
        ComputeFederalTax(next);
        ComputeDividendTaxRate(next);
        ComputeCapitalGainTaxRate(next);

        SCOPED_TRACE(::testing::Message() << "Married=\"" << other << "\"");
        EXPECT_EQ(next.tax.Exemptions, 6200);
        EXPECT_EQ(next.tax.StandardDeduction, 11600);
        EXPECT_EQ(next.tax.SocialSecurityBase1, 32000);
        EXPECT_EQ(next.tax.SocialSecurityBase2, 44000);
        EXPECT_EQ(next.tax.TaxableSocialSecurity, 6000);
        EXPECT_EQ(next.tax.SocialSecurityTaxableFraction, 0.5);
        EXPECT_EQ(next.tax.TaxableIncome, 22200);
        EXPECT_EQ(next.tax.BracketTops, (BracketTopTable{14300, 58100, 117250, 178650, 319100}));
        EXPECT_EQ(next.tax.FederalTax, 2615);
        EXPECT_EQ(next.tax.FederalBracketRate, 28);
        EXPECT_EQ(next.tax.CombinedTaxRate, 28 + 7) << "the kept rate plus today's state rate";
        EXPECT_EQ(next.AppliedStateTaxRate, 7);
        EXPECT_EQ(next.tax.DividendTaxRate, 15);
        EXPECT_EQ(next.tax.CapitalGainTaxRate, 15);
    }
}

TEST(FilingStatus, OtherTextFromTheStartComputesNothingUndefined) {
    Workspace ws = Household("maybe", 70, 70);
    ws.tax.Income.Pensions = 50000;
    ws.tax.Income.SocialSecurity = 12000;
    ws.plan.StateTaxRate = 4;
    ComputeFederalTax(ws);
    ComputeDividendTaxRate(ws);
    // Nothing status-dependent was ever set: no allowances, no bases, empty tables.
    EXPECT_EQ(ws.tax.Exemptions, 0);
    EXPECT_EQ(ws.tax.StandardDeduction, 0);
    EXPECT_EQ(ws.tax.TaxableSocialSecurity, 10200); // 85 percent of the benefits
    EXPECT_EQ(ws.tax.TaxableIncome, 60200);
    EXPECT_EQ(ws.tax.FederalTax, 0);
    EXPECT_EQ(ws.tax.FederalBracketRate, 0);
    EXPECT_EQ(ws.tax.CombinedTaxRate, 4);
    EXPECT_EQ(ws.tax.DividendTaxRate, 0);
}

} // namespace
} // namespace velmora

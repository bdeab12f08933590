// Plan files may hold any 32-bit value in any field: the tax engine must give
// defined, finite results for all of them (the sanitizer build runs these).

#include "TaxTestHousehold.h"
#include "tax/FederalTax.h"

#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>

namespace velmora {
namespace {

using testing::Household;

constexpr auto kMin32 = std::numeric_limits<std::int32_t>::min();
constexpr auto kMax32 = std::numeric_limits<std::int32_t>::max();

void RunAll(Workspace& ws) {
    ComputeFederalTax(ws);
    ComputeDividendTaxRate(ws);
    ComputeCapitalGainTaxRate(ws);
}

void ExpectWholeAndFinite(double value, const char* name) {
    EXPECT_TRUE(std::isfinite(value)) << name << " = " << value;
    EXPECT_EQ(value, std::trunc(value)) << name << " = " << value << " is not whole";
}

TEST(ExtremeInputs, AgesAndStateRatesAtTheLimits) {
    for (const char* married : {"No", "Yes"}) {
        for (std::int32_t age : {kMin32, -1, kMax32}) {
            for (std::int32_t state : {kMin32, kMax32}) {
                Workspace ws = Household(married, age, age);
                ws.plan.StateTaxRate = state;
                ws.tax.Income.Pensions = 100000;
                RunAll(ws);
                SCOPED_TRACE(::testing::Message() << "Married=\"" << married << "\" ages " << age
                                                  << " state rate " << state);
                const bool married65 = std::string(married) == "Yes";
                const std::int64_t deduction =
                    married65 ? (age > 64 ? 11600 : 9700) : (age > 64 ? 6050 : 4850);
                EXPECT_EQ(ws.tax.StandardDeduction, deduction);
                EXPECT_EQ(ws.AppliedStateTaxRate, state);
                EXPECT_EQ(ws.tax.CombinedTaxRate,
                          ws.tax.FederalBracketRate + static_cast<double>(state));
                ExpectWholeAndFinite(ws.tax.FederalTax, "FederalTax");
            }
        }
    }
}

TEST(ExtremeInputs, HugeIncomeIsTaxedAtTheTopRate) {
    // Far beyond any plan file: every bracket is full and the rest is taxed at 35%.
    for (const char* married : {"No", "Yes"}) {
        Workspace ws = Household(married, kMax32, kMax32);
        ws.tax.Income.Earnings = std::numeric_limits<std::int64_t>::max();
        ws.tax.Income.Pensions = 1e18;
        ws.tax.Income.SocialSecurity = 1e18;
        ws.tax.Income.Interest = 1e18;
        ws.tax.Income.Dividends = 1e18;
        ws.tax.Income.Withdrawal = 1e18;
        RunAll(ws);
        SCOPED_TRACE(::testing::Message() << "Married=\"" << married << "\"");
        EXPECT_TRUE(std::isfinite(ws.tax.TaxableIncome));
        EXPECT_GT(ws.tax.TaxableIncome, 1e19);
        ExpectWholeAndFinite(ws.tax.TaxableSocialSecurity, "TaxableSocialSecurity");
        EXPECT_EQ(ws.tax.TaxableSocialSecurity, 0.85e18);
        EXPECT_EQ(ws.tax.SocialSecurityTaxableFraction, 0.85);
        ExpectWholeAndFinite(ws.tax.FederalTax, "FederalTax");
        EXPECT_NEAR(ws.tax.FederalTax / ws.tax.TaxableIncome, 0.35, 1e-9);
        EXPECT_EQ(ws.tax.FederalBracketRate, 35);
        EXPECT_EQ(ws.tax.DividendTaxRate, 15);
        EXPECT_EQ(ws.tax.CapitalGainTaxRate, 15);
    }
}

TEST(ExtremeInputs, HugeNegativeIncomeIsNoIncome) {
    Workspace ws = Household("Yes", kMin32, kMax32);
    ws.plan.StateTaxRate = kMax32;
    ws.tax.Income.Earnings = std::numeric_limits<std::int64_t>::min();
    ws.tax.Income.Pensions = -1e18;
    ws.tax.Income.TaxFreeBenefits = -1e18;
    ws.tax.Income.SocialSecurity = 5e10;
    ws.tax.Income.TaxFreeInterest = 1e18;
    ws.tax.Income.TaxFreeDividends = 1e18;
    RunAll(ws);
    EXPECT_EQ(ws.tax.TaxableSocialSecurity, 0);
    EXPECT_EQ(ws.tax.SocialSecurityTaxableFraction, 0);
    EXPECT_EQ(ws.tax.TaxableIncome, 0);
    EXPECT_EQ(ws.tax.FederalTax, 0);
    EXPECT_EQ(ws.tax.CombinedTaxRate, 0);
    EXPECT_EQ(ws.AppliedStateTaxRate, 0);
    EXPECT_EQ(ws.tax.DividendTaxRate, 0);
}

TEST(ExtremeInputs, NotANumberCountsAsNoIncome) {
    // A value that went wrong upstream must not poison the tax figures.
    Workspace ws = Household("No");
    ws.tax.Income.SocialSecurity = std::numeric_limits<double>::quiet_NaN();
    ws.tax.Income.Pensions = std::numeric_limits<double>::quiet_NaN();
    RunAll(ws);
    EXPECT_EQ(ws.tax.TaxableSocialSecurity, 0);
    EXPECT_EQ(ws.tax.TaxableIncome, 0);
    EXPECT_EQ(ws.tax.FederalTax, 0);
    EXPECT_EQ(ws.tax.FederalBracketRate, 0);
}

} // namespace
} // namespace velmora

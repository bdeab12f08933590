// Taxable part of Social Security benefits (two-tier worksheet of the tax year)
// and the share by which it grows with further investment income.

#include "TaxTestHousehold.h"
#include "tax/FederalTax.h"

#include <gtest/gtest.h>
#include <ostream>

namespace velmora {
namespace {

using testing::Household;

struct WorksheetCase {
    const char* married;
    double benefits;    // AnnualSocialSecurity
    double provisional; // wanted provisional income; the rest of it is pension
    double taxable;     // expected TaxableSocialSecurity
    const char* why;
};

std::ostream& operator<<(std::ostream& out, const WorksheetCase& c) {
    return out << "Married=\"" << c.married << "\" benefits " << c.benefits
               << " provisional income " << c.provisional << " (" << c.why << ")";
}

class Worksheet : public ::testing::TestWithParam<WorksheetCase> {};

TEST_P(Worksheet, TaxableSocialSecurity) {
    const WorksheetCase& c = GetParam();
    Workspace ws = Household(c.married);
    ws.tax.Income.SocialSecurity = c.benefits;
    ws.tax.Income.Pensions = c.provisional - 0.5 * c.benefits;
    ComputeSocialSecurityTaxable(ws);
    EXPECT_EQ(ws.tax.TaxableSocialSecurity, c.taxable)
        << c << ": expected " << c.taxable << ", computed " << ws.tax.TaxableSocialSecurity;
}

// Bases: single 25000 / 34000 (first tier at most 4500), married 32000 / 44000 (at most 6000).
INSTANTIATE_TEST_SUITE_P(
    Thresholds, Worksheet,
    ::testing::Values(WorksheetCase{"No", 20000, 25000, 0, "at base 1"},
                      WorksheetCase{"No", 20000, 25001, 0, "0.5 rounds to even 0"},
                      WorksheetCase{"No", 20000, 25002, 1, "half of 2"},
                      WorksheetCase{"No", 20000, 25003, 2, "1.5 rounds to even 2"},
                      WorksheetCase{"No", 20000, 34000, 4500, "at base 2: whole first tier"},
                      WorksheetCase{"No", 20000, 34001, 4501, "4500 + 0.85"},
                      WorksheetCase{"No", 20000, 40000, 9600, "4500 + 0.85 * 6000"},
                      WorksheetCase{"Yes", 20000, 32000, 0, "at base 1"},
                      WorksheetCase{"Yes", 20000, 32001, 0, "0.5 rounds to even 0"},
                      WorksheetCase{"Yes", 20000, 32003, 2, "1.5 rounds to even 2"},
                      WorksheetCase{"Yes", 20000, 44000, 6000, "at base 2: whole first tier"},
                      WorksheetCase{"Yes", 20000, 44001, 6001, "6000 + 0.85"},
                      WorksheetCase{"Yes", 20000, 50000, 11100, "6000 + 0.85 * 6000"}));

INSTANTIATE_TEST_SUITE_P(
    Limits, Worksheet,
    ::testing::Values(
        WorksheetCase{"No", 4000, 30000, 2000, "first tier limited to half the benefits"},
        WorksheetCase{"No", 6000, 36000, 4700, "3000 (half the benefits) + 0.85 * 2000"},
        WorksheetCase{"No", 2400, 61200, 2040, "85 percent of the benefits"},
        WorksheetCase{"Yes", 2400, 61200, 2040, "85 percent of the benefits"},
        WorksheetCase{"No", 20000, 53000, 17000, "4500 + 16150 capped at 0.85 * 20000"},
        WorksheetCase{"No", 20001, 1e9, 17001, "cap 17000.85 rounds to 17001"}));

TEST(SocialSecurityTaxable, ExampleOfSingleWithPension) {
    Workspace ws = Household("No");
    ws.tax.Income.SocialSecurity = 20000;
    ws.tax.Income.Pensions = 30000;
    ComputeSocialSecurityTaxable(ws);
    EXPECT_EQ(ws.tax.TaxableSocialSecurity, 9600);
    EXPECT_EQ(ws.tax.SocialSecurityTaxableFraction, 0.5);
    EXPECT_EQ(ws.tax.SocialSecurityBase1, 25000);
    EXPECT_EQ(ws.tax.SocialSecurityBase2, 34000);

    Workspace small = Household("No");
    small.tax.Income.SocialSecurity = 2400;
    small.tax.Income.Pensions = 60000;
    ComputeSocialSecurityTaxable(small);
    EXPECT_EQ(small.tax.TaxableSocialSecurity, 2040);
    EXPECT_EQ(small.tax.SocialSecurityTaxableFraction, 0.85);
}

TEST(SocialSecurityTaxable, ProvisionalIncomeCountsEveryIncomeButTheWithdrawal) {
    // Benefits 20000 (half counts) + 30000 of one kind of income gives 40000 -> 9600.
    struct Source {
        const char* name;
        void (*set)(Workspace&);
    };
    const Source sources[] = {
        {"tax-free benefits", [](Workspace& ws) { ws.tax.Income.TaxFreeBenefits = 30000; }},
        {"earnings", [](Workspace& ws) { ws.tax.Income.Earnings = 30000; }},
        {"pensions", [](Workspace& ws) { ws.tax.Income.Pensions = 30000; }},
        {"tax-free interest",
         [](Workspace& ws) { ws.tax.Income.Interest = ws.tax.Income.TaxFreeInterest = 30000; }},
        {"tax-free dividends",
         [](Workspace& ws) { ws.tax.Income.Dividends = ws.tax.Income.TaxFreeDividends = 30000; }},
        {"minimum IRA distribution",
         [](Workspace& ws) { ws.tax.Income.MinimumIraDistribution = 30000; }},
    };
    for (const Source& source : sources) {
        Workspace ws = Household("No");
        ws.tax.Income.SocialSecurity = 20000;
        source.set(ws);
        ComputeSocialSecurityTaxable(ws);
        EXPECT_EQ(ws.tax.TaxableSocialSecurity, 9600) << "income from " << source.name;
    }

    Workspace ws = Household("No");
    ws.tax.Income.SocialSecurity = 20000;
    ws.tax.Income.Withdrawal = 30000;
    ComputeSocialSecurityTaxable(ws);
    EXPECT_EQ(ws.tax.TaxableSocialSecurity, 0) << "a withdrawal is not provisional income";
}

struct FractionCase {
    const char* married;
    double otherIncome;
    double fraction;
};

TEST(SocialSecurityTaxable, FractionFollowsTheOtherIncome) {
    const FractionCase cases[] = {
        {"No", 24999, 0},  {"No", 25000, 0.5},  {"No", 33999, 0.5},  {"No", 34000, 0.85},
        {"Yes", 31999, 0}, {"Yes", 32000, 0.5}, {"Yes", 43999, 0.5}, {"Yes", 44000, 0.85},
    };
    for (const FractionCase& c : cases) {
        // Split the other income over its three parts.
        Workspace ws = Household(c.married);
        ws.tax.Income.SocialSecurity = 1000;
        ws.tax.Income.Earnings = 10000;
        ws.tax.Income.TaxFreeBenefits = 5000;
        ws.tax.Income.Pensions = c.otherIncome - 15000;
        ComputeSocialSecurityTaxable(ws);
        EXPECT_EQ(ws.tax.SocialSecurityTaxableFraction, c.fraction)
            << "Married=\"" << c.married << "\" other income " << c.otherIncome << ": expected "
            << c.fraction << ", computed " << ws.tax.SocialSecurityTaxableFraction;
    }

    // Investment income and the minimum distribution do not move the fraction.
    Workspace ws = Household("No");
    ws.tax.Income.SocialSecurity = 1000;
    ws.tax.Income.Interest = 50000;
    ws.tax.Income.Dividends = 50000;
    ws.tax.Income.MinimumIraDistribution = 50000;
    ComputeSocialSecurityTaxable(ws);
    EXPECT_EQ(ws.tax.SocialSecurityTaxableFraction, 0);
    EXPECT_EQ(ws.tax.TaxableSocialSecurity, 850);
}

TEST(SocialSecurityTaxable, NoBenefitsClearsAnEarlierRun) {
    for (double benefits : {0.0, -1.0, -1e12}) {
        Workspace ws = Household("No");
        ws.tax.Income.SocialSecurity = 20000;
        ws.tax.Income.Pensions = 30000;
        ComputeFederalTax(ws);
        ASSERT_EQ(ws.tax.TaxableSocialSecurity, 9600);
        ASSERT_EQ(ws.tax.SocialSecurityTaxableFraction, 0.5);

        ws.tax.Income.SocialSecurity = benefits;
        ComputeFederalTax(ws);
        EXPECT_EQ(ws.tax.TaxableSocialSecurity, 0) << "benefits " << benefits;
        EXPECT_EQ(ws.tax.SocialSecurityTaxableFraction, 0) << "benefits " << benefits;
        EXPECT_EQ(ws.tax.TaxableIncome, 30000 - testing::kSingleAllowances)
            << "benefits " << benefits;
    }
}

} // namespace
} // namespace velmora

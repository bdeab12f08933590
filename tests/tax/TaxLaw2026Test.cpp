// The tax engine under the law of 2026 (and the same households under 2004):
// worked examples, the bracket walk at every top, the dividend and capital-gain
// breakpoints and the minimum IRA withdrawal by age.

#include "TaxTestHousehold.h"
#include "tax/FederalTax.h"
#include "tax/MinimumDistribution.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <ostream>
#include <string>

namespace velmora {
namespace {

using testing::Household;

Workspace InYear(Workspace ws, std::int32_t year) {
    const std::optional<TaxYear> found = TaxYear::Find(year);
    EXPECT_TRUE(found) << year;
    if (found) {
        ws.taxYear = *found;
    }
    return ws;
}

struct Example {
    std::int32_t year;
    const char* married;
    std::int32_t ageSelf;
    std::int32_t ageSpouse;
    double socialSecurity; // AnnualSocialSecurity
    double pensions;       // AnnualPensions
    std::int64_t iras;     // IraTotalValue
    // expected
    double minimumIra;
    double taxableSocialSecurity;
    double seniorDeduction;
    double taxableIncome;
    double federalTax;
    double bracketRate;
    double dividendRate;
    const char* what;
};

std::ostream& operator<<(std::ostream& out, const Example& c) {
    return out << c.year << ", " << c.what;
}

class WorkedExample : public ::testing::TestWithParam<Example> {};

// As the results calculation runs them: the minimum withdrawal, the tax, then the rates.
TEST_P(WorkedExample, GivesTheFiguresWorkedByHand) {
    const Example& c = GetParam();
    Workspace ws = InYear(Household(c.married, c.ageSelf, c.ageSpouse), c.year);
    ws.tax.Income.SocialSecurity = c.socialSecurity;
    ws.tax.Income.Pensions = c.pensions;
    ws.tax.IraTotalValue = c.iras;
    ComputeMinimumIraDistribution(ws);
    ComputeFederalTax(ws);
    ComputeCapitalGainTaxRate(ws);
    ComputeDividendTaxRate(ws);

    SCOPED_TRACE(::testing::Message() << c);
    EXPECT_NEAR(ws.tax.MinimumIraDistribution, c.minimumIra, 0.005);
    EXPECT_EQ(ws.tax.TaxableSocialSecurity, c.taxableSocialSecurity);
    EXPECT_EQ(ws.tax.SeniorDeduction, c.seniorDeduction);
    EXPECT_NEAR(ws.tax.TaxableIncome, c.taxableIncome, 0.005);
    EXPECT_EQ(ws.tax.FederalTax, c.federalTax);
    EXPECT_EQ(ws.tax.FederalBracketRate, c.bracketRate);
    EXPECT_EQ(ws.tax.DividendTaxRate, c.dividendRate);
    EXPECT_EQ(ws.tax.CapitalGainTaxRate, c.dividendRate);
}

// Worked by hand. 2026: Rev. Proc. 2025-32 sec. 4.01 (brackets), 4.03 (0/15/20 %
// breakpoints 49,450 / 98,900), 4.14 (standard deduction 16,100 + 2,050 single,
// 32,200 + 1,650 per spouse 65 or older); 26 U.S.C. 86 (Social Security bases);
// 26 U.S.C. 151(d)(5)(C) (6,000 per senior less 6 % of MAGI above 75,000 /
// 150,000); 26 CFR 1.401(a)(9)-9(c) (divisor 24.6 at 75). 2004: the year's Tax
// Rate Schedule X, standard deduction chart (6,050) and exemption (3,100).
//  - Single 70, benefits 20,000, pension 30,000: taxable benefits
//    4,500 + 0.85 * 6,000 = 9,600; MAGI 39,600. 2026: 30,000 + 9,600 - 18,150
//    - 6,000 = 15,450, tax 1,240 + 12 % of 3,050 (366) = 1,606. 2004: 30,000 +
//    9,600 - 3,100 - 6,050 = 30,450, tax 715 + 3,285 + 25 % of 1,400 = 4,350.
//  - Married 75 and 75, benefits 40,000, pensions 60,000, IRAs 500,000: withdrawal
//    500,000 / 24.6 = 20,325.20; provisional income 100,325.20, taxable benefits
//    min(6,000 + 0.85 * 56,325.20, 0.85 * 40,000) = 34,000; MAGI 114,325.20, so
//    2 * 6,000; taxable 60,000 + 20,325.20 + 34,000 - 35,500 - 12,000 = 66,825.20;
//    tax 2,480 + Round(12 % of 42,025.20 = 5,043.02) = 7,523.
//  - Single 70, pension 125,000: share 6,000 - 6 % of 50,000 = 3,000; taxable
//    125,000 - 18,150 - 3,000 = 103,850 (22 %, phasing out: 22 * 1.06 = 23.32);
//    tax 5,800 + 22 % of 53,450 (11,759) = 17,559.
//  - Single 70, pension 175,000: share 6,000 - 6,000 = 0, no phase-out; taxable
//    156,850 (24 %); tax 17,966 + 24 % of 51,150 (12,276) = 30,242.
//  - Married 70 and 70, pensions 200,000: each share 6,000 - 3,000; taxable
//    200,000 - 35,500 - 6,000 = 158,500 (22 % * 1.12 = 24.64); tax 11,600 +
//    22 % of 57,700 (12,694) = 24,294.
//  - Married 70 and 60, pensions 200,000: one senior, 3,000; taxable 200,000 -
//    33,850 - 3,000 = 163,150 (22 * 1.06); tax 11,600 + 22 % of 62,350 (13,717).
//  - Married 70 and 70, pensions 250,000: each share 6,000 - 6,000 = 0, not 6,000
//    for the couple; taxable 250,000 - 35,500 = 214,500 (24 %); tax 35,932 + 744.
//  - Single 60 whose spouse is 80: no senior; taxable 30,000 - 16,100 = 13,900;
//    tax 1,240 + 180.
INSTANTIATE_TEST_SUITE_P(
    Households, WorkedExample,
    ::testing::Values(Example{2026, "No", 70, 60, 20000, 30000, 0, 0, 9600, 6000, 15450, 1606, 12,
                              0, "single 70, benefits and pension"},
                      Example{2004, "No", 70, 60, 20000, 30000, 0, 0, 9600, 0, 30450, 4350, 25, 15,
                              "single 70, benefits and pension"},
                      Example{2026, "Yes", 75, 75, 40000, 60000, 500000, 20325.20, 34000, 12000,
                              66825.20, 7523, 12, 0, "married 75, minimum IRA withdrawal"},
                      Example{2026, "No", 70, 60, 0, 125000, 0, 0, 0, 3000, 103850, 17559, 23.32,
                              15, "single 70, phasing out"},
                      Example{2026, "No", 70, 60, 0, 175000, 0, 0, 0, 0, 156850, 30242, 24, 15,
                              "single 70, phased out"},
                      Example{2026, "Yes", 70, 70, 0, 200000, 0, 0, 0, 6000, 158500, 24294, 24.64,
                              15, "married, two seniors phasing out"},
                      Example{2026, "Yes", 70, 60, 0, 200000, 0, 0, 0, 3000, 163150, 25317, 23.32,
                              15, "married, one senior phasing out"},
                      Example{2026, "Yes", 70, 70, 0, 250000, 0, 0, 0, 0, 214500, 36676, 24, 15,
                              "married, both shares phased out"},
                      Example{2026, "No", 60, 80, 0, 30000, 0, 0, 0, 0, 13900, 1420, 12, 0,
                              "single filer's spouse never counts"}));

TEST(SeniorDeduction, ModifiedIncomeCountsWhatTaxableIncomeLeavesOut) {
    // 26 U.S.C. 151(d)(5)(C): MAGI = pension 75,000 + interest 4,000 - tax-free
    // 4,000 + withdrawal 1,000 + capital-gain distributions 10,000 = 86,000; share
    // 6,000 - 6 % of 11,000 = 5,340. Ordinary 75,000 + 1,000 - 18,150 - 5,340 =
    // 52,510 (22 %, phasing out); tax 5,800 + 22 % of 2,110 (464.2) = 6,264.
    Workspace ws = InYear(Household("No", 66), 2026);
    ws.tax.Income.Pensions = 75000;
    ws.tax.Income.Interest = 4000;
    ws.tax.Income.TaxFreeInterest = 4000;
    ws.tax.Income.Withdrawal = 1000;
    ws.tax.Income.CapGainsDistributions = 10000;
    ws.plan.StateTaxRate = 5;
    ComputeFederalTax(ws);
    EXPECT_EQ(ws.tax.SeniorDeduction, 5340);
    // The distributions are taxable income too (62,510), taxed at 15 % above the
    // ordinary 52,510: 6,264 + 1,500.
    EXPECT_EQ(ws.tax.TaxableIncome, 62510);
    EXPECT_EQ(ws.tax.FederalTax, 7764);
    EXPECT_EQ(ws.tax.FederalBracketRate, 23.32);
    EXPECT_EQ(ws.tax.CombinedTaxRate, 28.32);

    // Neither "Yes" nor "No": no seniors, whatever the ages.
    ws.plan.Married = "maybe";
    ComputeFederalTax(ws);
    EXPECT_EQ(ws.tax.SeniorDeduction, 0);

    // 2004 has no senior deduction.
    Workspace old = InYear(Household("Yes", 70, 70), 2004);
    old.tax.Income.Pensions = 100000;
    ComputeFederalTax(old);
    EXPECT_EQ(old.tax.SeniorDeduction, 0);
    EXPECT_EQ(old.tax.FederalBracketRate, 25);
}

TEST(Return2026, WorkedCasesAsTheStatuteHasThem) {
    // Single unless said, 65 or over, no withdrawal. Provisional income, 26 U.S.C.
    // 86(b): without the tax-free benefits, with the distributions; capital gain
    // distributions and qualified dividends stacked at 0/15/20 % above the
    // ordinary income, 26 U.S.C. 1(h) (zero rate amount 49,450 / 98,900, Rev.
    // Proc. 2025-32 sec. 4.03).
    //  - pension 60,000, distributions 20,000: senior 6,000 - 6 % of 5,000 = 5,700;
    //    taxable 80,000 - 18,150 - 5,700 = 56,150; ordinary 36,150: 1,240 + 12 % of
    //    23,750 = 4,090; of the gains 13,300 at 0 %, 6,700 at 15 % = 1,005.
    //  - married 67/67, benefits 40,000, pension 50,000, qualified dividends 10,000:
    //    provisional 80,000, taxable benefits min(6,000 + 0.85 * 36,000, 34,000) =
    //    34,000; taxable 94,000 - 35,500 - 12,000 = 46,500; ordinary 36,500: 2,480 +
    //    12 % of 11,700 = 3,884; the dividends at 0 %.
    //  - benefits 24,000, pension 20,000, distributions 10,000, tax-free benefits
    //    6,000 (not income): provisional 42,000, taxable benefits 4,500 + 0.85 *
    //    8,000 = 11,300; taxable 41,300 - 18,150 - 6,000 = 17,150; ordinary 7,150
    //    at 10 % = 715, the gains at 0 %.
    //  - distributions 100,000 only: senior 6,000 - 6 % of 25,000 = 4,500; taxable
    //    77,350, all of it gains: 27,900 above 49,450 at 15 % = 4,185.
    //  - single under 65, distributions 600,000: taxable 583,900; 49,450 at 0 %,
    //    496,050 at 15 % (74,407.5, to the even 74,408), 38,400 at 20 % (7,680).
    //  - single under 65, pension 30,000, qualified dividends 2,000 of which the
    //    tax-free rows' do not count (only the taxable rows' 2,000 are set):
    //    taxable 15,900, ordinary 13,900: 1,240 + 180 = 1,420.
    struct Case {
        const char* what;
        const char* married;
        std::int32_t age;
        double socialSecurity, taxFreeBenefits, pensions, qualified, gains;
        double taxableSocialSecurity, taxableIncome, ordinaryTax, qualifiedTax, federalTax;
    };
    const Case cases[] = {
        {"pension and distributions", "No", 70, 0, 0, 60000, 0, 20000, 0, 56150, 4090, 1005, 5095},
        {"married, qualified dividends", "Yes", 67, 40000, 0, 50000, 10000, 0, 34000, 46500, 3884,
         0, 3884},
        {"benefits and distributions", "No", 70, 24000, 6000, 20000, 0, 10000, 11300, 17150, 715, 0,
         715},
        {"distributions only", "No", 70, 0, 0, 0, 0, 100000, 0, 77350, 0, 4185, 4185},
        {"distributions over the 15 % amount", "No", 60, 0, 0, 0, 0, 600000, 0, 583900, 0, 82088,
         82088},
        {"qualified dividends at 0 %", "No", 60, 0, 0, 30000, 2000, 0, 0, 15900, 1420, 0, 1420},
    };
    for (const Case& c : cases) {
        Workspace ws = InYear(Household(c.married, c.age, c.age), 2026);
        ws.tax.Income.SocialSecurity = c.socialSecurity;
        ws.tax.Income.TaxFreeBenefits = c.taxFreeBenefits;
        ws.tax.Income.Pensions = c.pensions;
        ws.tax.Income.Dividends = c.qualified;
        ws.tax.Income.QualifiedDividends = c.qualified;
        ws.tax.Income.CapGainsDistributions = c.gains;
        ComputeFederalTax(ws);
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ws.tax.TaxableSocialSecurity, c.taxableSocialSecurity);
        EXPECT_EQ(ws.tax.TaxableIncome, c.taxableIncome);
        EXPECT_EQ(ws.tax.TaxOnOrdinary, c.ordinaryTax);
        EXPECT_EQ(ws.tax.TaxOnQualified, c.qualifiedTax);
        EXPECT_EQ(ws.tax.FederalTax, c.federalTax);
    }
}

TEST(Return2026, TheSplitIsNeverMoreThanTheRegularTax) {
    // Single under 65, qualified dividends 1,000 and nothing else: taxable 0, so
    // no tax at all; then pension 16,100 + 5,000 and 5,000 qualified: the split
    // gives 10 % on the ordinary 0 and 0 % on the 5,000, against 500 regular.
    Workspace ws = InYear(Household("No"), 2026);
    ws.tax.Income.Dividends = ws.tax.Income.QualifiedDividends = 1000;
    ComputeFederalTax(ws);
    EXPECT_EQ(ws.tax.TaxableIncome, 0);
    EXPECT_EQ(ws.tax.FederalTax, 0);
    ws.tax.Income.Pensions = 16100;
    ws.tax.Income.Dividends = ws.tax.Income.QualifiedDividends = 5000;
    ComputeFederalTax(ws);
    EXPECT_EQ(ws.tax.TaxableIncome, 5000);
    EXPECT_EQ(ws.tax.RegularTax, 500);
    EXPECT_EQ(ws.tax.FederalTax, 0);
    // Negative qualified income from a damaged plan counts as none.
    ws.tax.Income.QualifiedDividends = -7000;
    ComputeFederalTax(ws);
    EXPECT_EQ(ws.tax.QualifiedIncome, 0);
    EXPECT_EQ(ws.tax.FederalTax, 500);
}

TEST(BracketWalk2026, EachTopGivesThePublishedBaseAmount) {
    // Rev. Proc. 2025-32 sec. 4.01, tables 1 (married) and 3 (single): the tax at
    // each top is the base amount of the next bracket. Each bracket's tax is
    // rounded by itself, so 192,979.25 single (134,531.25 in the 35 % bracket)
    // comes to 192,979 and 206,583.50 married (89,687.50) to the even 206,584.
    // One dollar above a top is in the next bracket; its tax rounds to 0.
    struct Case {
        const char* married;
        double taxable;
        double tax;
        double rate;
    };
    const Case cases[] = {
        {"No", 12400, 1240, 10},           {"No", 12401, 1240, 12},     {"No", 50400, 5800, 12},
        {"No", 50401, 5800, 22},           {"No", 105700, 17966, 22},   {"No", 105701, 17966, 24},
        {"No", 201775, 41024, 24},         {"No", 201776, 41024, 32},   {"No", 256225, 58448, 32},
        {"No", 256226, 58448, 35},         {"No", 640600, 192979, 35},  {"No", 640601, 192979, 37},
        {"Yes", 24800, 2480, 10},          {"Yes", 24801, 2480, 12},    {"Yes", 100800, 11600, 12},
        {"Yes", 100801, 11600, 22},        {"Yes", 211400, 35932, 22},  {"Yes", 211401, 35932, 24},
        {"Yes", 403550, 82048, 24},        {"Yes", 403551, 82048, 32},  {"Yes", 512450, 116896, 32},
        {"Yes", 512451, 116896, 35},       {"Yes", 768700, 206584, 35}, {"Yes", 768701, 206584, 37},
        {"Yes", 769700, 206584 + 370, 37},
    };
    for (const Case& c : cases) {
        // Under 65, so no senior deduction: only the standard deduction comes off.
        Workspace ws = InYear(Household(c.married), 2026);
        ws.tax.Income.Pensions = c.taxable + (std::string(c.married) == "Yes" ? 32200 : 16100);
        ComputeFederalTax(ws);
        SCOPED_TRACE(::testing::Message()
                     << "Married=\"" << c.married << "\" taxable income " << c.taxable);
        ASSERT_EQ(ws.tax.TaxableIncome, c.taxable);
        EXPECT_EQ(ws.tax.FederalTax, c.tax);
        EXPECT_EQ(ws.tax.FederalBracketRate, c.rate);
    }
}

TEST(QualifiedRates2026, ZeroFifteenTwentyWithTheLowerRateAtEachBreakpoint) {
    // Rev. Proc. 2025-32 sec. 4.03: maximum zero rate amount 49,450 single, 98,900
    // married; maximum 15 % rate amount 545,500 single, 613,700 married.
    struct Case {
        const char* married;
        double taxable;
        double rate;
    };
    const Case cases[] = {
        {"No", 0, 0},       {"No", 1, 0},        {"No", 49450, 0},    {"No", 49450.5, 15},
        {"No", 545500, 15}, {"No", 545501, 20},  {"Yes", 49451, 0},   {"Yes", 98900, 0},
        {"Yes", 98901, 15}, {"Yes", 613700, 15}, {"Yes", 613701, 20}, {"Yes", 1e9, 20},
    };
    for (const Case& c : cases) {
        Workspace ws = InYear(Household(c.married), 2026);
        ws.tax.DividendTaxRate = ws.tax.CapitalGainTaxRate = 99;
        ws.tax.TaxableIncome = c.taxable; // as left by the last tax run
        ComputeDividendTaxRate(ws);
        ComputeCapitalGainTaxRate(ws);
        SCOPED_TRACE(::testing::Message()
                     << "Married=\"" << c.married << "\" taxable income " << c.taxable);
        EXPECT_EQ(ws.tax.DividendTaxRate, c.rate);
        EXPECT_EQ(ws.tax.CapitalGainTaxRate, c.rate);
    }
}

TEST(MinimumDistributionByYear, StartAgeAndDivisors) {
    // 2026: 26 U.S.C. 401(a)(9)(C)(v) (from 73) and 26 CFR 1.401(a)(9)-9(c), the
    // Uniform Lifetime Table in force since 2022 (2.0 from 120 on). 2004: from 70 1/2
    // with the 2002 table, 26 CFR 1.401(a)(9)-9, A-2 (26.5 at 71, 1.9 from 115 on).
    struct Case {
        std::int32_t year;
        std::int32_t age;
        double divisor; // the table's, 0 before the table
        bool due;
    };
    constexpr auto maxAge = std::numeric_limits<std::int32_t>::max();
    const Case cases[] = {
        {2026, 71, 0, false},      {2026, 72, 27.4, false}, {2026, 73, 26.5, true},
        {2026, 75, 24.6, true},    {2026, 90, 12.2, true},  {2026, 100, 6.4, true},
        {2026, 119, 2.3, true},    {2026, 120, 2.0, true},  {2026, 125, 2.0, true},
        {2026, maxAge, 2.0, true}, {2004, 70, 0, false},    {2004, 71, 26.5, true},
        {2004, 73, 24.7, true},    {2004, 115, 1.9, true},  {2004, 125, 1.9, true},
    };
    for (const Case& c : cases) {
        Workspace ws = InYear(Household("No", c.age), c.year);
        ws.tax.IraTotalValue = 100000;
        ws.tax.MinimumIraDistribution = 1234; // left from an earlier run
        ComputeMinimumIraDistribution(ws);
        SCOPED_TRACE(::testing::Message() << c.year << ", age " << c.age);
        EXPECT_EQ(ws.tax.RmdDivisor, c.divisor);
        EXPECT_EQ(ws.tax.MinimumIraDistribution, c.due ? 100000 / c.divisor : 0);
    }
}

TEST(ExtremeInputs2026, HugeAndMissingIncomeStayDefined) {
    // Far beyond any plan file: every bracket is full, the rest of the ordinary
    // income taxed at 37 % and the distributions at 20 %, and every senior share
    // has phased out.
    for (const char* married : {"No", "Yes"}) {
        Workspace ws = InYear(Household(married, 90, 90), 2026);
        ws.tax.Income.Pensions = 1e18;
        ws.tax.Income.CapGainsDistributions = 1e18;
        ws.tax.IraTotalValue = std::numeric_limits<std::int64_t>::max();
        ComputeMinimumIraDistribution(ws);
        ComputeFederalTax(ws);
        ComputeDividendTaxRate(ws);
        SCOPED_TRACE(married);
        EXPECT_EQ(ws.tax.SeniorDeduction, 0);
        EXPECT_EQ(ws.tax.FederalBracketRate, 37);
        EXPECT_NEAR(ws.tax.TaxOnOrdinary / ws.tax.OrdinaryIncome, 0.37, 1e-9);
        EXPECT_NEAR(ws.tax.TaxOnQualified / 1e18, 0.20, 1e-9);
        EXPECT_EQ(ws.tax.FederalTax, ws.tax.TaxOnOrdinary + ws.tax.TaxOnQualified);
        EXPECT_EQ(ws.tax.DividendTaxRate, 20);
    }
    Workspace ws = InYear(Household("No", 70), 2026);
    ws.tax.Income.Pensions = std::numeric_limits<double>::quiet_NaN();
    ComputeFederalTax(ws);
    EXPECT_EQ(ws.tax.SeniorDeduction, 0);
    EXPECT_EQ(ws.tax.TaxableIncome, 0);
    EXPECT_EQ(ws.tax.FederalBracketRate, 0);
}

} // namespace
} // namespace velmora

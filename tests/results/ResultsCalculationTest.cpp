#include "results/ResultsCalculation.h"

#include "results/ResultBox.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <memory>

namespace velmora {
namespace {

constexpr double kTolerance = 1e-12;

class Results : public ::testing::Test {
protected:
    Workspace ws;

    // Single, 66, budget 40000, state and local rate 5, nothing else.
    void SingleAt66() {
        ws.plan.Married = "No";
        ws.plan.AgeSelf = 66;
        ws.plan.AnnualBudget = 40000;
        ws.plan.StateTaxRate = 5;
    }

    const ResultBoxTexts& Boxes() const { return ws.results.boxes; }
};

TEST_F(Results, EmptyPlanShowsZeroInEveryBox) {
    results::Calculate(ws);
    for (const ResultBoxEntry& box : kResultBoxes) {
        EXPECT_EQ(Boxes().*box.Text, "0") << box.Name;
    }
    EXPECT_EQ(ws.tax.TaxableIncome, 0.0);
    EXPECT_EQ(ws.results.WithdrawalNeeded, 0.0);
}

TEST_F(Results, BudgetMetByWithdrawalAlone) {
    SingleAt66();
    results::Calculate(ws);

    // No income: no tax before the withdrawal, so no state tax either.
    EXPECT_EQ(ws.results.IncomeShortfall, 40000.0);
    EXPECT_EQ(ws.results.StateIncomeTax, 0.0);
    EXPECT_EQ(ws.results.TaxOnIncome, 0.0);
    // 40000 - 3100 - 6050 = 30850 taxed: 715 + 3285 + 450.
    EXPECT_EQ(ws.results.TaxOnWithdrawals, 4450.0);
    EXPECT_EQ(ws.results.WithdrawalNeeded, 44450.0);
    EXPECT_EQ(Boxes().editBudget, "40000");
    EXPECT_EQ(Boxes().editContinuedEarnings, "0");
    EXPECT_EQ(Boxes().editEntitlements, "0");
    EXPECT_EQ(Boxes().editTaxOnIncome, "0");
    EXPECT_EQ(Boxes().editTaxOnWithdrawals, "4450");
    EXPECT_EQ(Boxes().editWithDrawalNeeded, "44450");
    // The IRA calculation last sees 44450 - 9150 = 35300; the dividend rate is
    // the one of the income without withdrawal.
    EXPECT_EQ(ws.tax.TaxableIncome, 35300.0);
    EXPECT_EQ(Boxes().editTaxRate, "25");
    EXPECT_EQ(Boxes().editDivTaxRate, "0");
    EXPECT_EQ(Boxes().editCGTaxRate, "15");
    EXPECT_EQ(Boxes().editStateTaxRate, "5");
}

TEST_F(Results, BudgetWithPension) {
    SingleAt66();
    ws.plan.PensionSelf = 2000;
    results::Calculate(ws);

    EXPECT_EQ(ws.results.AnnualPensions, 24000.0);
    EXPECT_EQ(ws.results.IncomeShortfall, 16000.0);
    EXPECT_EQ(ws.results.StateIncomeTax, 1200.0);
    EXPECT_EQ(ws.results.TaxOnIncome, 3070.0);       // 1870 + 0 + 1200
    EXPECT_EQ(ws.results.TaxOnWithdrawals, 3648.0);  // 5518 - 3070 + 1200
    EXPECT_EQ(ws.results.WithdrawalNeeded, 23918.0); // 16000 + 5518 + 2 x 1200
    EXPECT_EQ(Boxes().editEntitlements, "24000");
    EXPECT_EQ(Boxes().editTaxOnIncome, "3070");
    EXPECT_EQ(Boxes().editTaxOnWithdrawals, "3648");
    EXPECT_EQ(Boxes().editWithDrawalNeeded, "23918");
    EXPECT_EQ(Boxes().editTaxRate, "25");
    EXPECT_EQ(Boxes().editDivTaxRate, "5");
    EXPECT_EQ(Boxes().editCGTaxRate, "15");
    EXPECT_EQ(Boxes().editStateTaxRate, "5");
}

TEST_F(Results, IncomeAboveBudgetNeedsNoWithdrawal) {
    ws.plan.AnnualBudget = 10000;
    ws.plan.PensionSelf = 3000;
    results::Calculate(ws);
    EXPECT_EQ(ws.results.IncomeShortfall, -26000.0);
    EXPECT_EQ(ws.results.TaxOnIncome, 3850.0); // 36000 - 7950 = 28050 taxed
    EXPECT_EQ(Boxes().editWithDrawalNeeded, "0");
    EXPECT_EQ(Boxes().editTaxOnWithdrawals, "0");
    EXPECT_EQ(Boxes().editTaxOnIncome, "3850");
}

TEST_F(Results, SocialSecurityRulesChangeThePlan) {
    ws.plan.Married = "No";
    ws.plan.AgeSelf = 66;
    ws.plan.AgeSpouse = 66;
    ws.plan.SocialSecuritySelf = 1000;
    ws.plan.SocialSecuritySpouse = 500;
    ws.plan.PensionSpouse = 300;
    ws.plan.TaxFreeSpouse = 10;
    ws.plan.EarningsSpouse = 20;
    results::Calculate(ws);
    EXPECT_EQ(ws.plan.SocialSecuritySpouse, 0) << "single: no spouse Social Security";
    EXPECT_EQ(ws.results.AnnualSocialSecurity, 12000.0);
    EXPECT_EQ(ws.results.AnnualPensions, 3600.0) << "a spouse's pension still counts";
    EXPECT_EQ(ws.results.AnnualTaxFreeBenefits, 120.0);
    EXPECT_EQ(ws.results.AnnualEarnings, 240);
    EXPECT_EQ(ws.results.AnnualEntitlements, 15720.0);
    EXPECT_EQ(Boxes().editContinuedEarnings, "240");
    EXPECT_EQ(Boxes().editEntitlements, "15720");

    ws.plan.AgeSelf = 61;
    results::Calculate(ws);
    EXPECT_EQ(ws.plan.SocialSecuritySelf, 0);
    EXPECT_EQ(ws.results.AnnualSocialSecurity, 0.0);
    ws.plan.AgeSelf = 62;
    results::Calculate(ws);
    EXPECT_EQ(ws.plan.SocialSecuritySelf, 0) << "a cleared amount stays cleared";

    ws.plan.Married = "Yes";
    ws.plan.SocialSecuritySelf = 700;
    ws.plan.SocialSecuritySpouse = 400;
    ws.plan.AgeSpouse = 62;
    results::Calculate(ws);
    EXPECT_EQ(ws.results.AnnualSocialSecurity, 13200.0) << "both aged 62 count";
    ws.plan.AgeSpouse = 61;
    results::Calculate(ws);
    EXPECT_EQ(ws.plan.SocialSecuritySpouse, 0);
    EXPECT_EQ(ws.plan.SocialSecuritySelf, 700);
    EXPECT_EQ(ws.results.AnnualSocialSecurity, 8400.0);

    // A text that is neither "Yes" nor "No" is no single household either.
    ws.plan.Married = "no";
    ws.plan.AgeSpouse = 62;
    ws.plan.SocialSecuritySpouse = 400;
    results::Calculate(ws);
    EXPECT_EQ(ws.plan.SocialSecuritySpouse, 400);
    EXPECT_EQ(ws.results.AnnualSocialSecurity, 13200.0);
}

TEST_F(Results, InterestIsShownUnroundedAndSubtractedRounded) {
    DebtHolding& bond = ws.plan.DebtHoldings[0];
    bond.Name = "Bond";
    bond.Basis = 401;
    bond.CurrentValue = 401;
    bond.InterestRate = 25; // 100.25 a year
    results::Calculate(ws);
    EXPECT_EQ(Boxes().editIntAndDiv, "100.25");
    EXPECT_EQ(ws.results.IncomeShortfall, -100.0);
    EXPECT_EQ(Boxes().editTotalInvestments, "401");
}

TEST_F(Results, CashDividendsAndMinimumDistributionEnterTheIncome) {
    ws.plan.AgeSelf = 71; // divisor 26.5
    ws.plan.AnnualBudget = 50000;
    ws.plan.PensionSelf = 2000;
    ws.plan.IraHoldings[0].Name = "Ira";
    ws.plan.IraHoldings[0].CurrentValue = 100000;
    EquityHolding& paid = ws.plan.EquityHoldings[0];
    paid.Name = "Paid";
    paid.CurrentValue = 5000;
    paid.CurrentBasis = 5000;
    paid.RegularDividends = 150;
    paid.QualifyingDividends = 100;
    paid.CapGainsDistribution = 100;
    paid.AutoReinvest = "N";
    paid.FedTaxFree = "N";
    EquityHolding& kept = ws.plan.EquityHoldings[1];
    kept = paid;
    kept.Name = "Kept";
    kept.AutoReinvest = "Y";
    results::Calculate(ws);

    EXPECT_EQ(Boxes().editIRA, "3773.58490566038");
    EXPECT_EQ(Boxes().editIntAndDiv, "250") << "only dividends paid out";
    // 50000 - 24000 - Round(250) - Round(3773.58...).
    EXPECT_EQ(ws.results.IncomeShortfall, 21976.0);
    // Before the withdrawal 24000 + 500 + 3773.58 - 3100 - 6050 = 19123.58 is
    // taxed 715 + 1796, and the distributions of 200 pay 5 %: 10.
    EXPECT_EQ(Boxes().editTaxOnIncome, "2521");
    EXPECT_EQ(Boxes().editTotalInvestments, "110000");
}

TEST_F(Results, FinalErrsUseTheRatesWithTheWithdrawal) {
    SingleAt66();
    ws.plan.PensionSelf = 2000;
    IraHolding ira;
    ira.Name = "Regular";
    ira.CurrentValue = 10000;
    ira.InterestRate = 5;
    ira.RiskCategory = 0;
    ws.plan.IraHoldings[0] = ira;
    ira.Name = "Roth";
    ws.plan.RothHoldings[0] = ira;
    results::Calculate(ws);

    // Combined rate 25 + 5 after the withdrawal: 2 + 2 * 150 * 0.01 / 10000 and
    // 5 + 150 / 10000 * 100 - 3.
    EXPECT_NEAR(ws.plan.IraHoldings[0].Err, 2.0003, kTolerance);
    EXPECT_NEAR(ws.plan.RothHoldings[0].Err, 3.5, kTolerance);
    ASSERT_EQ(ws.ranking.CategoryCount[0], 2);
    EXPECT_EQ(ws.ranking.RankedHoldings[0][0].Name, "I:Regular");
    EXPECT_EQ(ws.ranking.RankedHoldings[0][1].Name, "R:Roth");
    EXPECT_EQ(Boxes().editTotalZero, "20000");
    EXPECT_EQ(Boxes().editPerCent0, "100");
    EXPECT_EQ(Boxes().editTotalInvestments, "20000");
}

TEST_F(Results, PercentagesFallToZeroWhenTheHoldingsAreGone) {
    ws.plan.DebtHoldings[0].Name = "Bond";
    ws.plan.DebtHoldings[0].CurrentValue = 300;
    ws.plan.DebtHoldings[0].RiskCategory = 1;
    ws.plan.EquityHoldings[0].Name = "Stock";
    ws.plan.EquityHoldings[0].CurrentValue = 100;
    ws.plan.EquityHoldings[0].RiskCategory = 3;
    results::Calculate(ws);
    EXPECT_EQ(Boxes().editPerCent1, "75");
    EXPECT_EQ(Boxes().editPerCent3, "25");

    ws.plan.DebtHoldings[0] = DebtHolding{};
    ws.plan.EquityHoldings[0] = EquityHolding{};
    results::Calculate(ws);
    EXPECT_EQ(Boxes().editPerCent1, "0");
    EXPECT_EQ(Boxes().editPerCent3, "0");
    EXPECT_EQ(Boxes().editTotalLow, "0");
    EXPECT_EQ(ws.ranking.CategoryCount[1], 0);
}

// Every field at the ends of the 32-bit range: the calculation must stay defined.
void FillExtreme(PlanData& plan, std::int32_t money, std::int32_t rate, std::int32_t category) {
    plan.AgeSelf = money;
    plan.AgeSpouse = money;
    plan.AnnualBudget = money;
    plan.InflationRate = rate;
    plan.EarningsSelf = plan.EarningsSpouse = money;
    plan.SocialSecuritySelf = plan.SocialSecuritySpouse = money;
    plan.PensionSelf = plan.PensionSpouse = money;
    plan.TaxFreeSelf = plan.TaxFreeSpouse = money;
    plan.StateTaxRate = rate;
    for (IraTable* table : {&plan.IraHoldings, &plan.RothHoldings}) {
        for (IraHolding& row : *table) {
            row =
                IraHolding{"Extreme IRA 123", money, money, rate, money, rate, rate, category, 0.0};
        }
    }
    for (DebtHolding& row : plan.DebtHoldings) {
        row = DebtHolding{"Extreme bond 12", ~money, money, rate, category, rate, "Y", 0.0};
    }
    for (EquityHolding& row : plan.EquityHoldings) {
        row = EquityHolding{"Extreme stock 1", ~money, money, money, money, money, rate,
                            category,          rate,   "N",   "N",   0.0};
    }
}

TEST_F(Results, Under2026TheStateTaxAndTheWithdrawalFollowTheReturn) {
    // 2026 (Rev. Proc. 2025-32; 26 U.S.C. 86(b), 1(h), 151(d)(5)(C)).
    //  - married 67/67, benefits 24,000, pension 30,000, budget 60,000, state 5 %:
    //    no federal taxable income (35,500 + 12,000 of deductions), yet the state
    //    taxes the pension: 1,500, and the rate stays 5. Shortfall 6,000, withdrawal
    //    6,000 + 1,500 + 1,500 = 9,000; with it provisional income 51,000, taxable
    //    benefits 6,000 + 0.85 * 7,000 = 11,950, taxable 50,950 - 47,500 = 3,450,
    //    tax 345; withdrawal 9,345.
    //  - single 70, benefits 24,000, budget 60,000 met from the IRA: the withdrawal
    //    36,000 counts in provisional income (48,000): taxable benefits 4,500 + 0.85 *
    //    14,000 = 16,400; taxable 52,400 - 18,150 - 6,000 = 28,250, tax 1,240 + 12 %
    //    of 15,850 = 3,142; withdrawal 39,142.
    //  - single 70, pension 60,000, one fund paying distributions of 20,000 (kept
    //    invested), no budget: tax 5,095 with the gains inside it, and no second
    //    tax on them; no withdrawal.
    struct Case {
        const char* what;
        PlanData plan;
        const char* taxOnIncome;
        const char* withdrawal;
        const char* stateRate;
    };
    PlanData married;
    married.Married = "Yes";
    married.AgeSelf = married.AgeSpouse = 67;
    married.SocialSecuritySelf = 2000;
    married.PensionSelf = 2500;
    married.AnnualBudget = 60000;
    married.StateTaxRate = 5;
    PlanData single;
    single.AgeSelf = 70;
    single.SocialSecuritySelf = 2000;
    single.AnnualBudget = 60000;
    PlanData gains;
    gains.AgeSelf = 70;
    gains.PensionSelf = 5000;
    gains.EquityHoldings[0] = {"Fund", 100000, 100000, 0, 0, 20000, 0, 2, 0, "Y", "N", 0.0};
    const Case cases[] = {
        {"state tax without federal taxable income", married, "1500", "9345", "5"},
        {"withdrawal in provisional income", single, "0", "39142", "0"},
        {"distributions taxed once", gains, "5095", "0", "0"},
    };
    for (const Case& c : cases) {
        Workspace one;
        one.taxYear = *TaxYear::Find(2026);
        one.plan = c.plan;
        results::Calculate(one);
        SCOPED_TRACE(c.what);
        EXPECT_EQ(one.results.boxes.editTaxOnIncome, c.taxOnIncome);
        EXPECT_EQ(one.results.boxes.editWithDrawalNeeded, c.withdrawal);
        EXPECT_EQ(one.results.boxes.editStateTaxRate, c.stateRate);
    }
}

TEST(ResultsExtremes, EveryCombinationOfExtremeValuesStaysDefined) {
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    for (const char* married : {"No", "Yes", "?"}) {
        for (std::int32_t money : {kMax, kMin, 1}) {
            for (std::int32_t rate : {kMax, kMin, 0}) {
                const auto ws = std::make_unique<Workspace>();
                FillExtreme(ws->plan, money, rate, money == 1 ? 2 : 0);
                ws->plan.Married = married;
                results::Calculate(*ws);
                results::Calculate(*ws); // again, on the values of the first run
                SCOPED_TRACE(testing::Message() << married << " " << money << " " << rate);
                EXPECT_TRUE(std::isfinite(ws->results.WithdrawalNeeded));
                EXPECT_TRUE(std::isfinite(ws->results.TaxOnIncome));
                EXPECT_GE(ws->results.WithdrawalNeeded, 0.0);
                for (const ResultBoxEntry& box : kResultBoxes) {
                    const std::string& text = ws->results.boxes.*box.Text;
                    EXPECT_FALSE(text.empty()) << box.Name;
                    EXPECT_EQ(text.find("nan"), std::string::npos) << box.Name;
                    EXPECT_EQ(text.find("inf"), std::string::npos) << box.Name;
                }
                const int k = money == 1 ? 2 : 0;
                EXPECT_EQ(ws->ranking.CategoryCount[k], 160);
                EXPECT_EQ(ws->ranking.CategoryTotal[k], 160 * std::int64_t{money});
                EXPECT_EQ(ws->results.TotalInvestments, 160 * std::int64_t{money});
                for (int slot = 1; slot < 160; ++slot) {
                    EXPECT_LE(ws->ranking.RankedHoldings[k][slot - 1].Err,
                              ws->ranking.RankedHoldings[k][slot].Err);
                }
            }
        }
    }
}

} // namespace
} // namespace velmora

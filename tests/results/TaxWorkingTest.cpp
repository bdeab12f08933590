// How the tax was worked out: every total is the sum of the lines counted
// above it, on the test plans under both laws, and the estimate's lines lead
// to the results screen's boxes.

#include "results/TaxWorking.h"

#include "PlanSamples.h"
#include "Workspace.h"
#include "plan/PlanFile.h"
#include "results/ResultsCalculation.h"

#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace velmora {
namespace {

const TaxWorkingLine* Find(const std::vector<TaxWorkingLine>& lines, const std::string& label,
                           int skip = 0) {
    for (const TaxWorkingLine& line : lines) {
        if (line.Label == label && skip-- == 0) {
            return &line;
        }
    }
    return nullptr;
}

// Each total against the lines counted since the last heading or total, in one
// column; a column without a figure counts nothing.
void ExpectTotalsAddUp(const std::vector<TaxWorkingLine>& lines,
                       std::string TaxWorkingLine::*column, const std::string& where) {
    double sum = 0;
    double size = 0; // the sum of the figures' sizes, for the rounding of a long sum
    int totals = 0;
    for (const TaxWorkingLine& line : lines) {
        const std::string& text = line.*column;
        if (line.Heading) {
            sum = size = 0;
            continue;
        }
        if (text.empty()) {
            continue;
        }
        const double value = std::strtod(text.c_str(), nullptr);
        switch (line.Sum) {
        case TaxWorkingSum::Added:
            sum += value;
            size += std::abs(value);
            break;
        case TaxWorkingSum::Taken:
            sum -= value;
            size += std::abs(value);
            break;
        case TaxWorkingSum::Total:
            ++totals;
            EXPECT_NEAR(value, sum, 1e-9 * size + 1e-6) << where << ": " << line.Label;
            sum = size = 0;
            break;
        case TaxWorkingSum::Shown:
            break;
        }
    }
    EXPECT_GE(totals, 3) << where;
}

TEST(TaxWorking, EveryTotalIsTheSumOfTheLinesAboveItOnTheTestPlansUnderBothLaws) {
    std::vector<std::pair<std::string, PlanData>> plans{
        {"married household", testing::MarriedHousehold()},
        {"full plan", testing::FullPlan()},
        {"varied values", testing::VariedPlan()},
        {"empty plan", PlanData{}}};
    PlanData needy = testing::MarriedHousehold();
    needy.AnnualBudget = 150000; // a withdrawal is needed
    plans.push_back({"household that withdraws", needy});
    for (const auto& [name, plan] : plans) {
        for (const int year : {2004, 2026}) {
            Workspace ws;
            ws.plan = plan;
            ws.taxYear = *TaxYear::Find(year);
            results::Calculate(ws);
            const std::vector<TaxWorkingLine> lines = TaxWorkingLines(ws);
            const std::string where = name + " under " + std::to_string(year);
            ExpectTotalsAddUp(lines, &TaxWorkingLine::WithoutWithdrawal, where + ", without");
            ExpectTotalsAddUp(lines, &TaxWorkingLine::WithWithdrawal, where + ", with");
        }
    }
}

// The household of the results calculation's worked example: single, 66, a
// budget of 40,000, a pension of 2,000 a month, state rate 5 %, under 2004.
// Tax on income 1,870 + 1,200 = 3,070; withdrawal before its tax 16,000 +
// 3,070 + 1,200 = 20,270; federal tax with it 5,518; tax on the withdrawal
// 5,518 - 3,070 + 1,200 = 3,648; withdrawal needed 23,918.
TEST(TaxWorking, TheEstimateLeadsToTheScreensBoxesLineByLine) {
    Workspace ws;
    ws.plan.Married = "No";
    ws.plan.AgeSelf = 66;
    ws.plan.AnnualBudget = 40000;
    ws.plan.StateTaxRate = 5;
    ws.plan.PensionSelf = 2000;
    results::Calculate(ws);
    const std::vector<TaxWorkingLine> lines = TaxWorkingLines(ws);
    auto both = [&lines](const std::string& label, int skip = 0) {
        const TaxWorkingLine* line = Find(lines, label, skip);
        return line == nullptr ? "<no line " + label + ">"
                               : line->WithoutWithdrawal + " / " + line->WithWithdrawal;
    };
    EXPECT_EQ(both("Withdrawal before its own tax"), "0 / 20270");
    EXPECT_EQ(both("Federal income tax"), "1870 / 5518");
    EXPECT_EQ(both("State and local tax, in whole dollars"), "1200 / 1200");
    EXPECT_EQ(both("Tax on income"), "3070 / 6718");
    EXPECT_EQ(both("Budget less the income received"), " / 16000");
    EXPECT_EQ(both("Tax on income without the withdrawal"), " / 3070");
    EXPECT_EQ(both("State and local tax, counted again by the estimate"), " / 1200");
    EXPECT_EQ(both("Withdrawal before its own tax", 1), " / 20270");
    EXPECT_EQ(both("Tax on the withdrawal"), " / 3648");
    EXPECT_EQ(both("Withdrawal needed"), " / 23918");
    EXPECT_EQ(ws.results.boxes.editTaxOnIncome, "3070");
    EXPECT_EQ(ws.results.boxes.editTaxOnWithdrawals, "3648");
    EXPECT_EQ(ws.results.boxes.editWithDrawalNeeded, "23918");
    EXPECT_NE(TaxWorkingNote().find("Withdrawal Needed"), std::string::npos);
}

// Under 2004 the capital gain distributions are taxed apart: the adjusted
// gross income shows them, and they come off again before the taxable income,
// which stays the tax's own.
TEST(TaxWorking, The2004AdjustedGrossIncomeHoldsTheCapitalGainDistributions) {
    Workspace ws;
    ws.plan.Married = "No";
    ws.plan.AgeSelf = 66;
    ws.plan.AnnualBudget = 10000;
    ws.plan.PensionSelf = 3000; // 36,000 a year
    // A fund paying 1,000 of capital gain distributions.
    ws.plan.EquityHoldings[0] = {"Fund", 10000, 10000, 0, 0, 1000, 0, 0, 0, "N", "N", 0.0};
    results::Calculate(ws);
    ASSERT_EQ(ws.totals.TotalCapGainsDistributions, 1000.0);
    const std::vector<TaxWorkingLine> lines = TaxWorkingLines(ws);
    const TaxWorkingLine* agi = Find(lines, "Adjusted gross income");
    ASSERT_NE(agi, nullptr);
    EXPECT_EQ(agi->WithoutWithdrawal, "37000");
    const TaxWorkingLine* apart = Find(lines, "less capital gain distributions, taxed apart");
    ASSERT_NE(apart, nullptr);
    EXPECT_EQ(apart->WithoutWithdrawal, "1000");
    // 36,000 - 3,100 - 6,050 = 26,850, without the distributions.
    EXPECT_EQ(Find(lines, "Taxable income")->WithoutWithdrawal, "26850");
}

} // namespace
} // namespace velmora

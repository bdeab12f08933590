// velmora-report run on plan files written line by line in the plan file format.

#include "JsonReader.h"
#include "Workspace.h"
#include "results/ResultsCalculation.h"
#include "results/ResultsJson.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <limits>
#include <memory>
#include <sstream>
#include <string>
#include <sys/wait.h>

#ifdef VELMORA_REPORT_EXE

namespace velmora {
namespace {

using testing::JsonValue;
using testing::ParseJson;

// The 1376 lines of a plan, each ended by CR LF, in the file's order.
std::string PlanLines(const PlanData& plan) {
    std::ostringstream out;
    auto line = [&out](const auto& value) { out << value << "\r\n"; };
    line(plan.Married);
    for (std::int32_t value :
         {plan.AgeSelf, plan.AgeSpouse, plan.AnnualBudget, plan.InflationRate, plan.ReservedValue1,
          plan.ReservedValue2, plan.EarningsSelf, plan.EarningsSpouse, plan.SocialSecuritySelf,
          plan.SocialSecuritySpouse, plan.PensionSelf, plan.PensionSpouse, plan.TaxFreeSelf,
          plan.TaxFreeSpouse, plan.StateTaxRate}) {
        line(value);
    }
    for (const IraTable* table : {&plan.IraHoldings, &plan.RothHoldings}) {
        for (const IraHolding& row : *table) {
            line(row.Name);
            for (std::int32_t value : {row.Basis, row.CurrentValue, row.InterestRate, row.Dividends,
                                       row.GrowthRate, row.ProbabilityOfLoss, row.RiskCategory}) {
                line(value);
            }
        }
    }
    for (const DebtHolding& row : plan.DebtHoldings) {
        line(row.Name);
        line(row.Basis);
        line(row.CurrentValue);
        line(row.InterestRate);
        line(row.FedTaxFree);
        line(row.RiskCategory);
        line(row.ProbabilityOfLoss);
    }
    for (const EquityHolding& row : plan.EquityHoldings) {
        line(row.Name);
        for (std::int32_t value :
             {row.CurrentBasis, row.CurrentValue, row.RegularDividends, row.QualifyingDividends,
              row.CapGainsDistribution, row.PriceGrowth}) {
            line(value);
        }
        line(row.AutoReinvest);
        line(row.FedTaxFree);
        line(row.RiskCategory);
        line(row.LossFactor);
    }
    return out.str();
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct ReportRun {
    int status = -1;
    std::string out;
    std::string err;
};

class Report : public ::testing::Test {
protected:
    std::filesystem::path dir;

    void SetUp() override {
        std::string pattern = ::testing::TempDir() + "velmora-report-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    std::filesystem::path Write(const PlanData& plan, const std::string& name = "UserData.dta") {
        const std::filesystem::path path = dir / name;
        std::ofstream(path, std::ios::binary) << PlanLines(plan);
        return path;
    }

    // Runs the report in the test's folder with the given arguments.
    ReportRun RunReport(const std::string& arguments) {
        const std::string command = "cd '" + dir.string() + "' && '" VELMORA_REPORT_EXE "' " +
                                    arguments + " > out.txt 2> err.txt";
        const int raw = std::system(command.c_str());
        ReportRun run;
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        run.out = ReadFile(dir / "out.txt");
        run.err = ReadFile(dir / "err.txt");
        std::filesystem::remove(dir / "out.txt");
        std::filesystem::remove(dir / "err.txt");
        return run;
    }

    // The JSON that the calculation gives in this process for the same plan.
    static std::string Expected(const PlanData& plan) {
        const auto ws = std::make_unique<Workspace>();
        ws->plan = plan;
        results::Calculate(*ws);
        return results::ResultsJson(*ws);
    }
};

// Single, 66, budget 40000, state and local rate 5.
PlanData Household() {
    PlanData plan;
    plan.AgeSelf = 66;
    plan.AnnualBudget = 40000;
    plan.StateTaxRate = 5;
    return plan;
}

TEST_F(Report, JsonOfTheDefaultPlanFile) {
    Write(Household());
    const ReportRun run = RunReport("--json");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const std::optional<JsonValue> json = ParseJson(run.out);
    ASSERT_TRUE(json) << run.out;
    const JsonValue& boxes = (*json)["boxes"];
    EXPECT_EQ(boxes.keys.size(), 21u);
    EXPECT_EQ(boxes["editWithDrawalNeeded"].text, "44450");
    EXPECT_EQ(boxes["editTaxOnWithdrawals"].text, "4450");
    EXPECT_EQ(boxes["editTaxRate"].text, "25");
    EXPECT_EQ(boxes["editDivTaxRate"].text, "0");
    EXPECT_EQ(boxes["editCGTaxRate"].text, "15");
    EXPECT_EQ(boxes["editStateTaxRate"].text, "5");
    EXPECT_EQ(boxes["editPerCent0"].text, "0");
    const JsonValue& categories = (*json)["categories"];
    ASSERT_EQ(categories.items.size(), 4u);
    for (const JsonValue& category : categories.items) {
        EXPECT_EQ(category.kind, JsonValue::Kind::Array);
        EXPECT_TRUE(category.items.empty());
    }
    EXPECT_EQ((*json)["values"]["WithdrawalNeeded"].text, "44450");
    EXPECT_EQ((*json)["values"]["TaxOnWithdrawals"].number, 4450.0);
    EXPECT_EQ((*json)["values"]["AppliedStateTaxRate"].text, "5");
    EXPECT_EQ((*json)["values"]["SeniorDeduction"].text, "0");
    EXPECT_EQ((*json)["TaxYear"].text, "2004");
}

TEST_F(Report, TaxYearChoosesTheLaw) {
    // 2026 (Rev. Proc. 2025-32; 26 U.S.C. 151(d)(5)(C)): no income but the
    // withdrawal, so the first tax run taxes nothing and the withdrawal is 40000.
    // Second run: 40000 - 16100 - 2050 - 6000 (senior, MAGI 40000) = 15850,
    // tax 1240 + 12 % of 3450 (414) = 1654; withdrawal needed 41654. The IRA
    // calculation then sees 41654 - 24150 = 17504: 12 %, capital gains 0 %.
    Write(Household());
    const ReportRun run = RunReport("--tax-year 2026 --json");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const std::optional<JsonValue> json = ParseJson(run.out);
    ASSERT_TRUE(json) << run.out;
    EXPECT_EQ((*json)["TaxYear"].text, "2026");
    const JsonValue& boxes = (*json)["boxes"];
    EXPECT_EQ(boxes["editWithDrawalNeeded"].text, "41654");
    EXPECT_EQ(boxes["editTaxOnWithdrawals"].text, "1654");
    EXPECT_EQ(boxes["editTaxRate"].text, "12");
    EXPECT_EQ(boxes["editCGTaxRate"].text, "0");
    EXPECT_EQ((*json)["values"]["SeniorDeduction"].text, "6000");

    const ReportRun page = RunReport("UserData.dta --tax-year 2026");
    ASSERT_EQ(page.status, 0) << page.err;
    EXPECT_EQ(page.out.substr(0, page.out.find("ERR")),
              "Calculation\nUses tax year 2026 Income Tax Rules and Rates\n");
}

TEST_F(Report, The2004ReportOfTheTestHouseholdIsAsItWas) {
    // The report of the fixture household as the program has always given it
    // under 2004; the text page has the tax's working after it.
    const std::filesystem::path data = VELMORA_TEST_DATA_DIR;
    std::filesystem::copy_file(data / "plan/married-household.dta", dir / "UserData.dta");
    for (const char* format : {"json", "csv", "txt"}) {
        const std::string option = std::string(format) == "txt" ? "" : std::string("--") + format;
        const ReportRun run = RunReport(option);
        ASSERT_EQ(run.status, 0) << run.err;
        const std::string expected =
            ReadFile(data / (std::string("report/married-household-2004.") + format));
        ASSERT_FALSE(expected.empty());
        EXPECT_EQ(run.out.substr(0, expected.size()), expected) << format;
        if (std::string(format) == "txt") {
            EXPECT_EQ(run.out.substr(expected.size(), 28), "\nHOW THE TAX WAS WORKED OUT\n");
        } else {
            EXPECT_EQ(run.out.size(), expected.size()) << format;
        }
    }
}

TEST_F(Report, HouseholdWithHoldingsMatchesTheCalculation) {
    PlanData plan = Household();
    plan.PensionSelf = 2000;
    plan.SocialSecuritySpouse = 800; // single: cleared by the calculation, not in the file
    plan.DebtHoldings[0] = {"City bond", 8000, 10000, 5, 1, 0, "N", 0.0};
    plan.DebtHoldings[1] = {"Treasury", 5000, 5000, 4, 0, 0, "Y", 0.0};
    plan.EquityHoldings[2] = {"Caf\xE9 \"Fund\"", 8000, 10000, 300, 0, 100, 6, 2, 1, "N", "N", 0.0};
    plan.IraHoldings[0] = {"Rollover", 500, 20000, 5, 0, 2, 0, 3, 0.0};
    plan.RothHoldings[5] = {"Roth", 0, 7000, 0, 100, 8, 1, 3, 0.0};
    plan.DebtHoldings[39] = {"", 0, 999, 9, 2, 0, "N", 0.0}; // no name: not ranked
    const std::filesystem::path path = Write(plan, "plan one.dta");
    const std::string before = ReadFile(path);

    const ReportRun run = RunReport("--json 'plan one.dta'");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, Expected(plan));
    EXPECT_EQ(ReadFile(path), before) << "the report never writes the plan file";
    EXPECT_FALSE(std::filesystem::exists(dir / "UserData.dta"));
    EXPECT_FALSE(std::filesystem::exists(dir / "UserData.bak"));

    const std::optional<JsonValue> json = ParseJson(run.out);
    ASSERT_TRUE(json);
    const JsonValue& categories = (*json)["categories"];
    ASSERT_EQ(categories[1].items.size(), 1u);
    EXPECT_EQ(categories[1][0]["name"].text, "B: City bond");
    EXPECT_EQ(categories[1][0]["value"].text, "10000");
    ASSERT_EQ(categories[2].items.size(), 1u);
    EXPECT_EQ(categories[2][0]["name"].text, "S:Caf\xC3\xA9 \"Fund\"");
    EXPECT_EQ(categories[3].items.size(), 2u);
    EXPECT_EQ((*json)["boxes"]["editTotalInvestments"].text, "52999");
    EXPECT_EQ((*json)["values"]["TotalInvestments"].text, "52999");
}

TEST_F(Report, TextPage) {
    PlanData plan = Household();
    plan.PensionSelf = 2000;
    Write(plan);
    const ReportRun run = RunReport("");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("WITHDRAWAL NEEDED         23918\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("  Taxes on Income         3070\n"), std::string::npos);
    EXPECT_NE(run.out.find("  Taxes on Withdrawals    3648\n"), std::string::npos);
    EXPECT_NE(run.out.find("Portfolio Risk Categories"), std::string::npos);
}

TEST_F(Report, EveryEntryOfALargeCategoryIsListed) {
    PlanData plan = Household();
    for (int i = 0; i < kTableRows; ++i) {
        plan.EquityHoldings[i] = {
            "Stock " + std::to_string(i), 100, 1000 + i, 0, 0, 0, i % 7, 2, 0, "Y", "N", 0.0};
        plan.DebtHoldings[i] = {"Bond " + std::to_string(i), 100, 100, 1 + i % 5, 2, 0, "N", 0.0};
    }
    Write(plan);
    const ReportRun run = RunReport("--json UserData.dta");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, Expected(plan));
    const std::optional<JsonValue> json = ParseJson(run.out);
    ASSERT_TRUE(json);
    const JsonValue& medium = (*json)["categories"][2];
    ASSERT_EQ(medium.items.size(), 80u);
    for (std::size_t i = 1; i < medium.items.size(); ++i) {
        EXPECT_LE(std::stod(medium[i - 1]["err"].text), std::stod(medium[i]["err"].text));
    }
    EXPECT_EQ((*json)["boxes"]["editPerCent2"].text, "100");
}

TEST_F(Report, ExtremePlanValues) {
    for (std::int32_t extreme :
         {std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::int32_t>::min()}) {
        PlanData plan;
        plan.Married = "Yes";
        plan.AgeSelf = plan.AgeSpouse = plan.AnnualBudget = plan.InflationRate = extreme;
        plan.EarningsSelf = plan.SocialSecuritySelf = plan.PensionSpouse = extreme;
        plan.StateTaxRate = extreme;
        for (int i = 0; i < kTableRows; ++i) {
            plan.IraHoldings[i] = {"I",     extreme, extreme, extreme, extreme,
                                   extreme, extreme, 1,       0.0};
            plan.RothHoldings[i] = plan.IraHoldings[i];
            plan.DebtHoldings[i] = {"D", ~extreme, extreme, extreme, 1, extreme, "Y", 0.0};
            plan.EquityHoldings[i] = {"E",     ~extreme, extreme, extreme, extreme, extreme,
                                      extreme, 1,        extreme, "N",     "N",     0.0};
        }
        Write(plan);
        const ReportRun run = RunReport("--json");
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, Expected(plan));
        const std::optional<JsonValue> json = ParseJson(run.out);
        ASSERT_TRUE(json) << run.out;
        EXPECT_EQ((*json)["categories"][1].items.size(), 160u);
        EXPECT_EQ((*json)["values"]["TotalInvestments"].number, 160.0 * extreme);
    }
}

TEST_F(Report, PlanFileThatCannotBeOpened) {
    ReportRun run = RunReport("--json");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("UserData.dta"), std::string::npos);
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "one line: " << run.err;

    std::filesystem::create_directory(dir / "folder");
    run = RunReport("folder");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "UserData.dta")) << "nothing is created";
}

TEST_F(Report, UnknownOptionIsAUsageError) {
    Write(Household());
    const ReportRun run = RunReport("--yaml");
    EXPECT_NE(run.status, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("usage"), std::string::npos);
}

} // namespace
} // namespace velmora

#endif

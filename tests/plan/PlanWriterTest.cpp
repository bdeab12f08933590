#include "plan/PlanWriter.h"

#include "plan/PlanFields.h"

#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

namespace velmora {
namespace {

// The lines of a text whose every line ends in CR LF; fails on any other line end.
std::vector<std::string> CrLfLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << "text does not end in CR LF";
            break;
        }
        const std::string line = text.substr(start, end - start);
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos)
            << "stray line end in line " << lines.size() + 1;
        lines.push_back(line);
        start = end + 2;
    }
    return lines;
}

PlanData SmallPlan() {
    PlanData plan;
    plan.Married = "Yes";
    plan.AgeSelf = 67;
    plan.AgeSpouse = 64;
    plan.AnnualBudget = 40000;
    plan.InflationRate = 3;
    plan.ReservedValue1 = -1;
    plan.ReservedValue2 = 2;
    plan.EarningsSelf = 11;
    plan.EarningsSpouse = 12;
    plan.SocialSecuritySelf = 1500;
    plan.SocialSecuritySpouse = 700;
    plan.PensionSelf = 13;
    plan.PensionSpouse = 14;
    plan.TaxFreeSelf = 15;
    plan.TaxFreeSpouse = 16;
    plan.StateTaxRate = 5;
    plan.IraHoldings[0] = {"Fidelity IRA", 0, 100000, 0, 2000, 6, 2, 2, 1.5};
    plan.RothHoldings[39] = {"Last Roth", 1, 2, 3, 4, 5, 6, 3, 0.0};
    plan.DebtHoldings[0] = {"City bond", 10000, 10250, 5, 1, 0, "Y", 2.5};
    plan.EquityHoldings[0] = {"Index fund", 40000, 61000, 10, 950, 120, 6, 2, 3, "Y", "N", 0.5};
    plan.EquityHoldings[39].LossFactor = std::numeric_limits<std::int32_t>::min();
    return plan;
}

TEST(PlanWriter, WritesEveryLineInFileOrderWithCrLf) {
    const std::vector<std::string> lines = CrLfLines(PlanFileText(SmallPlan()));
    ASSERT_EQ(lines.size(), 1376u);
    ASSERT_EQ(kPlanFileLines, 1376);
    auto line = [&](int number) { return lines.at(static_cast<std::size_t>(number - 1)); };

    const std::vector<std::string> personal = {"Yes", "67", "64", "40000", "3",   "-1",
                                               "2",   "11", "12", "1500",  "700", "13",
                                               "14",  "15", "16", "5"};
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(line(i + 1), personal[static_cast<std::size_t>(i)]) << "line " << i + 1;
    }
    // IRA row 1: lines 17 to 24; row 2 starts empty at 25.
    const std::vector<std::string> ira = {
        "Fidelity IRA", "0", "100000", "0", "2000", "6", "2", "2", "", "0"};
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(line(17 + i), ira[static_cast<std::size_t>(i)]) << "line " << 17 + i;
    }
    // Roth row 40: lines 649 to 656.
    EXPECT_EQ(line(337), "");
    EXPECT_EQ(line(648), "0");
    const std::vector<std::string> roth = {"Last Roth", "1", "2", "3", "4", "5", "6", "3"};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(line(649 + i), roth[static_cast<std::size_t>(i)]) << "line " << 649 + i;
    }
    // Debt row 1: lines 657 to 663, the flag before RiskCategory.
    const std::vector<std::string> debt = {"City bond", "10000", "10250", "5", "Y", "1", "0", ""};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(line(657 + i), debt[static_cast<std::size_t>(i)]) << "line " << 657 + i;
    }
    EXPECT_EQ(line(668), "") << "an empty flag is an empty line";
    // Equity row 1: lines 937 to 947, both flags before RiskCategory.
    const std::vector<std::string> equity = {"Index fund", "40000", "61000", "10", "950", "120",
                                             "6",          "Y",     "N",     "2",  "3",   ""};
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(line(937 + i), equity[static_cast<std::size_t>(i)]) << "line " << 937 + i;
    }
    EXPECT_EQ(line(936), "0") << "last line of the debt table";
    EXPECT_EQ(line(1366), "") << "name of equity row 40";
    EXPECT_EQ(line(1376), "-2147483648") << "LossFactor of equity row 40";

    // Everything else is an empty row.
    int filled = 0;
    for (const std::string& text : lines) {
        filled += text.empty() || text == "0" ? 0 : 1;
    }
    EXPECT_EQ(filled, 16 + 6 + 8 + 6 + 11 + 1);
}

TEST(PlanWriter, ExtremeIntegersAsPlainDigits) {
    PlanData plan;
    plan.AgeSelf = std::numeric_limits<std::int32_t>::max();
    plan.AgeSpouse = std::numeric_limits<std::int32_t>::min();
    plan.AnnualBudget = -7;
    const std::vector<std::string> lines = CrLfLines(PlanFileText(plan));
    EXPECT_EQ(lines.at(1), "2147483647");
    EXPECT_EQ(lines.at(2), "-2147483648");
    EXPECT_EQ(lines.at(3), "-7");
}

TEST(PlanWriter, ControlCharactersInTextsBecomeBlanks) {
    PlanData plan;
    plan.Married = "Y\x01s";
    plan.IraHoldings[0].Name = "A\tB\rC\nD\x1A"
                               "E";
    plan.IraHoldings[1].Name = "caf\xE9 \xA9\x7F"; // Windows-1252 and DEL stay as they are
    plan.DebtHoldings[0].FedTaxFree = "\n";
    plan.EquityHoldings[0].AutoReinvest = "\r";
    plan.EquityHoldings[0].FedTaxFree = std::string(1, '\0');

    const std::vector<std::string> lines = CrLfLines(PlanFileText(plan));
    ASSERT_EQ(lines.size(), 1376u);
    EXPECT_EQ(lines.at(0), "Y s");
    EXPECT_EQ(lines.at(16), "A B C D E");
    EXPECT_EQ(lines.at(24), "caf\xE9 \xA9\x7F");
    EXPECT_EQ(lines.at(660), " ");
    EXPECT_EQ(lines.at(943), " ");
    EXPECT_EQ(lines.at(944), " ");
}

TEST(PlanWriter, TextsAreWrittenAsHeld) {
    PlanData plan;
    plan.Married = "Married filing jointly"; // neither "Yes" nor "No": kept whole
    plan.IraHoldings[0].Name = "A name longer than fifteen";
    plan.DebtHoldings[0].FedTaxFree = "y";
    const std::vector<std::string> lines = CrLfLines(PlanFileText(plan));
    EXPECT_EQ(lines.at(0), "Married filing jointly");
    EXPECT_EQ(lines.at(16), "A name longer than fifteen");
    EXPECT_EQ(lines.at(660), "y");
}

} // namespace
} // namespace velmora

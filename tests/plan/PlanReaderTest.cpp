#include "PlanCompare.h"
#include "PlanSamples.h"
#include "plan/PlanFile.h"
#include "plan/PlanWriter.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace velmora {
namespace {

using testing::MarriedHousehold;
using testing::PlanDifference;
using testing::VariedPlan;

std::vector<std::string> SplitCrLf(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find("\r\n", start);
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// The lines joined, each followed by the line end that `lineEnd` gives for its index.
template <typename LineEnd>
std::string Joined(const std::vector<std::string>& lines, LineEnd lineEnd) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        text += lines[i] + lineEnd(i);
    }
    return text;
}

std::string Joined(const std::vector<std::string>& lines) {
    return Joined(lines, [](std::size_t) { return "\r\n"; });
}

PlanData Loaded(const std::string& bytes, PlanData plan = {}) {
    LoadPlanFromBytes(plan, bytes);
    return plan;
}

// What a file that ends inside the IRA table leaves: the fields of IRA row `row`
// (1 to 40) after the first `kept` of its 8 lines, and everything after that row,
// read as 0 or empty.
PlanData EndedInIraRow(PlanData plan, int row, int kept) {
    IraHolding& cut = plan.IraHoldings[static_cast<std::size_t>(row - 1)];
    std::int32_t* numbers[] = {&cut.Basis,       &cut.CurrentValue, &cut.InterestRate,
                               &cut.Dividends,   &cut.GrowthRate,   &cut.ProbabilityOfLoss,
                               &cut.RiskCategory};
    if (kept < 1) {
        cut.Name.clear();
    }
    for (int i = std::max(kept - 1, 0); i < 7; ++i) {
        *numbers[i] = 0;
    }
    for (std::size_t i = static_cast<std::size_t>(row); i < kTableRows; ++i) {
        plan.IraHoldings[i] = {};
    }
    plan.RothHoldings = {};
    plan.DebtHoldings = {};
    plan.EquityHoldings = {};
    return plan;
}

TEST(PlanReader, ReadsBackEveryFieldThatTheWriterWrote) {
    const PlanData varied = VariedPlan();
    EXPECT_EQ(PlanDifference(varied, Loaded(PlanFileText(varied))), "");
    EXPECT_EQ(PlanDifference(varied, Loaded(PlanFileText(varied), MarriedHousehold())), "");
    const PlanData household = MarriedHousehold();
    EXPECT_EQ(PlanDifference(household, Loaded(PlanFileText(household), varied)), "");
}

TEST(PlanReader, EveryKindOfLineEndLoadsAlike) {
    const PlanData varied = VariedPlan();
    const std::vector<std::string> lines = SplitCrLf(PlanFileText(varied));
    ASSERT_EQ(lines.size(), 1376u);
    // In this order a CR is never followed by an empty line ended by LF alone, which
    // would read as one CR LF.
    const char* const mixed[] = {"\r\n", "\n", "\r"};
    EXPECT_EQ(PlanDifference(varied, Loaded(Joined(lines, [](std::size_t) { return "\r"; }))), "")
        << "CR only";
    EXPECT_EQ(PlanDifference(varied, Loaded(Joined(lines, [](std::size_t) { return "\n"; }))), "")
        << "LF only";
    EXPECT_EQ(
        PlanDifference(varied, Loaded(Joined(lines, [&](std::size_t i) { return mixed[i % 3]; }))),
        "")
        << "mixed";
    // A file that ends without a line end after its last value.
    std::string unended = PlanFileText(varied);
    unended.resize(unended.size() - 2);
    EXPECT_EQ(PlanDifference(varied, Loaded(unended)), "");
}

TEST(PlanReader, EmptyFileReadsZerosAndEmptyTexts) {
    PlanData expected;
    expected.Married = "";
    expected.AgeSelf = 0;
    expected.AgeSpouse = 0;
    expected.InflationRate = 0;
    EXPECT_EQ(PlanDifference(expected, Loaded("", VariedPlan())), "");
    EXPECT_EQ(PlanDifference(expected, Loaded("\x1A"
                                              "Yes\r\n67\r\n",
                                              MarriedHousehold())),
              "")
        << "Ctrl-Z ends the file at once";
}

TEST(PlanReader, ShortFileSetsTheFieldsAfterItsEndToZeroOrEmpty) {
    const PlanData varied = VariedPlan();
    std::vector<std::string> lines = SplitCrLf(PlanFileText(varied));
    lines.resize(100); // line 100 is InterestRate of IRA row 11
    EXPECT_EQ(PlanDifference(EndedInIraRow(varied, 11, 4), Loaded(Joined(lines), varied)), "");
}

TEST(PlanReader, CtrlZEndsTheFile) {
    const PlanData varied = VariedPlan();
    std::vector<std::string> lines = SplitCrLf(PlanFileText(varied));
    std::vector<std::string> cut = lines;
    cut[19] = "\x1A" + cut[19]; // before line 20, InterestRate of IRA row 1
    EXPECT_EQ(PlanDifference(EndedInIraRow(varied, 1, 3), Loaded(Joined(cut), varied)), "");

    cut = lines;
    cut[16] = "Vang\x1Auard"; // inside the name of IRA row 1
    PlanData expected = EndedInIraRow(varied, 1, 0);
    expected.IraHoldings[0].Name = "Vang";
    EXPECT_EQ(PlanDifference(expected, Loaded(Joined(cut), varied)), "");

    cut = lines;
    cut[3] = "12\x1A"
             "345"; // inside a number: the digits before it count
    PlanData empty;
    empty.Married = "Yes";
    empty.AgeSelf = varied.AgeSelf;
    empty.AgeSpouse = varied.AgeSpouse;
    empty.AnnualBudget = 12;
    empty.InflationRate = 0;
    EXPECT_EQ(PlanDifference(empty, Loaded(Joined(cut), varied)), "");
}

TEST(PlanReader, NameKeepsItsFirst15CharactersAndTheNextLineIsStillRead) {
    const PlanData varied = VariedPlan();
    std::vector<std::string> lines = SplitCrLf(PlanFileText(varied));
    lines[16] = "ABCDEFGHIJKLMNOPQRST";
    lines[656] = "Municipal bond of the city"; // first debt name
    PlanData expected = varied;
    expected.IraHoldings[0].Name = "ABCDEFGHIJKLMNO";
    expected.DebtHoldings[0].Name = "Municipal bond ";
    EXPECT_EQ(PlanDifference(expected, Loaded(Joined(lines))), "");
}

TEST(PlanReader, FlagIsTheFirstCharacterAndMarriedTheWholeLine) {
    const PlanData varied = VariedPlan();
    std::vector<std::string> lines = SplitCrLf(PlanFileText(varied));
    lines[0] = "Married, filing jointly in 2004";
    lines[660] = "Yes please"; // FedTaxFree of debt row 1
    lines[943] = "";           // AutoReinvest of equity row 1
    lines[944] = " N";         // FedTaxFree of equity row 1
    PlanData expected = varied;
    expected.Married = "Married, filing jointly in 2004";
    expected.DebtHoldings[0].FedTaxFree = "Y";
    expected.EquityHoldings[0].AutoReinvest = "";
    expected.EquityHoldings[0].FedTaxFree = " ";
    EXPECT_EQ(PlanDifference(expected, Loaded(Joined(lines))), "");
}

TEST(PlanReader, IntegerSkipsBlanksAndEmptyLinesAndTheRestOfItsLine) {
    PlanData expected;
    expected.Married = "No";
    expected.AgeSelf = 70;
    expected.AgeSpouse = 5;
    expected.AnnualBudget = -3;
    expected.InflationRate = 0;
    const std::string text = "No\r\n\r\n\t  70 years old\r\n\r\n+5\r\n  -3\t4\r\n";
    EXPECT_EQ(PlanDifference(expected, Loaded(text)), "");
}

TEST(PlanReader, WordInsteadOfANumberStopsTheLoad) {
    std::vector<std::string> lines = SplitCrLf(PlanFileText(VariedPlan()));
    lines[1] = "sixty";
    PlanData expected;
    expected.Married = "Yes";
    expected.AgeSelf = 0;
    EXPECT_EQ(PlanDifference(expected, Loaded(Joined(lines))), "");

    lines[1] = "12abc";
    expected.AgeSelf = 12;
    EXPECT_EQ(PlanDifference(expected, Loaded(Joined(lines))), "");

    lines[1] = "-";
    expected.AgeSelf = 0;
    EXPECT_EQ(PlanDifference(expected, Loaded(Joined(lines))), "");

    lines[1] = "-12.5";
    expected.AgeSelf = -12;
    EXPECT_EQ(PlanDifference(expected, Loaded(Joined(lines))), "");
}

TEST(PlanReader, DigitsBeyondThe32BitRangeStopTheLoadWithZero) {
    const std::vector<std::string> tooLarge = {"2147483648", "-2147483649", "99999999999abc",
                                               "1234567890123456789012345678901234567890"};
    for (const std::string& token : tooLarge) {
        std::vector<std::string> lines = SplitCrLf(PlanFileText(VariedPlan()));
        lines[4] = token; // InflationRate, default 3
        PlanData expected;
        expected.Married = "Yes";
        expected.AgeSelf = VariedPlan().AgeSelf;
        expected.AgeSpouse = VariedPlan().AgeSpouse;
        expected.AnnualBudget = VariedPlan().AnnualBudget;
        expected.InflationRate = 0;
        EXPECT_EQ(PlanDifference(expected, Loaded(Joined(lines))), "") << token;
    }
}

TEST(PlanReader, TokenEndsAfter32Characters) {
    // 32 digits of value 7, then more on the same line: the rest of the line is skipped.
    const std::string text = "No\r\n" + std::string(31, '0') + "7" + "999\r\n8\r\n";
    const PlanData plan = Loaded(text);
    EXPECT_EQ(plan.AgeSelf, 7);
    EXPECT_EQ(plan.AgeSpouse, 8);
}

} // namespace
} // namespace velmora

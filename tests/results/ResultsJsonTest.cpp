#include "results/ResultsJson.h"

#include "DecimalCommaLocale.h"
#include "JsonReader.h"
#include "NumberedBoxes.h"
#include "plan/Windows1252.h"
#include "results/CategoryRows.h"
#include "results/QuickHelpTexts.h"
#include "results/ResultsCalculation.h"
#include "results/ResultsPage.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace velmora {
namespace {

using testing::JsonValue;
using testing::ParseJson;

TEST(Windows1252, ConvertsEveryByteToUtf8) {
    EXPECT_EQ(Windows1252ToUtf8("City bond 7"), "City bond 7");
    EXPECT_EQ(Windows1252ToUtf8("Caf\xE9"), "Caf\xC3\xA9");
    EXPECT_EQ(Windows1252ToUtf8("\x80"), "\xE2\x82\xAC"); // euro sign
    EXPECT_EQ(Windows1252ToUtf8("\x9F"), "\xC5\xB8");     // Y with diaeresis
    EXPECT_EQ(Windows1252ToUtf8("\x96"), "\xE2\x80\x93"); // en dash
    EXPECT_EQ(Windows1252ToUtf8("\x81"), "\xEF\xBF\xBD"); // undefined: replacement
    EXPECT_EQ(Windows1252ToUtf8("\xA0\xFF"), "\xC2\xA0\xC3\xBF");
    EXPECT_EQ(Windows1252ToUtf8(std::string_view("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Windows1252, EveryDefinedByteHasOneCharacterAndBack) {
    int undefined = 0;
    for (int b = 0; b < 256; ++b) {
        const auto byte = static_cast<unsigned char>(b);
        const char32_t c = Windows1252ToUnicode(byte);
        if (c == 0xFFFD) {
            ++undefined;
            continue;
        }
        EXPECT_EQ(UnicodeToWindows1252(c), byte) << "byte " << b;
    }
    EXPECT_EQ(undefined, 5);
    EXPECT_EQ(Windows1252ToUnicode(0x8A), U'\u0160');
    EXPECT_EQ(UnicodeToWindows1252(U'\u20AC'), 0x80);
    EXPECT_EQ(UnicodeToWindows1252(0xFFFD), std::nullopt) << "no byte for the replacement";
    EXPECT_EQ(UnicodeToWindows1252(U'\u4E2D'), std::nullopt);
    EXPECT_EQ(UnicodeToWindows1252(0x0081), std::nullopt) << "a C1 control is no byte 0x81";
}

class ResultsJsonFixture : public ::testing::Test {
protected:
    Workspace ws;

    void SetUp() override {
        ws.plan.AgeSelf = 66;
        ws.plan.AnnualBudget = 40000;
        ws.plan.StateTaxRate = 5;
        ws.plan.PensionSelf = 2000;
        DebtHolding& bond = ws.plan.DebtHoldings[0];
        bond.Name = "Say \"hi\" \\ \x01";
        bond.Basis = 8000;
        bond.CurrentValue = 10000;
        bond.InterestRate = 5;
        bond.FedTaxFree = "N";
        bond.RiskCategory = 1;
        EquityHolding& stock = ws.plan.EquityHoldings[0];
        stock.Name = "Caf\xE9 \x80";
        stock.CurrentBasis = 100;
        stock.CurrentValue = 300;
        stock.RiskCategory = 3;
        results::Calculate(ws);
    }
};

TEST_F(ResultsJsonFixture, IsOneObjectWithTheScreensContent) {
    const std::string text = results::ResultsJson(ws);
    ASSERT_EQ(text.back(), '\n');
    const std::optional<JsonValue> json = ParseJson(text);
    ASSERT_TRUE(json) << text;
    EXPECT_EQ(json->keys, (std::vector<std::string>{"boxes", "categories", "values", "TaxYear"}));
    EXPECT_EQ((*json)["TaxYear"].text, "2004");

    const JsonValue& boxes = (*json)["boxes"];
    ASSERT_EQ(boxes.keys.size(), 21u);
    for (const std::string& key : boxes.keys) {
        EXPECT_EQ(boxes[key].kind, JsonValue::Kind::String) << key;
    }
    EXPECT_EQ(boxes["editWithDrawalNeeded"].text, "23499");
    EXPECT_EQ(boxes["editTotalInvestments"].text, "10300");

    const JsonValue& categories = (*json)["categories"];
    ASSERT_EQ(categories.items.size(), 4u);
    EXPECT_TRUE(categories[0].items.empty());
    ASSERT_EQ(categories[1].items.size(), 1u);
    const JsonValue& bond = categories[1][0];
    EXPECT_EQ(bond.keys, (std::vector<std::string>{"name", "value", "err"}));
    EXPECT_EQ(bond["name"].text, "B: Say \"hi\" \\ \x01");
    EXPECT_EQ(bond["value"].text, "10000");
    EXPECT_EQ(bond["err"].text, results::SlotRow(ws.ranking, RiskCategory::Low, 1).Err);
    EXPECT_TRUE(categories[2].items.empty());
    ASSERT_EQ(categories[3].items.size(), 1u);
    EXPECT_EQ(categories[3][0]["name"].text, "S:Caf\xC3\xA9 \xE2\x82\xAC");
    EXPECT_EQ(text.find("\\u0001"), text.find("\\u")) << "control characters are escaped";
}

TEST_F(ResultsJsonFixture, ValuesAreTheCalculationValuesExactly) {
    const std::optional<JsonValue> json = ParseJson(results::ResultsJson(ws));
    ASSERT_TRUE(json);
    const JsonValue& values = (*json)["values"];
    const std::vector<std::string> names{"TaxableIncome",
                                         "FederalTax",
                                         "FederalBracketRate",
                                         "CombinedTaxRate",
                                         "DividendTaxRate",
                                         "CapitalGainTaxRate",
                                         "TaxableSocialSecurity",
                                         "SocialSecurityTaxableFraction",
                                         "SeniorDeduction",
                                         "MinimumIraDistribution",
                                         "IraTotalValue",
                                         "RothTotalValue",
                                         "DebtTotalValue",
                                         "EquityTotalValue",
                                         "TotalInvestments",
                                         "TotalInterest",
                                         "TaxFreeInterest",
                                         "TotalDividends",
                                         "CashDividends",
                                         "TaxFreeDividends",
                                         "TotalCapGainsDistributions",
                                         "IncomeShortfall",
                                         "StateIncomeTax",
                                         "TaxOnIncome",
                                         "WithdrawalNeeded",
                                         "TaxOnWithdrawals",
                                         "AppliedStateTaxRate"};
    EXPECT_EQ(values.keys, names);
    for (const std::string& name : names) {
        EXPECT_EQ(values[name].kind, JsonValue::Kind::Number) << name;
    }
    // Doubles are written with 17 digits, so they read back exactly.
    EXPECT_EQ(values["TaxableIncome"].number, ws.tax.TaxableIncome);
    EXPECT_EQ(values["WithdrawalNeeded"].number, ws.results.WithdrawalNeeded);
    EXPECT_EQ(values["TotalInterest"].number, ws.totals.TotalInterest);
    EXPECT_EQ(values["StateIncomeTax"].number, ws.results.StateIncomeTax);
    EXPECT_EQ(values["StateIncomeTax"].text, "1225");
    EXPECT_EQ(values["SocialSecurityTaxableFraction"].text, "0");
    EXPECT_EQ(values["TotalInvestments"].text, "10300");
    EXPECT_EQ(values["DebtTotalValue"].text, "10000");
    EXPECT_EQ(values["AppliedStateTaxRate"].text, "5");
    EXPECT_EQ(values["CombinedTaxRate"].text, "30");
}

TEST(ResultsJsonText, BoxesAreKeyedByControlNameInTheScreensOrder) {
    Workspace ws;
    ws.results.boxes = testing::NumberedBoxes();
    const std::string text = results::ResultsJson(ws);
    EXPECT_EQ(
        text.substr(0, text.find('\n')),
        "{\"boxes\": {\"editBudget\": \"1\", \"editContinuedEarnings\": \"2\", "
        "\"editEntitlements\": \"3\", \"editIntAndDiv\": \"4\", \"editIRA\": \"5\", "
        "\"editTaxOnIncome\": \"6\", \"editWithDrawalNeeded\": \"7\", "
        "\"editTaxOnWithdrawals\": \"8\", \"editTaxRate\": \"9\", \"editDivTaxRate\": \"10\", "
        "\"editCGTaxRate\": \"11\", \"editStateTaxRate\": \"12\", "
        "\"editTotalInvestments\": \"13\", \"editTotalZero\": \"14\", "
        "\"editTotalLow\": \"15\", \"editTotalMedium\": \"16\", \"editTotalHigh\": \"17\", "
        "\"editPerCent0\": \"18\", \"editPerCent1\": \"19\", \"editPerCent2\": \"20\", "
        "\"editPerCent3\": \"21\"},");
}

// Whole numbers as their digits, from the largest with 15 digits on; past 16
// digits the 17 significant digits take an exponent.
TEST(ResultsJsonText, WholeNumbersAreTheirDigits) {
    Workspace ws;
    ws.tax.TaxableIncome = 999999999999999.0;
    ws.tax.FederalTax = -5518.0;
    ws.tax.SeniorDeduction = 1e15;
    ws.tax.MinimumIraDistribution = 12345678901234567.0; // 12345678901234568 as a double
    ws.results.IncomeShortfall = 1e17;
    ws.results.WithdrawalNeeded = 0.5;
    const std::optional<JsonValue> json = ParseJson(results::ResultsJson(ws));
    ASSERT_TRUE(json);
    const JsonValue& values = (*json)["values"];
    EXPECT_EQ(values["TaxableIncome"].text, "999999999999999");
    EXPECT_EQ(values["FederalTax"].text, "-5518");
    EXPECT_EQ(values["SeniorDeduction"].text, "1000000000000000");
    EXPECT_EQ(values["MinimumIraDistribution"].text, "12345678901234568");
    EXPECT_EQ(values["IncomeShortfall"].text, "1e+17");
    EXPECT_EQ(values["WithdrawalNeeded"].text, "0.5");
    EXPECT_EQ(values["TotalInterest"].text, "0");
}

TEST(ResultsJsonText, AwkwardDoublesStayValidJson) {
    Workspace ws;
    ws.totals.TotalInterest = 0.1;
    ws.results.IncomeShortfall = -0.0;
    ws.tax.MinimumIraDistribution = 1e300;
    const std::optional<JsonValue> json = ParseJson(results::ResultsJson(ws));
    ASSERT_TRUE(json);
    EXPECT_EQ((*json)["values"]["TotalInterest"].text, "0.10000000000000001");
    EXPECT_EQ((*json)["values"]["IncomeShortfall"].text, "-0");
    EXPECT_EQ((*json)["values"]["MinimumIraDistribution"].number, 1e300);
    EXPECT_EQ((*json)["boxes"]["editBudget"].text, "");
}

// JSON numbers always have a decimal point, whatever locale the process runs in.
TEST(ResultsJsonText, NumbersKeepTheirPointUnderALocaleWithADecimalComma) {
    Workspace ws;
    ws.totals.TotalInterest = 100.25;
    ws.tax.MinimumIraDistribution = 100000.0 / 26.5;
    std::string text;
    {
        const testing::DecimalCommaLocale comma;
        if (!comma.Active()) {
            GTEST_SKIP() << "no locale with a decimal comma can be set up on this machine";
        }
        text = results::ResultsJson(ws);
    }
    const std::optional<JsonValue> json = ParseJson(text); // read back in the "C" locale
    ASSERT_TRUE(json) << text;
    EXPECT_EQ((*json)["values"]["TotalInterest"].text, "100.25");
    EXPECT_EQ((*json)["values"]["MinimumIraDistribution"].number, 100000.0 / 26.5);
}

TEST(ResultsPageText, EveryBoxUnderItsHeadingWithItsLabel) {
    Workspace ws;
    ws.results.boxes = testing::NumberedBoxes();
    const std::string page = results::ResultsPage(ws);
    const std::size_t working = page.find("\nHOW THE TAX WAS WORKED OUT\n");
    ASSERT_NE(working, std::string::npos) << page;
    EXPECT_EQ(page.substr(0, working),
              "Calculation\n"
              "Uses tax year 2004 Income Tax Rules and Rates\n"
              "ERR = Effective Rate of Return (%)\n"
              "\n"
              "Portfolio Risk Categories\n"
              "B: Bonds, CDs, Bank   S: Stock, Equities   I: IRA, standard   R: IRA, Roth\n"
              "\n"
              "Zero\n"
              "  Name             Value       ERR\n"
              "  (none)\n"
              "  sub total        14\n"
              "  % of Total       18\n"
              "\n"
              "Low\n"
              "  Name             Value       ERR\n"
              "  (none)\n"
              "  sub total        15\n"
              "  % of Total       19\n"
              "\n"
              "Medium\n"
              "  Name             Value       ERR\n"
              "  (none)\n"
              "  sub total        16\n"
              "  % of Total       20\n"
              "\n"
              "High\n"
              "  Name             Value       ERR\n"
              "  (none)\n"
              "  sub total        17\n"
              "  % of Total       21\n"
              "\n"
              "INCOME\n"
              "  Continued Earnings      2\n"
              "  Entitlements            3\n"
              "  Interest + Dividends    4\n"
              "  Minimum IRA             5\n"
              "\n"
              "EXPENSES\n"
              "  Annual Budget           1\n"
              "  Taxes on Income         6\n"
              "  Taxes on Withdrawals    8\n"
              "\n"
              "TAX INFORMATION\n"
              "  Incremental Tax Rates\n"
              "  Federal Ordinary %      9\n"
              "  Federal Qualified Div % 10\n"
              "  Federal Capital Gain %  11\n"
              "  State + Local %         12\n"
              "\n"
              "INVESTMENT TOTAL          13\n"
              "WITHDRAWAL NEEDED         7\n");
    EXPECT_EQ(page.find("Tax on qualified"), std::string::npos) << "2004 has no qualified rates";
}

TEST(QuickHelpText, MinimumIraLineNamesTheYearsStartingAge) {
    struct Case {
        std::int32_t year;
        const char* line;
    };
    for (const Case& c :
         {Case{2004, " - Minimum IRA (Your Minimum IRA Withdrawal after you reach age 70 1/2)"},
          Case{2026, " - Minimum IRA (Your Minimum IRA Withdrawal after you reach age 73)"}}) {
        const std::optional<TaxYear> year = TaxYear::Find(c.year);
        ASSERT_TRUE(year) << c.year;
        EXPECT_EQ(QuickHelpMinimumIraLine(year->Law()), c.line);
    }
}

TEST_F(ResultsJsonFixture, TextPageShowsBoxesAndGrids) {
    const std::string page = results::ResultsPage(ws);
    EXPECT_NE(page.find("WITHDRAWAL NEEDED         23499\n"), std::string::npos) << page;
    EXPECT_NE(page.find("INVESTMENT TOTAL          10300\n"), std::string::npos);
    EXPECT_NE(page.find("  Taxes on Income         3170\n"), std::string::npos);
    EXPECT_NE(page.find("  S:Caf\xC3\xA9 \xE2\x82\xAC         300"), std::string::npos)
        << "names are UTF-8 and padded by characters";
    EXPECT_NE(page.find("  sub total        10000\n"), std::string::npos);
    EXPECT_NE(page.find("  % of Total       97\n"), std::string::npos);
}

} // namespace
} // namespace velmora

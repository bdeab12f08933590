// The comma-separated export of the results: quoting, line ends, every ranked
// holding read back with the grid's texts and every value box with its label.

#include "results/ResultsCsv.h"

#include "CsvReader.h"
#include "NumberedBoxes.h"
#include "PlanSamples.h"
#include "plan/Windows1252.h"
#include "results/CategoryRows.h"
#include "results/ResultsCalculation.h"

#include <gtest/gtest.h>
#include <memory>

namespace velmora {
namespace {

using testing::CsvRecord;
using testing::ParseCsv;

TEST(CsvField, QuotesOnlyWhereNeeded) {
    struct Case {
        std::string_view text;
        std::string_view written;
    };
    const Case cases[] = {
        {"", ""},
        {"B: City bond", "B: City bond"},
        {" padded ", " padded "},
        {"-1.5", "-1.5"},
        {"Smith, Jones", "\"Smith, Jones\""},
        {"Say \"hi\"", "\"Say \"\"hi\"\"\""},
        {"\"", "\"\"\"\""},
        {"two\r\nlines", "\"two\r\nlines\""},
        {"bare\nLF", "\"bare\nLF\""},
        {"bare\rCR", "\"bare\rCR\""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(results::CsvField(c.text), c.written) << c.text;
    }
}

TEST(CsvField, EveryByteSurvivesTheReader) {
    std::string all;
    for (int byte = 1; byte < 256; ++byte) {
        all += static_cast<char>(byte);
    }
    const auto records = ParseCsv(results::CsvField(all) + "," + results::CsvField("x") + "\r\n");
    ASSERT_TRUE(records);
    ASSERT_EQ(records->size(), 1u);
    EXPECT_EQ((*records)[0], (CsvRecord{all, "x"}));
}

TEST(ResultsCsvBoxes, EveryBoxWithItsNameLabelAndText) {
    Workspace ws;
    ws.results.boxes = testing::NumberedBoxes();
    EXPECT_EQ(results::ResultsCsv(ws), "Category,Name,Value,ERR\r\n"
                                       "\r\n"
                                       "Box,Label,Text\r\n"
                                       "editBudget,Annual Budget,1\r\n"
                                       "editContinuedEarnings,Continued Earnings,2\r\n"
                                       "editEntitlements,Entitlements,3\r\n"
                                       "editIntAndDiv,Interest + Dividends,4\r\n"
                                       "editIRA,Minimum IRA,5\r\n"
                                       "editTaxOnIncome,Taxes on Income,6\r\n"
                                       "editWithDrawalNeeded,Withdrawal Needed,7\r\n"
                                       "editTaxOnWithdrawals,Taxes on Withdrawals,8\r\n"
                                       "editTaxRate,Federal Ordinary %,9\r\n"
                                       "editDivTaxRate,Federal Qualified Div %,10\r\n"
                                       "editCGTaxRate,Federal Capital Gain %,11\r\n"
                                       "editStateTaxRate,State + Local %,12\r\n"
                                       "editTotalInvestments,Investment Total,13\r\n"
                                       "editTotalZero,Zero sub total,14\r\n"
                                       "editTotalLow,Low sub total,15\r\n"
                                       "editTotalMedium,Medium sub total,16\r\n"
                                       "editTotalHigh,High sub total,17\r\n"
                                       "editPerCent0,Zero % of Total,18\r\n"
                                       "editPerCent1,Low % of Total,19\r\n"
                                       "editPerCent2,Medium % of Total,20\r\n"
                                       "editPerCent3,High % of Total,21\r\n");
}

class ResultsCsvFixture : public ::testing::Test {
protected:
    std::unique_ptr<Workspace> ws = std::make_unique<Workspace>();

    // The records of the export, which must be valid CSV throughout.
    std::vector<CsvRecord> Records() {
        const std::string text = results::ResultsCsv(*ws);
        const auto records = ParseCsv(text);
        EXPECT_TRUE(records) << text;
        return records.value_or(std::vector<CsvRecord>{});
    }

    // Checks the whole export against the screen's grids, and that every box has its record.
    void ExpectScreenContent(const std::vector<CsvRecord>& records) {
        static const char* const kTitles[] = {"Zero", "Low", "Medium", "High"};
        std::size_t at = 0;
        ASSERT_FALSE(records.empty());
        EXPECT_EQ(records[at++], (CsvRecord{"Category", "Name", "Value", "ERR"}));
        for (const RiskCategory k : kRiskCategories) {
            for (const results::CategoryRow& row : results::CategoryRows(ws->ranking, k)) {
                ASSERT_LT(at, records.size());
                EXPECT_EQ(records[at++], (CsvRecord{kTitles[Number(k)], Windows1252ToUtf8(row.Name),
                                                    row.Value, row.Err}));
            }
        }
        ASSERT_LT(at, records.size());
        EXPECT_EQ(records[at++], CsvRecord{""}) << "an empty line parts the two tables";
        ASSERT_LT(at, records.size());
        EXPECT_EQ(records[at++], (CsvRecord{"Box", "Label", "Text"}));
        ASSERT_EQ(records.size() - at, 21u);
        for (; at < records.size(); ++at) {
            ASSERT_EQ(records[at].size(), 3u);
            EXPECT_EQ(records[at][0].substr(0, 4), "edit");
        }
        EXPECT_EQ(records.back(),
                  (CsvRecord{"editPerCent3", "High % of Total", ws->results.boxes.editPerCent3}));
    }
};

TEST_F(ResultsCsvFixture, EmptyPlanHasBothHeadersAndEveryBox) {
    results::Calculate(*ws);
    const std::vector<CsvRecord> records = Records();
    ExpectScreenContent(records);
    EXPECT_EQ(records.size(), 1u + 1u + 1u + 21u);
}

TEST_F(ResultsCsvFixture, NamesWithCommasQuotesAndAccentsReadBack) {
    ws->plan = testing::MarriedHousehold();
    ws->plan.DebtHoldings[0].Name = "Smith, Jones";
    ws->plan.DebtHoldings[0].RiskCategory = 1;
    ws->plan.EquityHoldings[0].Name = "\"Blue\" Chip";
    ws->plan.EquityHoldings[1].Name = "Caf\xE9 \x80, \"x\"";
    results::Calculate(*ws);
    const std::vector<CsvRecord> records = Records();
    ExpectScreenContent(records);

    auto find = [&records](const std::string& name) -> const CsvRecord* {
        for (const CsvRecord& record : records) {
            if (record.size() == 4 && record[1] == name) {
                return &record;
            }
        }
        return nullptr;
    };
    const CsvRecord* bond = find("B: Smith, Jones");
    ASSERT_NE(bond, nullptr);
    EXPECT_EQ((*bond)[0], "Low");
    EXPECT_EQ((*bond)[2], "10250");
    EXPECT_NE(find("S:\"Blue\" Chip"), nullptr);
    EXPECT_NE(find("S:Caf\xC3\xA9 \xE2\x82\xAC, \"x\""), nullptr) << "UTF-8 of the name";
    const std::string text = results::ResultsCsv(*ws);
    EXPECT_NE(text.find("\"B: Smith, Jones\""), std::string::npos);
    EXPECT_NE(text.find("\"S:\"\"Blue\"\" Chip\""), std::string::npos);
}

TEST_F(ResultsCsvFixture, EveryEntryOfAFullCategoryIsListed) {
    for (int i = 0; i < kTableRows; ++i) {
        const std::string n = std::to_string(i);
        ws->plan.IraHoldings[i] = {"Ira " + n, 0, 1000 + i, i % 9, 0, 0, 0, 3, 0.0};
        ws->plan.RothHoldings[i] = {"Roth " + n, 0, 2000 + i, 0, 0, i % 5, 0, 3, 0.0};
        ws->plan.DebtHoldings[i] = {"Bond " + n, 100, 300 + i, 1 + i % 4, 3, 0, "N", 0.0};
        ws->plan.EquityHoldings[i] = {"Stock " + n, 100, 900, 0, 0, 0, i % 7, 3, 2, "Y", "N", 0.0};
    }
    results::Calculate(*ws);
    ASSERT_EQ(ws->ranking.CategoryCount[3], 160);
    const std::vector<CsvRecord> records = Records();
    ExpectScreenContent(records);
    EXPECT_EQ(records.size(), 1u + 160u + 1u + 1u + 21u);
}

} // namespace
} // namespace velmora

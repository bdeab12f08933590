#include "results/RiskRanking.h"

#include "results/CategoryRows.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace velmora {
namespace {

template <typename Row>
void Fill(Row& row, const std::string& name, std::int32_t category, std::int32_t value,
          double err) {
    row.Name = name;
    row.RiskCategory = category;
    row.CurrentValue = value;
    row.Err = err;
}

std::vector<std::string> Names(const Ranking& ranking, RiskCategory category) {
    std::vector<std::string> names;
    for (const results::CategoryRow& row : results::CategoryRows(ranking, category)) {
        names.push_back(row.Name);
    }
    return names;
}

class Ranked : public ::testing::Test {
protected:
    Workspace ws;

    void Rank() {
        results::LoadArrays(ws);
        for (int k = 0; k < kCategories; ++k) {
            results::SortCategory(ws, k, 1, ws.ranking.CategoryCount[k]);
        }
        results::ShowRanking(ws);
    }
};

TEST_F(Ranked, GathersDebtEquityIraRothWithTheirPrefixes) {
    Fill(ws.plan.RothHoldings[0], "Roth", 2, 4, 0);
    Fill(ws.plan.IraHoldings[0], "Ira", 2, 3, 0);
    Fill(ws.plan.EquityHoldings[0], "Stock", 2, 2, 0);
    Fill(ws.plan.DebtHoldings[1], "Bond2", 2, 1, 0);
    Fill(ws.plan.DebtHoldings[0], "Bond1", 2, 1, 0);
    Fill(ws.plan.DebtHoldings[2], "Low", 1, 10, 0);
    Fill(ws.plan.EquityHoldings[5], "LowStock", 1, 20, 0);

    results::LoadArrays(ws);

    EXPECT_EQ(Names(ws.ranking, RiskCategory::Medium),
              (std::vector<std::string>{"B:Bond1", "B:Bond2", "S:Stock", "I:Ira", "R:Roth"}));
    EXPECT_EQ(Names(ws.ranking, RiskCategory::Low),
              (std::vector<std::string>{"B: Low", "S:LowStock"}));
    EXPECT_EQ(ws.ranking.CategoryCount, (std::array<int, 4>{0, 2, 5, 0}));
    EXPECT_EQ(ws.ranking.CategoryTotal, (std::array<std::int64_t, 4>{0, 30, 11, 0}));
}

TEST_F(Ranked, NamesAreCutToFifteenCharactersWithTheirPrefix) {
    const std::string name = "ABCDEFGHIJKLMN"; // 14 characters
    for (int k = 0; k < kCategories; ++k) {
        Fill(ws.plan.DebtHoldings[k], name, k, 1, 0);
        Fill(ws.plan.EquityHoldings[k], name, k, 1, 1);
        Fill(ws.plan.IraHoldings[k], name, k, 1, 2);
        Fill(ws.plan.RothHoldings[k], name, k, 1, 3);
    }
    Rank();
    EXPECT_EQ(Names(ws.ranking, RiskCategory::Low),
              (std::vector<std::string>{"B: ABCDEFGHIJKL", "S:ABCDEFGHIJKLM", "I:ABCDEFGHIJKLM",
                                        "R:ABCDEFGHIJKLM"}));
    for (RiskCategory k : {RiskCategory::Zero, RiskCategory::Medium, RiskCategory::High}) {
        EXPECT_EQ(Names(ws.ranking, k),
                  (std::vector<std::string>{"B:ABCDEFGHIJKLM", "S:ABCDEFGHIJKLM", "I:ABCDEFGHIJKLM",
                                            "R:ABCDEFGHIJKLM"}))
            << "category " << Number(k);
    }
}

TEST_F(Ranked, RowsWithoutNameOrValidCategoryAreNotRanked) {
    ws.results.TotalInvestments = 400;
    Fill(ws.plan.DebtHoldings[0], "", 0, 100, 0);
    Fill(ws.plan.EquityHoldings[0], "Four", 4, 100, 0);
    Fill(ws.plan.IraHoldings[0], "Minus", -1, 100, 0);
    Fill(ws.plan.RothHoldings[0], "Zero", 0, 100, 0);
    Rank();
    EXPECT_EQ(Names(ws.ranking, RiskCategory::Zero), (std::vector<std::string>{"R:Zero"}));
    EXPECT_EQ(ws.ranking.CategoryCount, (std::array<int, 4>{1, 0, 0, 0}));
    EXPECT_EQ(ws.results.boxes.editPerCent0, "25");
    EXPECT_EQ(ws.results.boxes.editTotalZero, "100");
    EXPECT_EQ(ws.results.boxes.editTotalInvestments, "400");
}

TEST_F(Ranked, PercentagesRoundHalvesToEven) {
    ws.results.TotalInvestments = 8;
    Fill(ws.plan.DebtHoldings[0], "One", 0, 1, 0);
    Fill(ws.plan.DebtHoldings[1], "Three", 1, 3, 0);
    Fill(ws.plan.EquityHoldings[0], "Four", 2, 4, 0);
    Rank();
    EXPECT_EQ(ws.results.boxes.editPerCent0, "12"); // 12.5
    EXPECT_EQ(ws.results.boxes.editPerCent1, "38"); // 37.5
    EXPECT_EQ(ws.results.boxes.editPerCent2, "50");
    EXPECT_EQ(ws.results.boxes.editPerCent3, "0");
    EXPECT_EQ(ws.results.boxes.editTotalLow, "3");
    EXPECT_EQ(ws.results.boxes.editTotalMedium, "4");
    EXPECT_EQ(ws.results.boxes.editTotalHigh, "0");
}

TEST_F(Ranked, WithoutInvestmentsEverythingIsClearedIncludingThePercentages) {
    ws.results.TotalInvestments = 100;
    Fill(ws.plan.DebtHoldings[0], "Bond", 3, 100, 1.5);
    Rank();
    ASSERT_EQ(ws.results.boxes.editPerCent3, "100");

    ws.plan.DebtHoldings[0] = DebtHolding{};
    ws.results.TotalInvestments = 0;
    Rank();
    for (RiskCategory k : kRiskCategories) {
        EXPECT_EQ(ws.ranking.CategoryCount[Number(k)], 0);
        EXPECT_EQ(ws.ranking.CategoryPercent[Number(k)], 0.0);
        EXPECT_TRUE(results::CategoryRows(ws.ranking, k).empty());
    }
    EXPECT_EQ(ws.results.boxes.editPerCent3, "0");
    EXPECT_EQ(ws.results.boxes.editTotalHigh, "0");
    const results::CategoryRow cleared = results::SlotRow(ws.ranking, RiskCategory::High, 1);
    EXPECT_EQ(cleared.Name, "");
    EXPECT_EQ(cleared.Value, "0");
    EXPECT_EQ(cleared.Err, "0");
}

TEST_F(Ranked, NegativeGrandTotalGivesNoShares) {
    ws.results.TotalInvestments = -5;
    Fill(ws.plan.DebtHoldings[0], "Bond", 0, 5, 0);
    Rank();
    EXPECT_EQ(ws.results.boxes.editPerCent0, "0");
    EXPECT_EQ(ws.results.boxes.editTotalInvestments, "-5");
}

// Equal Err values come out in the order that the partition sort leaves them.
TEST_F(Ranked, SortOrderOfEqualErrs) {
    Fill(ws.plan.DebtHoldings[0], "first", 0, 1, 3);
    Fill(ws.plan.DebtHoldings[1], "second", 0, 1, 1);
    Fill(ws.plan.DebtHoldings[2], "third", 0, 1, 2);
    Fill(ws.plan.DebtHoldings[3], "fourth", 0, 1, 1);
    Fill(ws.plan.EquityHoldings[0], "first", 2, 1, 0.5);
    Fill(ws.plan.EquityHoldings[1], "second", 2, 1, 0.5);
    const char* const order[] = {"first", "second", "third", "fourth"};
    for (int i = 0; i < 4; ++i) {
        Fill(ws.plan.IraHoldings[i], order[i], 3, 1, 7);
    }
    Rank();
    EXPECT_EQ(Names(ws.ranking, RiskCategory::Zero),
              (std::vector<std::string>{"B:fourth", "B:second", "B:third", "B:first"}));
    EXPECT_EQ(Names(ws.ranking, RiskCategory::Medium),
              (std::vector<std::string>{"S:second", "S:first"}));
    EXPECT_EQ(Names(ws.ranking, RiskCategory::High),
              (std::vector<std::string>{"I:third", "I:fourth", "I:first", "I:second"}));
}

// The partition sort as it swaps whole entries, to hold SortCategory's order of
// equal values against.
void SwapWholeEntries(std::vector<RankedHolding>& a, int low, int high) {
    int i = low;
    int j = high;
    const double x = a[(low + high) / 2].Err;
    do {
        while (a[i].Err < x) {
            ++i;
        }
        while (x < a[j].Err) {
            --j;
        }
        if (i <= j) {
            std::swap(a[i], a[j]);
            ++i;
            --j;
        }
    } while (i <= j);
    if (low < j) {
        SwapWholeEntries(a, low, j);
    }
    if (i < high) {
        SwapWholeEntries(a, i, high);
    }
}

TEST_F(Ranked, EqualErrsEndWhereSwappingWholeEntriesPutsThem) {
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        const int count = 2 + round % 159;
        std::uniform_int_distribution<int> errs(0, round % 5 + 1); // many ties
        auto& slots = ws.ranking.RankedHoldings[1];
        std::vector<RankedHolding> expected(1); // slot 0 unused
        for (int s = 1; s <= count; ++s) {
            slots[s - 1] = {"n" + std::to_string(s), s, static_cast<double>(errs(random))};
            expected.push_back(slots[s - 1]);
        }
        const int low = 1 + round % 3;
        if (low < count) {
            SwapWholeEntries(expected, low, count);
        }
        results::SortCategory(ws, 1, low, count);
        for (int s = 1; s <= count; ++s) {
            ASSERT_EQ(slots[s - 1].Name, expected[s].Name) << "round " << round << " slot " << s;
            ASSERT_EQ(slots[s - 1].Value, expected[s].Value);
            ASSERT_EQ(slots[s - 1].Err, expected[s].Err);
        }
    }
}

TEST_F(Ranked, EveryEntryOfAFullCategoryIsListedInOrder) {
    // All 160 rows in category 2, with Err values that repeat.
    std::mt19937 random(20040415);
    std::uniform_int_distribution<int> errs(-20, 20);
    std::int64_t total = 0;
    int n = 0;
    auto fill = [&](auto& table, const char* prefix) {
        for (auto& row : table) {
            ++n;
            Fill(row, prefix + std::to_string(n), 2, n * 1000, errs(random) * 0.25);
            total += row.CurrentValue;
        }
    };
    fill(ws.plan.DebtHoldings, "d");
    fill(ws.plan.EquityHoldings, "e");
    fill(ws.plan.IraHoldings, "i");
    fill(ws.plan.RothHoldings, "r");
    ws.results.TotalInvestments = total;
    Rank();

    const std::vector<results::CategoryRow> rows =
        results::CategoryRows(ws.ranking, RiskCategory::Medium);
    ASSERT_EQ(rows.size(), 160u);
    for (std::size_t i = 1; i < rows.size(); ++i) {
        EXPECT_LE(ws.ranking.RankedHoldings[2][i - 1].Err, ws.ranking.RankedHoldings[2][i].Err);
    }
    std::vector<std::string> names = Names(ws.ranking, RiskCategory::Medium);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(std::unique(names.begin(), names.end()), names.end()) << "every entry once";
    EXPECT_EQ(ws.results.boxes.editTotalMedium, std::to_string(total));
    EXPECT_EQ(ws.results.boxes.editPerCent2, "100");
    EXPECT_EQ(results::SlotRow(ws.ranking, RiskCategory::Medium, 161).Name, "")
        << "the spare slot stays cleared";
}

TEST_F(Ranked, MoreThanFortyEntriesAreAllShown) {
    // 45 holdings in category 2: 40 stocks and 5 bonds, Err falling as they are gathered.
    std::int64_t total = 0;
    for (int i = 0; i < 40; ++i) {
        Fill(ws.plan.EquityHoldings[i], "s" + std::to_string(i), 2, 100 + i, 100.0 - i);
        total += 100 + i;
    }
    for (int i = 0; i < 5; ++i) {
        Fill(ws.plan.DebtHoldings[i], "b" + std::to_string(i), 2, 1, 200.0 + i);
        total += 1;
    }
    Rank();
    const std::vector<results::CategoryRow> rows =
        results::CategoryRows(ws.ranking, RiskCategory::Medium);
    ASSERT_EQ(rows.size(), 45u);
    EXPECT_EQ(rows[0].Name, "S:s39");
    EXPECT_EQ(rows[0].Value, "139");
    EXPECT_EQ(rows[0].Err, "61");
    EXPECT_EQ(rows[39].Name, "S:s0");
    EXPECT_EQ(rows[44].Name, "B:b4");
    EXPECT_EQ(rows[44].Err, "204");
    EXPECT_EQ(ws.results.boxes.editTotalMedium, std::to_string(total));
}

TEST_F(Ranked, GridTextsOfValueAndErr) {
    Fill(ws.plan.DebtHoldings[0], "City bond", 0, 10000, 1.1);
    Fill(ws.plan.EquityHoldings[0], "Neg", 0, -2500, -0.0);
    Fill(ws.plan.IraHoldings[0], "Long", 0, 7, 2.0 / 3.0);
    Rank();
    const std::vector<results::CategoryRow> rows =
        results::CategoryRows(ws.ranking, RiskCategory::Zero);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].Name, "S:Neg");
    EXPECT_EQ(rows[0].Value, "-2500");
    EXPECT_EQ(rows[0].Err, "0");
    EXPECT_EQ(rows[1].Err, "0.666666666666667");
    EXPECT_EQ(rows[2].Name, "B:City bond");
    EXPECT_EQ(rows[2].Value, "10000");
    EXPECT_EQ(rows[2].Err, "1.1");
}

TEST_F(Ranked, SortIgnoresSlotsOutsideTheArrays) {
    Fill(ws.plan.DebtHoldings[0], "b", 0, 1, 2);
    Fill(ws.plan.DebtHoldings[1], "a", 0, 1, 1);
    results::LoadArrays(ws);
    results::SortCategory(ws, 0, 0, 2);
    results::SortCategory(ws, 0, 1, kCategorySlots + 1);
    results::SortCategory(ws, 4, 1, 2);
    results::SortCategory(ws, -1, 1, 2);
    EXPECT_EQ(Names(ws.ranking, RiskCategory::Zero), (std::vector<std::string>{"B:b", "B:a"}));
    EXPECT_EQ(results::SlotRow(ws.ranking, RiskCategory::Zero, 0).Value, "0");
}

TEST(RiskCategoryOf, OnlyZeroToThreeAreCategories) {
    EXPECT_EQ(RiskCategoryOf(0), RiskCategory::Zero);
    EXPECT_EQ(RiskCategoryOf(3), RiskCategory::High);
    EXPECT_EQ(RiskCategoryOf(-1), std::nullopt);
    EXPECT_EQ(RiskCategoryOf(4), std::nullopt);
}

} // namespace
} // namespace velmora

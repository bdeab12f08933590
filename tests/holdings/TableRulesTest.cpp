// The corrections made when the user leaves a holdings table: what each rule
// changes, and the rows it reports, which the screens answer with one warning each.

#include "holdings/TableRules.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

using Rows = std::vector<int>;

TEST(TableRules, CategoriesAboveHighBecomeHighNamedOrNot) {
    DebtTable table{};
    table[0].Name = "Bond";
    table[0].RiskCategory = 3;
    table[4].RiskCategory = 4; // no name: corrected all the same
    table[9].Name = "Fund";
    table[9].RiskCategory = 2147483647;
    table[12].RiskCategory = -5; // below Zero is left to the ranking
    EXPECT_EQ(CapRiskCategories(table), (Rows{4, 9}));
    EXPECT_EQ(table[0].RiskCategory, 3);
    EXPECT_EQ(table[4].RiskCategory, 3);
    EXPECT_EQ(table[9].RiskCategory, 3);
    EXPECT_EQ(table[12].RiskCategory, -5);
    EXPECT_EQ(CapRiskCategories(table), Rows{}) << "a second pass finds nothing";
}

TEST(TableRules, NamedRowsGetNUnlessYOrNAndUnnamedRowsAreLeft) {
    EquityTable table{};
    const char* flags[] = {"Y", "N", "", "y", "X", ""};
    for (int row = 0; row < 6; ++row) {
        table[row].Name = row < 5 ? "Fund" : "";
        table[row].AutoReinvest = flags[row];
    }
    EXPECT_EQ(CorrectYesNoFlags(table, &EquityHolding::AutoReinvest), (Rows{2, 3, 4}));
    EXPECT_EQ(table[0].AutoReinvest, "Y");
    EXPECT_EQ(table[1].AutoReinvest, "N");
    EXPECT_EQ(table[2].AutoReinvest, "N");
    EXPECT_EQ(table[3].AutoReinvest, "N");
    EXPECT_EQ(table[4].AutoReinvest, "N");
    EXPECT_EQ(table[5].AutoReinvest, "") << "a row without a name keeps its flag";
    EXPECT_EQ(table[2].FedTaxFree, "") << "only the flag asked for";
}

TEST(TableRules, BothKindsOfDividendsOnOneRowAreCleared) {
    EquityTable table{};
    table[1].RegularDividends = 100;
    table[1].QualifyingDividends = 1;
    table[2].RegularDividends = 100; // one kind only: kept
    table[3].QualifyingDividends = 50;
    table[3].RegularDividends = -1;
    EXPECT_EQ(ClearDoubledDividends(table), Rows{1});
    EXPECT_EQ(table[1].RegularDividends, 0);
    EXPECT_EQ(table[1].QualifyingDividends, 0);
    EXPECT_EQ(table[2].RegularDividends, 100);
    EXPECT_EQ(table[3].QualifyingDividends, 50);
}

TEST(TableRules, UnnamedDebtRowsKeepNothingAndTheRowsThatHeldSomethingAreNamed) {
    DebtTable table{};
    table[0].Name = "Bond";
    table[0].CurrentValue = 5000;
    table[3].CurrentValue = 5000;
    table[3].FedTaxFree = "Y";
    table[3].Err = 1.5;
    table[7].FedTaxFree = "N";
    EXPECT_EQ(ClearUnnamedDebtRows(table), (Rows{3, 7}));
    EXPECT_EQ(table[0].CurrentValue, 5000);
    EXPECT_EQ(table[3].CurrentValue, 0);
    EXPECT_EQ(table[3].FedTaxFree, "");
    EXPECT_EQ(table[3].Err, 1.5) << "the rate stays until the rates are computed again";
    EXPECT_EQ(table[7].FedTaxFree, "");
}

} // namespace
} // namespace velmora

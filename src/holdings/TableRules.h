#pragma once
// The rules that correct a holdings table when the user leaves it. Each one
// corrects the table in place and returns the grid rows (0 to 39, row r being
// table row r + 1) that it corrected, in order, so that a screen can say so
// once for every corrected row and show the new values.

#include "plan/PlanData.h"
#include "plan/RiskCategory.h"

#include <array>
#include <string>
#include <vector>

namespace velmora {

// Rows 1 to 40 in order, named or not: a RiskCategory above High becomes High.
template <class Row> std::vector<int> CapRiskCategories(std::array<Row, kTableRows>& table) {
    constexpr int kHighest = Number(RiskCategory::High);
    std::vector<int> corrected;
    for (int row = 0; row < kTableRows; ++row) {
        if (table[row].RiskCategory > kHighest) {
            table[row].RiskCategory = kHighest;
            corrected.push_back(row);
        }
    }
    return corrected;
}

// Rows 1 to 40 in order: a named row whose flag is neither "Y" nor "N" (empty
// included) gets "N".
template <class Row>
std::vector<int> CorrectYesNoFlags(std::array<Row, kTableRows>& table, std::string Row::*flag) {
    std::vector<int> corrected;
    for (int row = 0; row < kTableRows; ++row) {
        std::string& value = table[row].*flag;
        if (!table[row].Name.empty() && value != "Y" && value != "N") {
            value.assign(1, 'N');
            corrected.push_back(row);
        }
    }
    return corrected;
}

// An equity row with both regular and qualifying dividends above 0 gets 0 for both.
std::vector<int> ClearDoubledDividends(EquityTable& table);

// A debt row without a name keeps no values: its numbers become 0 and its flag
// empty. Returns the rows that held something.
std::vector<int> ClearUnnamedDebtRows(DebtTable& table);

} // namespace velmora

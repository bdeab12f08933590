#include "holdings/TableRules.h"

namespace velmora {

std::vector<int> ClearDoubledDividends(EquityTable& table) {
    std::vector<int> corrected;
    for (int row = 0; row < kTableRows; ++row) {
        EquityHolding& holding = table[row];
        if (holding.RegularDividends > 0 && holding.QualifyingDividends > 0) {
            holding.RegularDividends = 0;
            holding.QualifyingDividends = 0;
            corrected.push_back(row);
        }
    }
    return corrected;
}

std::vector<int> ClearUnnamedDebtRows(DebtTable& table) {
    std::vector<int> cleared;
    for (int row = 0; row < kTableRows; ++row) {
        DebtHolding& holding = table[row];
        if (!holding.Name.empty()) {
            continue;
        }
        if (holding.Basis != 0 || holding.CurrentValue != 0 || holding.InterestRate != 0 ||
            holding.RiskCategory != 0 || holding.ProbabilityOfLoss != 0 ||
            !holding.FedTaxFree.empty()) {
            cleared.push_back(row);
        }
        holding.Basis = 0;
        holding.CurrentValue = 0;
        holding.InterestRate = 0;
        holding.RiskCategory = 0;
        holding.ProbabilityOfLoss = 0;
        holding.FedTaxFree.clear();
    }
    return cleared;
}

} // namespace velmora

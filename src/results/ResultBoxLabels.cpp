#include "results/ResultBoxLabels.h"

#include <array>
#include <utility>

namespace velmora::results {

namespace {

using Labeled = std::pair<std::string_view, std::string_view>;

constexpr std::array<Labeled, 21> kLabels{{
    {"editBudget", "Annual Budget"},
    {"editContinuedEarnings", "Continued Earnings"},
    {"editEntitlements", "Entitlements"},
    {"editIntAndDiv", "Interest + Dividends"},
    {"editIRA", "Minimum IRA"},
    {"editTaxOnIncome", "Taxes on Income"},
    {"editWithDrawalNeeded", "Withdrawal Needed"},
    {"editTaxOnWithdrawals", "Taxes on Withdrawals"},
    {"editTaxRate", "Federal Ordinary Rate (%)"},
    {"editDivTaxRate", "Federal Qualified Dividend Rate (%)"},
    {"editCGTaxRate", "Federal Capital Gain Rate (%)"},
    {"editStateTaxRate", "State + Local Rate (%)"},
    {"editTotalInvestments", "Investment Total"},
    {"editTotalZero", "Zero sub total"},
    {"editTotalLow", "Low sub total"},
    {"editTotalMedium", "Medium sub total"},
    {"editTotalHigh", "High sub total"},
    {"editPerCent0", "Zero % of Total"},
    {"editPerCent1", "Low % of Total"},
    {"editPerCent2", "Medium % of Total"},
    {"editPerCent3", "High % of Total"},
}};

} // namespace

std::string_view BoxLabel(std::string_view boxName) {
    for (const Labeled& entry : kLabels) {
        if (entry.first == boxName) {
            return entry.second;
        }
    }
    return {};
}

} // namespace velmora::results

#include "results/ResultBoxList.h"

namespace velmora::results {

std::array<BoxText, kResultBoxCount> BoxList(const ResultBoxes& b) {
    return {{
        {"editBudget", &b.editBudget},
        {"editContinuedEarnings", &b.editContinuedEarnings},
        {"editEntitlements", &b.editEntitlements},
        {"editIntAndDiv", &b.editIntAndDiv},
        {"editIRA", &b.editIRA},
        {"editTaxOnIncome", &b.editTaxOnIncome},
        {"editWithDrawalNeeded", &b.editWithDrawalNeeded},
        {"editTaxOnWithdrawals", &b.editTaxOnWithdrawals},
        {"editTaxRate", &b.editTaxRate},
        {"editDivTaxRate", &b.editDivTaxRate},
        {"editCGTaxRate", &b.editCGTaxRate},
        {"editStateTaxRate", &b.editStateTaxRate},
        {"editTotalInvestments", &b.editTotalInvestments},
        {"editTotalZero", &b.editTotalZero},
        {"editTotalLow", &b.editTotalLow},
        {"editTotalMedium", &b.editTotalMedium},
        {"editTotalHigh", &b.editTotalHigh},
        {"editPerCent0", &b.editPerCent0},
        {"editPerCent1", &b.editPerCent1},
        {"editPerCent2", &b.editPerCent2},
        {"editPerCent3", &b.editPerCent3},
    }};
}

} // namespace velmora::results

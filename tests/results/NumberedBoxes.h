#pragma once
// Result boxes that each show a text of their own, so that an output which
// takes a box's text from the wrong field, or lists the boxes in another
// order, cannot pass.

#include "results/ResultValues.h"

namespace velmora::testing {

// Each box shows its place in the order of the fields: editBudget "1" to editPerCent3 "21".
inline ResultBoxTexts NumberedBoxes() {
    ResultBoxTexts b;
    b.editBudget = "1";
    b.editContinuedEarnings = "2";
    b.editEntitlements = "3";
    b.editIntAndDiv = "4";
    b.editIRA = "5";
    b.editTaxOnIncome = "6";
    b.editWithDrawalNeeded = "7";
    b.editTaxOnWithdrawals = "8";
    b.editTaxRate = "9";
    b.editDivTaxRate = "10";
    b.editCGTaxRate = "11";
    b.editStateTaxRate = "12";
    b.editTotalInvestments = "13";
    b.editTotalZero = "14";
    b.editTotalLow = "15";
    b.editTotalMedium = "16";
    b.editTotalHigh = "17";
    b.editPerCent0 = "18";
    b.editPerCent1 = "19";
    b.editPerCent2 = "20";
    b.editPerCent3 = "21";
    return b;
}

} // namespace velmora::testing

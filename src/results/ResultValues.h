#pragma once
// Values of the results calculation and the texts of the results screen's boxes.

#include "results/TaxWorking.h"

#include <cstdint>
#include <string>

namespace velmora {

// Exact texts that the results screen shows, one per value box (named after the box).
struct ResultBoxTexts {
    std::string editBudget;
    std::string editContinuedEarnings;
    std::string editEntitlements;
    std::string editIntAndDiv;
    std::string editIRA;
    std::string editTaxOnIncome;
    std::string editWithDrawalNeeded;
    std::string editTaxOnWithdrawals;
    std::string editTaxRate;
    std::string editDivTaxRate;
    std::string editCGTaxRate;
    std::string editStateTaxRate;
    std::string editTotalInvestments;
    std::string editTotalZero;
    std::string editTotalLow;
    std::string editTotalMedium;
    std::string editTotalHigh;
    std::string editPerCent0;
    std::string editPerCent1;
    std::string editPerCent2;
    std::string editPerCent3;
};

struct ResultValues {
    std::int64_t TotalInvestments = 0;
    double AnnualSocialSecurity = 0.0;
    double AnnualPensions = 0.0;
    double AnnualTaxFreeBenefits = 0.0;
    std::int64_t AnnualEarnings = 0;
    double AnnualEntitlements = 0.0;
    double IncomeShortfall = 0.0;
    double StateIncomeTax = 0.0;
    double TaxOnIncome = 0.0; // whole dollars
    double WithdrawalNeeded = 0.0;
    double TaxOnWithdrawals = 0.0;
    TaxWorking working; // the tax worked out without and with the withdrawal
    ResultBoxTexts boxes;
};

} // namespace velmora

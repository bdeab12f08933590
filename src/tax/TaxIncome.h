#pragma once
// The household's income of a year by kind, as the tax engine reads it: the one
// input of every tax run besides the household's status, ages and state rate.
// The results calculation and the rates of return fill it before each run.

#include "tax/TaxLaw.h"

#include <cstdint>

namespace velmora {

struct TaxIncome {
    double Pensions = 0.0;
    std::int64_t Earnings = 0;
    double SocialSecurity = 0.0;
    double TaxFreeBenefits = 0.0;
    double Interest = 0.0; // tax-free interest included
    double TaxFreeInterest = 0.0;
    double Dividends = 0.0; // tax-free dividends included
    double TaxFreeDividends = 0.0;
    double QualifiedDividends = 0.0; // of the rows not free of federal tax
    double CapGainsDistributions = 0.0;
    double MinimumIraDistribution = 0.0;
    // Taken from the regular IRAs beyond the minimum: ordinary income.
    double Withdrawal = 0.0;
    // The net gain of the year's sales of debt and equity holdings, taxed as
    // capital gain distributions are, and the net loss taken against ordinary
    // income instead (26 U.S.C. 1211(b)).
    double RealizedGains = 0.0;
    double LossDeduction = 0.0;

    // Ordinary income beyond the other kinds: the withdrawal less the loss deduction.
    double Ordinary() const { return Withdrawal - LossDeduction; }
    // Capital gains: the distributions and the realized gains.
    double CapitalGains() const { return CapGainsDistributions + RealizedGains; }
};

// The income that is taxed, before Social Security, the deductions and the
// ordinary income beyond the other kinds; capital gains count where the year
// taxes them as income. Summed in the return's order.
double TaxedIncome(const TaxIncome& income, const ReturnRules& rules);

// Provisional income of the Social Security worksheet (benefits above 0).
double ProvisionalIncome(const TaxIncome& income, const ReturnRules& rules);

// The income that decides the share of each further dollar of investment income
// that becomes taxable Social Security: tax-free benefits, earnings, pensions.
double OtherIncome(const TaxIncome& income);

// Modified adjusted gross income of the senior deduction.
double SeniorDeductionIncome(const TaxIncome& income, double taxableSocialSecurity);

// The state's base: pensions, earnings, interest, dividends, the minimum IRA
// distribution, the ordinary income beyond them and the realized gains.
double StateBase(const TaxIncome& income);

} // namespace velmora

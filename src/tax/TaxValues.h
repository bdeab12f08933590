#pragma once
// The tax engine's working values and outputs; the law they are worked from is
// the tax year's (TaxLaw.h).

#include "tax/TaxIncome.h"
#include "tax/TaxLaw.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace velmora {

// Written by the tax engine, kept between runs (each run overwrites them),
// beside the income it works from.
// Whole-dollar results are held as whole-number doubles so that no plan file
// can make them overflow.
struct TaxValues {
    TaxIncome Income; // the run's input, filled by the caller
    std::int64_t Exemptions = 0;
    std::int64_t StandardDeduction = 0;
    std::int64_t AgedDeduction = 0; // the part of StandardDeduction that is for age
    std::int32_t Seniors = 0;       // persons older than 64 who count for the senior deduction
    double SeniorShare = 0.0;       // each one's deduction after the phase-out
    double SeniorDeduction = 0.0;   // Seniors * SeniorShare
    std::int64_t SocialSecurityBase1 = 0;
    std::int64_t SocialSecurityBase2 = 0;
    double ProvisionalIncome = 0.0;     // of the last run with benefits
    double TaxableSocialSecurity = 0.0; // whole dollars
    double SocialSecurityTaxableFraction = 0.0;
    double AdjustedGrossIncome = 0.0; // the income that the deductions come off
    double TaxableIncome = 0.0;
    // Working copy of the filing status's rate schedule: BracketCount brackets.
    std::size_t BracketCount = 0;
    BracketTopTable BracketTops{};
    BracketRateTable BracketRates{};
    std::array<double, kMaxBrackets> BracketAmounts{}; // dollars in each bracket
    double FederalTax = 0.0;                           // whole dollars
    // Where qualified dividends and gains are taxed at their own rates: the
    // taxable income split into its ordinary and its qualified part, the tax on
    // each, and the regular tax (the bracket walk of the whole) that caps their
    // sum. Otherwise the ordinary part is the whole and the qualified part 0.
    double OrdinaryIncome = 0.0;
    double QualifiedIncome = 0.0;
    double TaxOnOrdinary = 0.0;  // whole dollars
    double TaxOnQualified = 0.0; // whole dollars
    double RegularTax = 0.0;     // whole dollars
    double FederalBracketRate = 0.0;
    double CombinedTaxRate = 0.0;
    double DividendTaxRate = 0.0;
    double CapitalGainTaxRate = 0.0;
    // Minimum IRA distribution, from the regular IRAs' value (an input, filled by the caller)
    std::int64_t IraTotalValue = 0;
    double RmdDivisor = 0.0;
    double MinimumIraDistribution = 0.0;
};

} // namespace velmora

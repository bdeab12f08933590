#pragma once
// The tax engine's working values and outputs; the fixed tables they are worked
// from are in TaxTables2004.h.

#include "tax/TaxTables2004.h"

#include <array>
#include <cstdint>

namespace velmora {

// Written by the tax engine, kept between runs (each run overwrites them).
// Whole-dollar results are held as whole-number doubles so that no plan file
// can make them overflow.
struct TaxValues {
    std::int64_t Exemptions = 0;
    std::int64_t StandardDeduction = 0;
    std::int64_t SocialSecurityBase1 = 0;
    std::int64_t SocialSecurityBase2 = 0;
    double TaxableSocialSecurity = 0.0; // whole dollars
    double SocialSecurityTaxableFraction = 0.0;
    double TaxableIncome = 0.0;
    BracketTopTable BracketTops{}; // working copy of the filing status's table
    BracketRateTable BracketRates{};
    std::array<double, kBrackets> BracketAmounts{}; // dollars in each bracket
    double FederalTax = 0.0;                        // whole dollars
    double FederalBracketRate = 0.0;
    double CombinedTaxRate = 0.0;
    double DividendTaxRate = 0.0;
    double CapitalGainTaxRate = 0.0;
    // Minimum IRA distribution
    double RmdDivisor = 0.0;
    double MinimumIraDistribution = 0.0;
};

} // namespace velmora

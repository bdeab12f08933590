#pragma once
// Fixed 2004 tax tables and the tax engine's working values and outputs.

#include <array>
#include <cstdint>

namespace velmora {

inline constexpr int TaxYear = 2004;

struct TaxTables {
    static constexpr std::int64_t PersonalExemption = 3100;
    static constexpr std::int64_t StandardDeductionSingle = 4850;
    static constexpr std::int64_t StandardDeductionMarried = 9700;
    static constexpr std::int64_t AgedExtraSingle = 1200;
    static constexpr std::int64_t AgedExtraMarried = 950;
    static constexpr std::array<std::int64_t, 5> SingleBracketTops{7150, 29050, 70350, 146750,
                                                                   319100};
    static constexpr std::array<std::int64_t, 5> MarriedBracketTops{14300, 58100, 117250, 178650,
                                                                    319100};
    static constexpr std::array<double, 6> SingleBracketRates{10, 15, 25, 28, 33, 35};
    static constexpr std::array<double, 6> MarriedBracketRates{10, 15, 25, 28, 33, 35};
    static constexpr std::int64_t SocialSecurityBaseSingle1 = 25000;
    static constexpr std::int64_t SocialSecurityBaseSingle2 = 34000;
    static constexpr std::int64_t SocialSecurityBaseMarried1 = 32000;
    static constexpr std::int64_t SocialSecurityBaseMarried2 = 44000;
    static constexpr double DividendRateLow = 5;
    static constexpr double DividendRateHigh = 15;
    static constexpr double CapitalGainRateLow = 5;
    static constexpr double CapitalGainRateHigh = 15;
};

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
    std::array<std::int64_t, 5> BracketTops{};
    std::array<double, 6> BracketRates{};
    std::array<double, 6> BracketAmounts{};
    double FederalTax = 0.0; // whole dollars
    double FederalBracketRate = 0.0;
    double CombinedTaxRate = 0.0;
    double DividendTaxRate = 0.0;
    double CapitalGainTaxRate = 0.0;
    // Minimum IRA distribution
    double RmdDivisor = 0.0;
    double MinimumIraDistribution = 0.0;
};

} // namespace velmora

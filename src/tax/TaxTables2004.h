#pragma once
// The fixed tax figures of 2004, the one tax year the program serves. Built in,
// never changed while the program runs; the tax engine's per-run values are in
// TaxValues.h.

#include <array>
#include <cstddef>
#include <cstdint>

namespace velmora {

inline constexpr int TaxYear = 2004;

// Six brackets: the tops of brackets 1 to 5 in dollars of taxable income (a top
// belongs to the bracket below it), and the percent rates of brackets 1 to 6.
inline constexpr std::size_t kBrackets = 6;
using BracketTopTable = std::array<std::int64_t, kBrackets - 1>;
using BracketRateTable = std::array<double, kBrackets>;

struct TaxTables {
    // 2004 personal exemption amount and standard deduction chart.
    static constexpr std::int64_t PersonalExemption = 3100;
    static constexpr std::int64_t StandardDeductionSingle = 4850;
    static constexpr std::int64_t StandardDeductionMarried = 9700;
    static constexpr std::int64_t AgedExtraSingle = 1200;
    static constexpr std::int64_t AgedExtraMarried = 950;

    // 2004 federal tax rate schedules: X (single) and Y-1 (married filing jointly).
    // Each status keeps its own rates, although they agree.
    static constexpr BracketTopTable SingleBracketTops{7150, 29050, 70350, 146750, 319100};
    static constexpr BracketTopTable MarriedBracketTops{14300, 58100, 117250, 178650, 319100};
    static constexpr BracketRateTable SingleBracketRates{10, 15, 25, 28, 33, 35};
    static constexpr BracketRateTable MarriedBracketRates{10, 15, 25, 28, 33, 35};

    // 2004 Social Security benefits worksheet: the two base amounts of each status.
    static constexpr std::int64_t SocialSecurityBaseSingle1 = 25000;
    static constexpr std::int64_t SocialSecurityBaseSingle2 = 34000;
    static constexpr std::int64_t SocialSecurityBaseMarried1 = 32000;
    static constexpr std::int64_t SocialSecurityBaseMarried2 = 44000;

    // 2004 qualified dividends and capital gain tax worksheet: the 5 and 15 percent rates.
    static constexpr double DividendRateLow = 5;
    static constexpr double DividendRateHigh = 15;
    static constexpr double CapitalGainRateLow = 5;
    static constexpr double CapitalGainRateHigh = 15;

    // Minimum-distribution divisors (Uniform Lifetime Table) for ages 71 to 115.
    static constexpr std::int32_t RmdFirstAge = 71;
    static constexpr std::int32_t RmdLastAge = 115;
    static constexpr std::array<double, RmdLastAge - RmdFirstAge + 1> RmdDivisors{
        26.5, 25.6, 24.7, 23.8, 22.9, 22.0, 21.2, 20.3, 19.5, 18.7, 17.9, 17.1, 16.3, 15.5, 14.8,
        14.1, 13.4, 12.7, 12.0, 11.4, 10.8, 10.2, 9.6,  9.1,  8.6,  8.1,  7.6,  7.1,  6.7,  6.3,
        5.9,  5.5,  5.2,  4.9,  4.5,  4.2,  3.9,  3.7,  3.4,  3.1,  2.9,  2.6,  2.4,  2.1,  1.9};
};

} // namespace velmora

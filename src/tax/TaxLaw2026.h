#pragma once
// Federal law of tax year 2026, figure by figure with its public source.

#include "tax/TaxLaw.h"

#include <array>

namespace velmora {

// Uniform Lifetime Table in force since 2022, 26 CFR 1.401(a)(9)-9(c), table 2:
// distribution periods for ages 72 to 120 and over.
inline constexpr std::array<double, 49> kUniformLifetimeTable2022{
    27.4, 26.5, 25.5, 24.6, 23.7, 22.9, 22.0, 21.1, 20.2, 19.4, 18.5, 17.7, 16.8,
    16.0, 15.2, 14.4, 13.7, 12.9, 12.2, 11.5, 10.8, 10.1, 9.5,  8.9,  8.4,  7.8,
    7.3,  6.8,  6.4,  6.0,  5.6,  5.2,  4.9,  4.6,  4.3,  4.1,  3.9,  3.7,  3.5,
    3.4,  3.3,  3.1,  3.0,  2.9,  2.8,  2.7,  2.5,  2.3,  2.0};

// Figures by filing status are written single first, then married filing jointly.
inline constexpr TaxLaw kTaxLaw2026{
    .Year = 2026,
    .Rules =
        {
            // 26 U.S.C. 86(b)(2): modified adjusted gross income plus tax-exempt interest.
            .StatutoryProvisionalIncome = true,
            // 26 U.S.C. 852(b)(3)(B): capital gain dividends are long-term capital gain.
            .GainsInTaxableIncome = true,
            // 26 U.S.C. 1(h)(1), (h)(11): Qualified Dividends and Capital Gain Tax Worksheet.
            .QualifiedRatesStacked = true,
            // A state taxes under its own law, not on the federal taxable income.
            .StateTaxStandsAlone = true,
        },
    // 26 U.S.C. 151(d)(5)(A): the exemption amount is zero.
    .PersonalExemption = 0,
    // Rev. Proc. 2025-32 sec. 4.14(1): basic standard deduction.
    .StandardDeduction = {16100, 32200},
    // Rev. Proc. 2025-32 sec. 4.14(3): additional amount for the aged.
    .AgedExtra = {2050, 1650},
    // 26 U.S.C. 151(d)(5)(C), tax years 2025 to 2028: 6,000 for each person 65 or
    // older, less 6 % of the modified adjusted gross income above 75,000 single,
    // 150,000 married filing jointly.
    .SeniorDeduction = {.PerSenior = 6000,
                        .LastYear = 2028,
                        .PhaseOutThreshold = {75000, 150000},
                        .PhaseOutPercent = 6},
    // Rev. Proc. 2025-32 sec. 4.01, table 3 (single) and table 1 (married filing jointly).
    .Brackets = {RateSchedule{7,
                              {12400, 50400, 105700, 201775, 256225, 640600},
                              {10, 12, 22, 24, 32, 35, 37}},
                 RateSchedule{7,
                              {24800, 100800, 211400, 403550, 512450, 768700},
                              {10, 12, 22, 24, 32, 35, 37}}},
    // 26 U.S.C. 86(c)(1): base amount (not indexed).
    .SocialSecurityBase1 = {25000, 32000},
    // 26 U.S.C. 86(c)(2): adjusted base amount (not indexed).
    .SocialSecurityBase2 = {34000, 44000},
    // Rev. Proc. 2025-32 sec. 4.03: maximum zero rate amount and maximum 15 %
    // rate amount; at a breakpoint the lower rate holds.
    .QualifiedRates = {.Count = 3,
                       .Breakpoints = {{49450, 545500}, {98900, 613700}},
                       .Rates = {0, 15, 20},
                       .LowerRateAtBreakpoint = true},
    // 26 U.S.C. 401(a)(9)(C)(v): from age 73, and from 75 for a person who attains
    // 74 after 2032 (born in 1960 or later), with the 2022 Uniform Lifetime Table above.
    .MinimumDistribution = {.FirstAge = 73,
                            .FirstAgeWords = "73",
                            .LaterFirstAge = 75,
                            .LaterFirstAgeWords = "75",
                            .LaterFirstAgeBirthYear = 1960,
                            .TableFirstAge = 72,
                            .Divisors = kUniformLifetimeTable2022},
    // 26 U.S.C. 1(j)(3), 1(h)(1) as amended in 2025, 63(c)(4) and 151(d)(5)(A):
    // the bracket tops, both qualified-rate breakpoints, the standard deduction and
    // the additional amount for the aged move with prices, rounded down to 50
    // dollars; the exemption is 0 and the senior deduction is not indexed.
    .Indexed = {.PersonalExemption = true,
                .StandardDeduction = true,
                .AgedExtra = true,
                .BracketTops = true,
                .QualifiedBreakpoints = true},
};

} // namespace velmora

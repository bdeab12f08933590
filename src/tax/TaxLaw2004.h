#pragma once
// Federal law of tax year 2004, figure by figure with its public source.

#include "tax/TaxLaw.h"

#include <array>

namespace velmora {

// Uniform Lifetime Table, 26 CFR 1.401(a)(9)-9, A-2 (final regulations of 2002,
// T.D. 8987): distribution periods for ages 71 to 115 and over.
inline constexpr std::array<double, 45> kUniformLifetimeTable2002{
    26.5, 25.6, 24.7, 23.8, 22.9, 22.0, 21.2, 20.3, 19.5, 18.7, 17.9, 17.1, 16.3, 15.5, 14.8,
    14.1, 13.4, 12.7, 12.0, 11.4, 10.8, 10.2, 9.6,  9.1,  8.6,  8.1,  7.6,  7.1,  6.7,  6.3,
    5.9,  5.5,  5.2,  4.9,  4.5,  4.2,  3.9,  3.7,  3.4,  3.1,  2.9,  2.6,  2.4,  2.1,  1.9};

// Figures by filing status are written single first, then married filing jointly.
inline constexpr TaxLaw kTaxLaw2004{
    .Year = 2004,
    // The rules the program's 2004 calculation has always followed: provisional
    // income without the withdrawal, distributions taxed apart from the taxable
    // income, dividends inside the bracket walk, no state tax without federal
    // taxable income.
    .Rules = {.StatutoryProvisionalIncome = false,
              .GainsInTaxableIncome = false,
              .QualifiedRatesStacked = false,
              .StateTaxStandsAlone = false},
    // 2004 Form 1040 instructions, exemptions: $3,100 for each exemption.
    .PersonalExemption = 3100,
    // 2004 Form 1040 instructions, Standard Deduction Chart for Most People.
    .StandardDeduction = {4850, 9700},
    // 2004 Form 1040 instructions, chart for people born before January 2, 1940
    // (65 or older): single 6,050; married 10,650 for one spouse, 11,600 for both.
    .AgedExtra = {1200, 950},
    // None before 2025: 26 U.S.C. 151(d)(5)(C) covers tax years 2025 to 2028.
    .SeniorDeduction = {.PerSenior = 0,
                        .LastYear = 0,
                        .PhaseOutThreshold = {0, 0},
                        .PhaseOutPercent = 0},
    // 2004 Form 1040 instructions, Tax Rate Schedules X (single) and Y-1 (married
    // filing jointly). Each status keeps its own rates, although they agree.
    .Brackets = {RateSchedule{6, {7150, 29050, 70350, 146750, 319100}, {10, 15, 25, 28, 33, 35}},
                 RateSchedule{6, {14300, 58100, 117250, 178650, 319100}, {10, 15, 25, 28, 33, 35}}},
    // 2004 Form 1040 instructions, Social Security Benefits Worksheet: $25,000 / $32,000.
    .SocialSecurityBase1 = {25000, 32000},
    // The same worksheet: $9,000 (married $12,000) above the first base.
    .SocialSecurityBase2 = {34000, 44000},
    // 2004 Form 1040 instructions, Qualified Dividends and Capital Gain Tax
    // Worksheet: 5 % below the top of the 15 % bracket, 15 % from that top on (the
    // program has always given the higher rate at the top itself).
    .QualifiedRates = {.Count = 2,
                       .Breakpoints = {{29050}, {58100}},
                       .Rates = {5, 15},
                       .LowerRateAtBreakpoint = false},
    // 26 U.S.C. 401(a)(9)(C) as in 2004: from age 70 1/2, so from 71 in whole
    // years, with the 2002 Uniform Lifetime Table above.
    .MinimumDistribution = {.FirstAge = 71,
                            .FirstAgeWords = "70 1/2",
                            .LaterFirstAge = 0,
                            .LaterFirstAgeWords = "",
                            .LaterFirstAgeBirthYear = 0,
                            .TableFirstAge = 71,
                            .Divisors = kUniformLifetimeTable2002},
    // 26 U.S.C. 1(f)(3), 63(c)(4) and 151(d)(4) as in 2004: the bracket tops (and
    // with them the top of the 15 % bracket where the qualified rates change),
    // the standard deduction, the additional amount for the aged and the
    // exemption move with prices, rounded down to 50 dollars.
    .Indexed = {.PersonalExemption = true,
                .StandardDeduction = true,
                .AgedExtra = true,
                .BracketTops = true,
                .QualifiedBreakpoints = true},
};

} // namespace velmora

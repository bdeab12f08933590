// The law of a later year: figures carried forward and rounded down to 50
// dollars, and the rules that change with the year and the birth year.

#include "tax/IndexedLaw.h"

#include "plan/FilingStatus.h"
#include "tax/TaxLaw2004.h"
#include "tax/TaxLaw2026.h"

#include <gtest/gtest.h>
#include <limits>
#include <optional>

namespace velmora {
namespace {

constexpr FilingStatus kSingle = FilingStatus::Single;
constexpr FilingStatus kMarried = FilingStatus::Married;

TEST(IndexedLaw, FiguresMoveWithPricesRoundedDownTo50) {
    // Three years at 3 %: 1.03^3 = 1.092727.
    const double f = 1.03 * 1.03 * 1.03;
    const std::optional<TaxLaw> law = IndexedLaw(kTaxLaw2026, 2029, f, 1950);
    ASSERT_TRUE(law);
    EXPECT_EQ(law->Year, 2029);
    EXPECT_EQ(law->PersonalExemption, 0);
    EXPECT_EQ(law->StandardDeduction[kSingle], 17550);               // 16,100 x f = 17,592.9
    EXPECT_EQ(law->StandardDeduction[kMarried], 35150);              // 32,200 x f = 35,185.8
    EXPECT_EQ(law->AgedExtra[kSingle], 2200);                        // 2,240.1
    EXPECT_EQ(law->AgedExtra[kMarried], 1800);                       // 1,803.0
    EXPECT_EQ(law->Brackets[kSingle].Tops[0], 13500);                // 12,400 x f = 13,549.8
    EXPECT_EQ(law->Brackets[kMarried].Tops[5], 839950);              // 768,700 x f = 839,979.3
    EXPECT_EQ(law->QualifiedRates.Breakpoints[kSingle][0], 54000);   // 54,035.4
    EXPECT_EQ(law->QualifiedRates.Breakpoints[kMarried][1], 670600); // 670,606.6
    // Not indexed: the Social Security base amounts, the rates.
    EXPECT_EQ(law->SocialSecurityBase1[kSingle], 25000);
    EXPECT_EQ(law->SocialSecurityBase2[kMarried], 44000);
    EXPECT_EQ(law->Brackets[kSingle].Rates[6], 37);
}

// 2004: the breakpoint of the qualified rates is the top of the 15 % bracket
// and stays so.
TEST(IndexedLaw, The2004BreakpointMovesWithTheTopOfThe15PercentBracket) {
    const std::optional<TaxLaw> law = IndexedLaw(kTaxLaw2004, 2005, 1.03, 1935);
    ASSERT_TRUE(law);
    EXPECT_EQ(law->PersonalExemption, 3150); // 3,193
    EXPECT_EQ(law->Brackets[kSingle].Tops[1], 29900);
    EXPECT_EQ(law->QualifiedRates.Breakpoints[kSingle][0], 29900);
    EXPECT_EQ(law->Brackets[kMarried].Tops[1], 59800);
    EXPECT_EQ(law->QualifiedRates.Breakpoints[kMarried][0], 59800);
}

TEST(IndexedLaw, RulesOfTheYearAndTheBirthYear) {
    struct Case {
        const TaxLaw* law;
        std::int32_t year;
        std::int64_t birthYear;
        std::int64_t seniorDeduction;
        std::int32_t firstAge;
    };
    for (const Case& c :
         {Case{&kTaxLaw2026, 2028, 1959, 6000, 73}, Case{&kTaxLaw2026, 2029, 1959, 0, 73},
          Case{&kTaxLaw2026, 2027, 1960, 6000, 75}, Case{&kTaxLaw2004, 2030, 1960, 0, 71}}) {
        const std::optional<TaxLaw> law = IndexedLaw(*c.law, c.year, 1.0, c.birthYear);
        ASSERT_TRUE(law);
        EXPECT_EQ(law->SeniorDeduction.PerSenior, c.seniorDeduction) << c.year;
        EXPECT_EQ(law->MinimumDistribution.FirstAge, c.firstAge) << c.birthYear;
    }
}

TEST(IndexedLaw, NoneWhenAFigureLeavesThe32BitRange) {
    EXPECT_FALSE(IndexedLaw(kTaxLaw2004, 2005, 1e6, 1950)); // 319,100 x 10^6
    EXPECT_FALSE(IndexedLaw(kTaxLaw2004, 2005, std::numeric_limits<double>::quiet_NaN(), 1950));
    EXPECT_TRUE(IndexedLaw(kTaxLaw2004, 2005, 0.0, 1950));
}

} // namespace
} // namespace velmora

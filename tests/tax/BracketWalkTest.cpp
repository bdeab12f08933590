// The bracket walk and the incremental rate at every bracket top, one dollar
// below and one above it, and a thousand dollars above it, for both filing statuses.
//
// Expected taxes are worked out by hand from the 2004 rate schedules, each
// bracket's tax rounded by itself (half to even):
//   single:  7150 * 10% = 715; 21900 * 15% = 3285; 41300 * 25% = 10325;
//            76400 * 28% = 21392; 172350 * 33% = 56875.5 -> 56876.
//            Cumulative at the tops: 715, 4000, 14325, 35717, 92593.
//   married: 14300 * 10% = 1430; 43800 * 15% = 6570; 59150 * 25% = 14787.5 -> 14788;
//            61400 * 28% = 17192; 140450 * 33% = 46348.5 -> 46348.
//            Cumulative at the tops: 1430, 8000, 22788, 39980, 86328.
// One dollar below a top: the top bracket loses one dollar of width, e.g.
// 29049 single -> 715 + Round(3284.85) = 4000; 319099 single -> 35717 + Round(56875.17)
// = 92592; 117249 married -> 8000 + Round(14787.25) = 22787.
// One dollar above: the next bracket holds 1 dollar, whose tax rounds to 0.
// A thousand above: plus 1000 times the next rate (e.g. 29050 + 1000 single: 4000 + 250).

#include "TaxTestHousehold.h"
#include "tax/FederalTax.h"

#include <array>
#include <gtest/gtest.h>
#include <ostream>

namespace velmora {
namespace {

struct WalkCase {
    const char* married;
    double taxable;
    double tax;
    double rate;
    int highestBracket; // 1 to 6: the bracket that holds the last dollar
    double highestAmount;
};

std::ostream& operator<<(std::ostream& out, const WalkCase& c) {
    return out << "Married=\"" << c.married << "\" taxable income " << c.taxable;
}

class BracketWalk : public ::testing::TestWithParam<WalkCase> {};

TEST_P(BracketWalk, TaxRateAndAmounts) {
    const WalkCase& c = GetParam();
    Workspace ws = testing::HouseholdWithTaxableIncome(c.married, c.taxable);
    ComputeFederalTax(ws);

    ASSERT_EQ(ws.tax.TaxableIncome, c.taxable) << c;
    EXPECT_EQ(ws.tax.FederalTax, c.tax)
        << c << ": expected tax " << c.tax << ", computed " << ws.tax.FederalTax;
    EXPECT_EQ(ws.tax.FederalBracketRate, c.rate)
        << c << ": expected rate " << c.rate << ", computed " << ws.tax.FederalBracketRate;

    // Brackets below the highest one are full, those above it are empty.
    const bool married = std::string(c.married) == "Yes";
    const std::array<double, 5> tops =
        married ? std::array<double, 5>{14300, 58100, 117250, 178650, 319100}
                : std::array<double, 5>{7150, 29050, 70350, 146750, 319100};
    for (int bracket = 1; bracket <= 6; ++bracket) {
        double expected = 0;
        if (bracket < c.highestBracket) {
            expected = tops[bracket - 1] - (bracket == 1 ? 0 : tops[bracket - 2]);
        } else if (bracket == c.highestBracket) {
            expected = c.highestAmount;
        }
        EXPECT_EQ(ws.tax.BracketAmounts[bracket - 1], expected)
            << c << ": amount of bracket " << bracket << " expected " << expected << ", computed "
            << ws.tax.BracketAmounts[bracket - 1];
    }
}

INSTANTIATE_TEST_SUITE_P(
    Single, BracketWalk,
    ::testing::Values(
        WalkCase{"No", 1, 0, 10, 1, 1},   // 0.1 rounds to 0
        WalkCase{"No", 5, 0, 10, 1, 5},   // 0.5 rounds to the even 0
        WalkCase{"No", 15, 2, 10, 1, 15}, // 1.5 rounds to the even 2
        WalkCase{"No", 7149, 715, 10, 1, 7149}, WalkCase{"No", 7150, 715, 10, 1, 7150},
        WalkCase{"No", 7151, 715, 15, 2, 1}, WalkCase{"No", 8150, 865, 15, 2, 1000},
        WalkCase{"No", 29049, 4000, 15, 2, 21899}, WalkCase{"No", 29050, 4000, 15, 2, 21900},
        WalkCase{"No", 29051, 4000, 25, 3, 1}, WalkCase{"No", 30050, 4250, 25, 3, 1000},
        WalkCase{"No", 50000, 9238, 25, 3, 20950}, WalkCase{"No", 70349, 14325, 25, 3, 41299},
        WalkCase{"No", 70350, 14325, 25, 3, 41300}, WalkCase{"No", 70351, 14325, 28, 4, 1},
        WalkCase{"No", 71350, 14605, 28, 4, 1000}, WalkCase{"No", 146749, 35717, 28, 4, 76399},
        WalkCase{"No", 146750, 35717, 28, 4, 76400}, WalkCase{"No", 146751, 35717, 33, 5, 1},
        WalkCase{"No", 147750, 36047, 33, 5, 1000}, WalkCase{"No", 319099, 92592, 33, 5, 172349},
        WalkCase{"No", 319100, 92593, 33, 5, 172350}, WalkCase{"No", 319101, 92593, 35, 6, 1},
        WalkCase{"No", 320100, 92943, 35, 6, 1000}));

INSTANTIATE_TEST_SUITE_P(
    Married, BracketWalk,
    ::testing::Values(
        WalkCase{"Yes", 14299, 1430, 10, 1, 14299}, WalkCase{"Yes", 14300, 1430, 10, 1, 14300},
        WalkCase{"Yes", 14301, 1430, 15, 2, 1}, WalkCase{"Yes", 15300, 1580, 15, 2, 1000},
        WalkCase{"Yes", 58099, 8000, 15, 2, 43799}, WalkCase{"Yes", 58100, 8000, 15, 2, 43800},
        WalkCase{"Yes", 58101, 8000, 25, 3, 1}, WalkCase{"Yes", 59100, 8250, 25, 3, 1000},
        WalkCase{"Yes", 117249, 22787, 25, 3, 59149}, WalkCase{"Yes", 117250, 22788, 25, 3, 59150},
        WalkCase{"Yes", 117251, 22788, 28, 4, 1}, WalkCase{"Yes", 118250, 23068, 28, 4, 1000},
        WalkCase{"Yes", 178649, 39980, 28, 4, 61399}, WalkCase{"Yes", 178650, 39980, 28, 4, 61400},
        WalkCase{"Yes", 178651, 39980, 33, 5, 1}, WalkCase{"Yes", 179650, 40310, 33, 5, 1000},
        WalkCase{"Yes", 319099, 86328, 33, 5, 140449},
        WalkCase{"Yes", 319100, 86328, 33, 5, 140450}, WalkCase{"Yes", 319101, 86328, 35, 6, 1},
        WalkCase{"Yes", 320100, 86678, 35, 6, 1000}));

} // namespace
} // namespace velmora

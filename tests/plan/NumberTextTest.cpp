#include "plan/NumberText.h"

#include "DecimalCommaLocale.h"

#include <gtest/gtest.h>
#include <limits>

namespace velmora {
namespace {

TEST(Round, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(Round(2.5), 2.0);
    EXPECT_EQ(Round(3.5), 4.0);
    EXPECT_EQ(Round(-2.5), -2.0);
    EXPECT_EQ(Round(5237.5), 5238.0);
    EXPECT_EQ(Round(1234.5), 1234.0);
    EXPECT_EQ(Round(1235.5), 1236.0);
    EXPECT_EQ(Round(2.4999), 2.0);
    EXPECT_EQ(Round(12.5), 12.0);
    EXPECT_EQ(Round(37.5), 38.0);
}

TEST(RealText, GeneralFormWithFifteenDigits) {
    EXPECT_EQ(RealText(25.0), "25");
    EXPECT_EQ(RealText(100.25), "100.25");
    EXPECT_EQ(RealText(2.00025), "2.00025");
    EXPECT_EQ(RealText(-0.0), "0");
    EXPECT_EQ(RealText(0.1 + 0.2), "0.3");
    EXPECT_EQ(RealText(100000.0 / 26.5), "3773.58490566038");
    EXPECT_EQ(RealText(-1.5), "-1.5");
    EXPECT_EQ(RealText(44450.0), "44450");
    // Whole numbers: their digits up to 15 of them, then an exponent.
    EXPECT_EQ(RealText(-5518.0), "-5518");
    EXPECT_EQ(RealText(999999999999999.0), "999999999999999");
    EXPECT_EQ(RealText(-999999999999999.0), "-999999999999999");
    EXPECT_EQ(RealText(1e15), "1e+15");
    EXPECT_EQ(RealText(1234567890123456.0), "1.23456789012346e+15");
}

// The desktop applies the user's locale to the C library at start-up; the texts
// keep their point whatever number format that locale has.
TEST(RealText, SameUnderALocaleWithADecimalComma) {
    const testing::DecimalCommaLocale comma;
    if (!comma.Active()) {
        GTEST_SKIP() << "no locale with a decimal comma can be set up on this machine";
    }
    EXPECT_EQ(RealText(100.25), "100.25");
    EXPECT_EQ(RealText(100000.0 / 26.5), "3773.58490566038");
    EXPECT_EQ(RealText(-1.5e20), "-1.5e+20");
    EXPECT_EQ(RealText(2.0 / 3.0), "0.666666666666667");
    EXPECT_EQ(WholeText(23917.5), "23918");
    EXPECT_EQ(DollarText(1234567.0), "1234567");
}

TEST(IntText, PlainDigitsWithMinus) {
    EXPECT_EQ(IntText(0), "0");
    EXPECT_EQ(IntText(-42), "-42");
    EXPECT_EQ(IntText(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808");
    EXPECT_EQ(WholeText(23917.5), "23918");
    EXPECT_EQ(WholeText(-0.4), "0");
}

TEST(DollarText, AllDigitsWithoutExponent) {
    EXPECT_EQ(DollarText(3070.0), "3070");
    EXPECT_EQ(DollarText(-12.0), "-12");
    EXPECT_EQ(DollarText(-0.3), "0");
    EXPECT_EQ(DollarText(2.5), "2");
    EXPECT_EQ(DollarText(1e15), "1000000000000000");
    EXPECT_EQ(DollarText(36028797018963968.0), "36028797018963968");
    EXPECT_EQ(DollarText(-9007199254740993.0), "-9007199254740992");
    EXPECT_EQ(DollarText(1e300).size(), 301u);
}

TEST(LeadingDigits, ReadsSignAndDigitsUpToTheFirstOtherCharacter) {
    EXPECT_EQ(LeadingDigits(""), 0);
    EXPECT_EQ(LeadingDigits("   "), 0);
    EXPECT_EQ(LeadingDigits(" 12abc"), 12);
    EXPECT_EQ(LeadingDigits("-7"), -7);
    EXPECT_EQ(LeadingDigits("+7"), 7);
    EXPECT_EQ(LeadingDigits("abc"), 0);
    EXPECT_EQ(LeadingDigits("1 2"), 1);
    EXPECT_EQ(LeadingDigits("- 5"), 0);
    EXPECT_EQ(LeadingDigits("007"), 7);
}

TEST(LeadingDigits, SaturatesBeyondThe32BitRange) {
    EXPECT_EQ(LeadingDigits("2147483647"), 2147483647);
    EXPECT_EQ(LeadingDigits("-2147483648"), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(LeadingDigits("99999999999999999999"), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(LeadingDigits("-99999999999999999999"), std::numeric_limits<std::int32_t>::min());
}

} // namespace
} // namespace velmora

// The input-mask rules of grid cells, on the masks the screens use.

#include "app/EditMask.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace velmora {
namespace {

std::optional<std::u32string> Conform(const char* mask, std::u32string_view text) {
    return EditMask(mask).Conform(text);
}

TEST(EditMaskTest, NumberFieldsTakeUpToTheirWidthInDigits) {
    EXPECT_EQ(EditMask("000000").Positions(), 6u);
    EXPECT_EQ(Conform("000000", U"40000"), U"40000");
    EXPECT_EQ(Conform("000000", U"999999"), U"999999");
    EXPECT_EQ(Conform("000000", U"1000000"), std::nullopt) << "seven digits in six positions";
    EXPECT_EQ(Conform("00", U"7"), U"7");
    EXPECT_EQ(Conform("0", U"12"), std::nullopt);
    for (const char32_t* refused : {U"-5", U"+5", U" 5", U"5 ", U"1a", U"x", U"1.5"}) {
        EXPECT_EQ(Conform("000000", refused), std::nullopt)
            << "accepted \""
            << std::string(refused, refused + std::char_traits<char32_t>::length(refused)) << "\"";
    }
}

TEST(EditMaskTest, ShortAndEmptyNumbersAreComplete) {
    const EditMask budget("000000");
    EXPECT_TRUE(budget.IsComplete(U"40000"));
    EXPECT_TRUE(budget.IsComplete(U"7"));
    EXPECT_TRUE(budget.IsComplete(U"")) << "an emptied number cell gives 0";
    EXPECT_FALSE(budget.IsComplete(U"1234567"));
    EXPECT_FALSE(budget.IsComplete(U"-5")) << "a plan-file value that does not fit";
}

TEST(EditMaskTest, OptionalCharacterPositionsTakeAnythingButControls) {
    const EditMask name("cccccccccc");
    EXPECT_EQ(name.Conform(U"City Bond"), U"City Bond");
    EXPECT_EQ(name.Conform(U"12-b/ \u00e9\u20ac"), U"12-b/ \u00e9\u20ac");
    EXPECT_EQ(name.Conform(U"0123456789"), U"0123456789");
    EXPECT_EQ(name.Conform(U"01234567890"), std::nullopt) << "eleven characters";
    EXPECT_EQ(name.Conform(U"a\tb"), std::nullopt);
    EXPECT_EQ(name.Conform(U"a\nb"), std::nullopt);
    EXPECT_EQ(name.Conform(U"a\u0085"), std::nullopt);
    EXPECT_TRUE(name.IsComplete(U""));
    EXPECT_TRUE(name.IsComplete(U"x"));
}

TEST(EditMaskTest, FlagCellsTakeOneLetterInUpperCase) {
    const EditMask flag(">L");
    EXPECT_EQ(flag.Positions(), 1u);
    EXPECT_EQ(flag.Conform(U"y"), U"Y");
    EXPECT_EQ(flag.Conform(U"N"), U"N");
    EXPECT_EQ(flag.Conform(U"\u00e9"), U"\u00c9");
    EXPECT_EQ(flag.Conform(U"\u00ff"), U"\u0178");
    EXPECT_EQ(flag.Conform(U"\u00df"), U"\u00df") << "sharp s has no capital in the character set";
    EXPECT_EQ(flag.Conform(U"1"), std::nullopt);
    EXPECT_EQ(flag.Conform(U" "), std::nullopt);
    EXPECT_EQ(flag.Conform(U"\u00f7"), std::nullopt) << "division sign is no letter";
    EXPECT_EQ(flag.Conform(U"YN"), std::nullopt);
    EXPECT_EQ(flag.Conform(U""), U"") << "may be empty while typing";
    EXPECT_FALSE(flag.IsComplete(U"")) << "the required letter is missing";
    EXPECT_TRUE(flag.IsComplete(U"Y"));
    EXPECT_FALSE(flag.IsComplete(U"5"));
}

TEST(EditMaskTest, UpperCaseAppliesOnlyAfterTheMarker) {
    EXPECT_EQ(Conform("c>cc", U"abc"), U"aBC");
    EXPECT_EQ(Conform("L>L", U"ab"), U"aB");
    EXPECT_EQ(Conform("L>L", U"a"), U"a");
    EXPECT_FALSE(EditMask("L>L").IsComplete(U"a"));
}

TEST(EditMaskTest, MixedMasksFillFromTheLeft) {
    const EditMask mask("00L");
    EXPECT_EQ(mask.Conform(U"12A"), U"12A");
    EXPECT_EQ(mask.Conform(U"1A"), U"1A") << "the number field may be short";
    EXPECT_EQ(mask.Conform(U"A"), U"A") << "or empty";
    EXPECT_EQ(mask.Conform(U"123"), std::nullopt);
    EXPECT_TRUE(mask.IsComplete(U"A"));
    EXPECT_FALSE(mask.IsComplete(U"12"));
}

TEST(EditMaskTest, EmptyMaskRefusesOnlyControlCharacters) {
    const EditMask none("");
    EXPECT_TRUE(none.IsEmpty());
    EXPECT_EQ(none.Conform(U"anything at all, however long it is"),
              U"anything at all, however long it is");
    EXPECT_EQ(none.Conform(U"a\rb"), std::nullopt);
    EXPECT_TRUE(none.IsComplete(U""));
}

TEST(EditMaskTest, TextsThatDoNotFitMayOnlyBeShortened) {
    const EditMask budget("000000");
    EXPECT_EQ(budget.Admit(U"-5", U"-"), U"-") << "deleting from a plan-file value";
    EXPECT_EQ(budget.Admit(U"1234567", U"123456"), U"123456");
    EXPECT_EQ(budget.Admit(U"1234567", U"12345678"), std::nullopt);
    EXPECT_EQ(budget.Admit(U"-5", U"-55"), std::nullopt);
    EXPECT_EQ(budget.Admit(U"12", U"123"), U"123");
    EXPECT_EQ(EditMask(">L").Admit(U"", U"n"), U"N");
    EXPECT_EQ(EditMask("ccc").Admit(U"abcdef", U"ab\n"), std::nullopt);
}

} // namespace
} // namespace velmora

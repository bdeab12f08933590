// The input-mask rules of grid cells, on the masks the screens use.

#include "grid/EditMask.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace velmora {
namespace {

std::optional<std::u32string> Conform(const char* mask, std::u32string_view text) {
    return EditMask(mask).Conform(text);
}

TEST(EditMaskTest, DigitPositionsTakeOneDigitEach) {
    EXPECT_EQ(EditMask("000000").Positions(), 6u);
    EXPECT_EQ(Conform("000000", U"040000"), U"040000");
    EXPECT_EQ(Conform("000000", U"999999"), U"999999");
    EXPECT_EQ(Conform("000000", U"4000"), U"4000") << "while it is typed";
    EXPECT_EQ(Conform("000000", U"1000000"), std::nullopt) << "seven digits in six positions";
    EXPECT_EQ(Conform("0", U"12"), std::nullopt);
    for (const char32_t* refused : {U"-5", U"+5", U" 5", U"5 ", U"1a", U"x", U"4.5", U"4,5"}) {
        EXPECT_EQ(Conform("000000", refused), std::nullopt)
            << "accepted \""
            << std::string(refused, refused + std::char_traits<char32_t>::length(refused)) << "\"";
    }
}

TEST(EditMaskTest, EveryDigitPositionIsRequired) {
    const EditMask age("000");
    EXPECT_TRUE(age.IsComplete(U"065"));
    EXPECT_TRUE(age.IsComplete(U"000"));
    EXPECT_FALSE(age.IsComplete(U"65"));
    EXPECT_FALSE(age.IsComplete(U"")) << "an emptied cell fills no position";
    EXPECT_FALSE(age.IsComplete(U"0650"));
    EXPECT_FALSE(age.IsComplete(U"-65")) << "a plan-file value that does not fit";
    EXPECT_TRUE(EditMask("0").IsComplete(U"3"));
    EXPECT_FALSE(EditMask("00").IsComplete(U"7"));
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
    const EditMask mask("00Lc");
    EXPECT_EQ(mask.Conform(U"12a"), U"12a");
    EXPECT_EQ(mask.Conform(U"1"), U"1");
    EXPECT_EQ(mask.Conform(U"1A"), std::nullopt) << "the letter position is the third";
    EXPECT_EQ(mask.Conform(U"A"), std::nullopt);
    EXPECT_EQ(mask.Conform(U"12A?!"), std::nullopt);
    EXPECT_TRUE(mask.IsComplete(U"12A")) << "the last position is optional";
    EXPECT_TRUE(mask.IsComplete(U"12A?"));
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
    EXPECT_EQ(budget.Admit(U"12", U"12.5"), std::nullopt);
    EXPECT_EQ(EditMask(">L").Admit(U"", U"n"), U"N");
    EXPECT_EQ(EditMask("ccc").Admit(U"abcdef", U"ab\n"), std::nullopt);
    // Shortening is deleting: a character typed over a selection is checked.
    EXPECT_EQ(budget.Admit(U"60000", U"$"), std::nullopt) << "typed over the whole text";
    EXPECT_EQ(budget.Admit(U"60000", U"6$"), std::nullopt) << "typed over part of it";
    EXPECT_EQ(budget.Admit(U"1234567", U"17"), U"17") << "a middle part deleted";
    EXPECT_EQ(budget.Admit(U"-5", U"5"), U"5");
    EXPECT_EQ(budget.Admit(U"-5x", U"-y"), std::nullopt);
}

TEST(EditMaskTest, UnfilledRequiredPositionsAreMarked) {
    EXPECT_EQ(EditMask("000").Unfilled(U""), U"___");
    EXPECT_EQ(EditMask("000").Unfilled(U"06"), U"_");
    EXPECT_EQ(EditMask("000").Unfilled(U"067"), U"");
    EXPECT_EQ(EditMask("00Lcc").Unfilled(U"1"), U"__") << "optional positions take no mark";
    EXPECT_EQ(EditMask("000000").Unfilled(U"-5"), U"") << "a text that does not fit";
    EXPECT_EQ(EditMask("").Unfilled(U""), U"");
}

TEST(EditMaskTest, APointOrCommaInAWholeNumberCellIsSaidInFull) {
    EXPECT_EQ(EditMask("00").Hint(U"4."),
              "Whole numbers only: 4.5 cannot be entered, type 04 or 05");
    EXPECT_EQ(EditMask("00").Hint(U"4.25"),
              "Whole numbers only: 4.25 cannot be entered, type 04 or 05");
    EXPECT_EQ(EditMask("00").Hint(U"."),
              "Whole numbers only: 0.5 cannot be entered, type 00 or 01");
    EXPECT_EQ(EditMask("00").Hint(U"99."), "Whole numbers only: 99.5 cannot be entered, type 99")
        << "100 does not fit";
    EXPECT_EQ(EditMask("00").Hint(U"4,"),
              "Whole numbers only: 4,5 cannot be entered, type 04 or 05")
        << "no room for thousands";
    EXPECT_EQ(EditMask("000000").Hint(U"5,"),
              "Whole numbers only: 5,000 cannot be entered, type 005000");
    EXPECT_EQ(EditMask("000000").Hint(U"12,5"),
              "Whole numbers only: 12,500 cannot be entered, type 012500");
    EXPECT_EQ(EditMask("000000").Hint(U"1234,"),
              "Whole numbers only: 1234,5 cannot be entered, type 001234 or 001235");
    EXPECT_EQ(EditMask("000").Hint(U"-4."), "Whole numbers only") << "not a number before it";
}

TEST(EditMaskTest, HintsSayWhatTheCellTakes) {
    EXPECT_EQ(EditMask("000").Hint(U"-"), "Whole numbers only");
    EXPECT_EQ(EditMask("000").Hint(U"6$"), "Whole numbers only");
    EXPECT_EQ(EditMask("000").Hint(U"0655"), "3 digits, for example 067");
    EXPECT_EQ(EditMask("000").Hint(U"65"), "3 digits, for example 067") << "left incomplete";
    EXPECT_EQ(EditMask("00").Hint(U""), "2 digits, for example 06");
    EXPECT_EQ(EditMask("000000").Hint(U"1234567"), "6 digits, for example 067000");
    EXPECT_EQ(EditMask("0").Hint(U"12"), "1 digit, 0 to 9");
    EXPECT_EQ(EditMask("cccccccccc").Hint(U"Treasury 2010"), "Up to 10 characters");
    EXPECT_EQ(EditMask(">L").Hint(U"5"), "Y or N");
    EXPECT_EQ(EditMask(">L").Hint(U"YN"), "Y or N");
    EXPECT_EQ(EditMask("00Lc").Hint(U"1A"), "2 digits, then 1 letter, then up to 1 character");
    EXPECT_EQ(EditMask("ccc").Hint(U"a\tb"), "No tabs or line breaks");
    EXPECT_EQ(EditMask("").Hint(U"a\nb"), "No tabs or line breaks");
    EXPECT_EQ(EditMask("").Hint(U"x"), "");
}

} // namespace
} // namespace velmora

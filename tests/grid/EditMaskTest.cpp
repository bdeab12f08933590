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

// Whether a cell with `mask` may be left with `text`.
bool Leaves(const EditMask& mask, std::u32string_view text) {
    return mask.Leave(text).verdict == EditMask::Leaving::Verdict::Kept;
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

TEST(EditMaskTest, FlagCellsMustBeFilledToBeLeft) {
    using Verdict = EditMask::Leaving::Verdict;
    EXPECT_EQ(EditMask(">L").Leave(U"").verdict, Verdict::Incomplete);
    EXPECT_EQ(EditMask(">L").Leave(U"").note, "Y or N");
    EXPECT_EQ(EditMask(">L").Leave(U"Y").verdict, Verdict::Kept);
    EXPECT_EQ(EditMask("00Lc").Leave(U"12").verdict, Verdict::Incomplete);
    EXPECT_EQ(EditMask("00Lc").Leave(U"12A").text, U"12A") << "the last position is optional";
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
    EXPECT_TRUE(Leaves(name, U""));
    EXPECT_TRUE(Leaves(name, U"x"));
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
    EXPECT_FALSE(Leaves(flag, U"")) << "the required letter is missing";
    EXPECT_TRUE(Leaves(flag, U"Y"));
    EXPECT_FALSE(Leaves(flag, U"5"));
}

TEST(EditMaskTest, UpperCaseAppliesOnlyAfterTheMarker) {
    EXPECT_EQ(Conform("c>cc", U"abc"), U"aBC");
    EXPECT_EQ(Conform("L>L", U"ab"), U"aB");
    EXPECT_EQ(Conform("L>L", U"a"), U"a");
    EXPECT_FALSE(Leaves(EditMask("L>L"), U"a"));
}

TEST(EditMaskTest, MixedMasksFillFromTheLeft) {
    const EditMask mask("00Lc");
    EXPECT_EQ(mask.Conform(U"12a"), U"12a");
    EXPECT_EQ(mask.Conform(U"1"), U"1");
    EXPECT_EQ(mask.Conform(U"1A"), std::nullopt) << "the letter position is the third";
    EXPECT_EQ(mask.Conform(U"A"), std::nullopt);
    EXPECT_EQ(mask.Conform(U"12A?!"), std::nullopt);
    EXPECT_TRUE(Leaves(mask, U"12A?"));
}

TEST(EditMaskTest, EmptyMaskRefusesOnlyControlCharacters) {
    const EditMask none("");
    EXPECT_TRUE(none.IsEmpty());
    EXPECT_EQ(none.Conform(U"anything at all, however long it is"),
              U"anything at all, however long it is");
    EXPECT_EQ(none.Conform(U"a\rb"), std::nullopt);
    EXPECT_TRUE(Leaves(none, U""));
}

TEST(EditMaskTest, TextsThatDoNotFitMayOnlyBeShortened) {
    const EditMask flag(">L");
    EXPECT_EQ(flag.Admit(U"Yes", U"Ye"), U"Ye") << "deleting from a plan-file value";
    EXPECT_EQ(flag.Admit(U"Yes", U"Yess"), std::nullopt);
    EXPECT_EQ(flag.Admit(U"", U"n"), U"N");
    EXPECT_EQ(flag.Admit(U"Yes", U"Y1s"), std::nullopt) << "typed over part of it";
    const EditMask budget("000000");
    EXPECT_EQ(budget.Admit(U"-5", U"-"), U"-");
    EXPECT_EQ(budget.Admit(U"-5", U"-55"), std::nullopt);
    EXPECT_EQ(EditMask("ccc").Admit(U"abcdef", U"ab\n"), std::nullopt);
}

TEST(EditMaskTest, NumbersAndNamesStandAsTypedUntilTheCellIsLeft) {
    const EditMask budget("000000");
    for (const char32_t* typed : {U"$", U"$60,000", U"1000000", U"4.5", U"1,000,000", U"."}) {
        EXPECT_EQ(budget.Admit(U"", typed), typed);
    }
    for (const char32_t* refused : {U"-5", U"6$", U"1 000", U"a", U"5\t"}) {
        EXPECT_EQ(budget.Admit(U"", refused), std::nullopt);
    }
    EXPECT_EQ(EditMask("cccccccccc").Admit(U"", U"Vanguard Total Bond"), U"Vanguard Total Bond");
    EXPECT_EQ(EditMask(">L").Admit(U"", U"YN"), std::nullopt);
}

// What a cell stores while a text is typed (nothing: it keeps the value it
// had) and what it keeps when it is left, or the note that refuses it.
TEST(EditMaskTest, LeavingACellKeepsTheNumberTypedOrRefusesItWhole) {
    using Verdict = EditMask::Leaving::Verdict;
    struct Case {
        const char* mask;
        std::u32string_view typed;
        std::optional<std::u32string> stored;
        Verdict verdict;
        std::u32string kept;
        std::string note;
    };
    const Case cases[] = {
        {"000", U"67", U"67", Verdict::Kept, U"067", ""},
        {"000", U"0", U"0", Verdict::Kept, U"000", ""},
        {"000", U"", U"", Verdict::Kept, U"000", ""},
        {"000", U"0067", U"67", Verdict::Kept, U"067", ""},
        {"000000", U"60,000", U"60000", Verdict::Kept, U"060000", ""},
        {"000000", U"$60,000", U"60000", Verdict::Kept, U"060000", ""},
        {"000000", U"$", U"", Verdict::Kept, U"000000", ""},
        {"000000", U"999,999", U"999999", Verdict::Kept, U"999999", ""},
        {"00", U"4.", U"4", Verdict::Kept, U"04", ""},
        {"00", U"4.5", std::nullopt, Verdict::Refused, U"",
         "Whole numbers only: 4.5 cannot be entered, type 4 or 5"},
        {"00", U"99.9", std::nullopt, Verdict::Refused, U"",
         "Whole numbers only: 99.9 cannot be entered, type 99"},
        {"00", U".5", std::nullopt, Verdict::Refused, U"",
         "Whole numbers only: .5 cannot be entered, type 0 or 1"},
        {"00", U"4,5", std::nullopt, Verdict::Refused, U"",
         "Whole numbers only: 4,5 cannot be entered, type 4 or 5"},
        {"000000", U"1000,5", std::nullopt, Verdict::Refused, U"",
         "Whole numbers only: 1000,5 cannot be entered, type 1000 or 1001"},
        {"000000", U"$1,000.75", std::nullopt, Verdict::Refused, U"",
         "Whole numbers only: 1,000.75 cannot be entered, type 1000 or 1001"},
        {"000000", U"12,5", std::nullopt, Verdict::Refused, U"",
         "Whole numbers only: 12,5 cannot be entered, type 12 or 13"},
        {"000000", U"1000000", std::nullopt, Verdict::Refused, U"",
         "Too large: this cell takes 0 to 999999"},
        {"000000", U"1,000,000", std::nullopt, Verdict::Refused, U"",
         "Too large: this cell takes 0 to 999999"},
        {"000000", U"1234567.5", std::nullopt, Verdict::Refused, U"",
         "Too large: this cell takes 0 to 999999"},
        {"0", U"12", std::nullopt, Verdict::Refused, U"", "Too large: this cell takes 0 to 3"},
        {"000000", U"1,2,3", std::nullopt, Verdict::Refused, U"", "Whole numbers only"},
        {"000000", U"4.5.6", std::nullopt, Verdict::Refused, U"", "Whole numbers only"},
        {"000000", U".", std::nullopt, Verdict::Refused, U"", "Whole numbers only"},
        {"000000", U"-", std::nullopt, Verdict::Refused, U"", "Whole numbers only"},
        {"cccccccccc", U"City Bond", U"City Bond", Verdict::Kept, U"City Bond", ""},
        {"cccccccccc", U"Total Bond Index", std::nullopt, Verdict::Refused, U"",
         "Too long: up to 10 characters"},
        {">L", U"y", U"y", Verdict::Kept, U"Y", ""},
    };
    for (const Case& c : cases) {
        const std::string typed(c.typed.begin(), c.typed.end());
        const EditMask mask(c.mask);
        EXPECT_EQ(mask.Stored(c.typed), c.stored) << c.mask << " \"" << typed << "\"";
        const EditMask::Leaving leaving = mask.Leave(c.typed);
        EXPECT_EQ(leaving.verdict, c.verdict) << c.mask << " \"" << typed << "\"";
        EXPECT_EQ(leaving.text, c.kept) << c.mask << " \"" << typed << "\"";
        EXPECT_EQ(leaving.note, c.note) << c.mask << " \"" << typed << "\"";
    }
}

TEST(EditMaskTest, ThousandsOnTheirWayAreNotStoredNorSaidYet) {
    const EditMask budget("000000");
    for (const char32_t* typed : {U"1,", U"1,0", U"1,00", U"999,99"}) {
        EXPECT_FALSE(budget.Leave(typed).atOnce);
    }
    EXPECT_EQ(budget.Leave(U"1,000,0").note, "Too large: this cell takes 0 to 999999");
    EXPECT_TRUE(budget.Leave(U"1,000,0").atOnce) << "a seventh digit on its way";
    EXPECT_EQ(budget.Stored(U"1,"), U"1");
    EXPECT_EQ(budget.Stored(U"1,0"), std::nullopt);
    EXPECT_EQ(budget.Stored(U"1,000"), U"1000");
    EXPECT_TRUE(budget.Leave(U"4.5").atOnce);
    EXPECT_TRUE(budget.Leave(U"1234567").atOnce);
    EXPECT_TRUE(EditMask("00").Leave(U"4,5").atOnce) << "no room for thousands";
}

TEST(EditMaskTest, UnfilledRequiredPositionsAreMarked) {
    EXPECT_EQ(EditMask(">L").Unfilled(U""), U"_");
    EXPECT_EQ(EditMask("00Lcc").Unfilled(U"1"), U"__") << "optional positions take no mark";
    EXPECT_EQ(EditMask("000").Unfilled(U"6"), U"") << "a number cell fills its own zeros";
    EXPECT_EQ(EditMask(">L").Unfilled(U"YN"), U"") << "a text that does not fit";
    EXPECT_EQ(EditMask("").Unfilled(U""), U"");
}

TEST(EditMaskTest, HintsSayWhatTheCellTakes) {
    EXPECT_EQ(EditMask("000").Hint(U""), "Whole number, 0 to 999");
    EXPECT_EQ(EditMask("0").Hint(U""), "Whole number, 0 to 3") << "the risk category";
    EXPECT_EQ(EditMask("000").Hint(U"-"), "Whole numbers only");
    EXPECT_EQ(EditMask("000").Hint(U"6$"), "Whole numbers only");
    EXPECT_EQ(EditMask("cccccccccc").Hint(U"Treasury 2010"), "Up to 10 characters");
    EXPECT_EQ(EditMask(">L").Hint(U"5"), "Y or N");
    EXPECT_EQ(EditMask("00Lc").Hint(U"1A"), "2 digits, then 1 letter, then up to 1 character");
    EXPECT_EQ(EditMask("ccc").Hint(U"a\tb"), "No tabs or line breaks");
    EXPECT_EQ(EditMask("").Hint(U"a\nb"), "No tabs or line breaks");
    EXPECT_EQ(EditMask("").Hint(U"x"), "");
}

} // namespace
} // namespace velmora

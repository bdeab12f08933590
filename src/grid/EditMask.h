#pragma once
// The input mask of a grid cell. A mask is a string of position letters:
//   "0"  one required digit
//   "c"  one optional position for any character
//   "L"  one required letter
//   ">"  not a position: the letters in the positions after it are upper case
// Any other mask character counts as a "c" position. An empty mask restricts
// nothing but control characters.
//
// How the rules apply to what a user types:
// - Characters fill the positions from the left, each of the kind its position
//   takes; a cell holds at most as many characters as its mask has positions.
//   No position takes a control character, and no digit position a sign or a
//   blank.
// - A number cell (digit positions only) takes a number as people write it:
//   "$" in front and thousands commas are left out, and the cell fills its own
//   zeros in front when it is left ("67" in "000" is kept as "067", an emptied
//   cell as "000"). A fraction ("4.5", "1000,5") or more digits than the cell
//   has positions is refused whole: while it stands in the cell, the cell keeps
//   the value it had, and the cell cannot be left with it.
// - A name cell (optional positions only) may hold a longer text while it is
//   typed, which it refuses whole in the same way.
// - Any other cell is complete when every required position holds its
//   character: a flag cell ">L" left empty is not. A changed cell that is not
//   complete cannot be left (the grid refuses it and Escape brings back the old
//   text).
// - A cell may show a text that does not fit its mask (a value read from the
//   plan file, such as "-5"). Such a text may be shortened while it is edited,
//   but it can only be left changed once it fits.
// Letters are the letters of the plan file's character set (Windows-1252).

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

class EditMask {
public:
    explicit EditMask(std::string_view mask = {});

    bool IsEmpty() const { return slots_.empty(); }
    // The number of character positions, the longest text that fits.
    std::size_t Positions() const { return slots_.size(); }

    // The text as it stands in the mask (letters after ">" upper case), or
    // nothing when it cannot stand there.
    std::optional<std::u32string> Conform(std::u32string_view text) const;

    // A change of an edited cell from `before` to `after`: the text to show, or
    // nothing when the change is refused. A text that does not fit may still
    // be shortened by deleting characters from it.
    std::optional<std::u32string> Admit(std::u32string_view before,
                                        std::u32string_view after) const;

    // One "_" for each required position that the text leaves unfilled, as the
    // open editor shows them after the text: "_" for "Y" in ">LL". None for a
    // text that does not fit, and none in a number cell, which fills its own
    // zeros.
    std::u32string Unfilled(std::u32string_view text) const;

    // Digit positions only: the cell of a whole number.
    bool IsNumber() const;
    // Optional positions only: the cell of a name.
    bool IsName() const;

    // The text the cell stores while `text` is typed: a number cell's digits
    // ("60000" for "$60,000"), another cell's text as it stands; nothing while
    // the text is no whole entry (a fraction, a number or name too long,
    // thousands not yet complete), so that the cell keeps the value it had.
    std::optional<std::u32string> Stored(std::u32string_view text) const;

    // What becomes of a changed text when its cell is left.
    struct Leaving {
        enum class Verdict {
            Kept,       // the cell keeps `text`
            Refused,    // refused whole, `note` says why (never a box)
            Incomplete, // not every required position is filled; `note` gives the form
        };
        Verdict verdict = Verdict::Kept;
        std::u32string text;
        std::string note;
        // Refused whatever is typed after it ("4.5", "1000000" in six
        // positions): worth saying as soon as it is typed.
        bool atOnce = false;
    };
    Leaving Leave(std::u32string_view text) const;

    // What the cell takes, in a few plain words, for a text that the mask
    // refused or that does not complete it ("Whole numbers only", "Up to 10
    // characters", "Y or N"); for the empty text, the form the cell takes
    // ("Whole number, 0 to 999"). Empty for a mask that restricts nothing.
    std::string Hint(std::u32string_view text) const;

    static bool IsLetter(char32_t c);
    static bool IsControl(char32_t c);
    static char32_t ToUpper(char32_t c);

private:
    enum class Kind { Digit, Letter, Any };
    struct Slot {
        Kind kind;
        bool upper;
    };
    struct Match {
        std::u32string text;
        bool complete = true;
    };
    std::optional<Match> Fit(std::u32string_view text) const;
    // The number of positions of the run of one kind that begins at `first`.
    std::size_t RunLength(std::size_t first) const;

    std::vector<Slot> slots_;
};

} // namespace velmora

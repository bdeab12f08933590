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
//   No position takes a control character, and no digit position a sign, a
//   blank, a decimal point or a comma.
// - A text is complete when every required position holds its character. So a
//   cell with mask "000" is complete with "065" but not with "65", and an
//   emptied cell with mask "000000" is not complete either. A changed cell
//   that is not complete cannot be left (the grid refuses it and Escape brings
//   back the old text); while it is typed, any beginning of a complete text
//   stands in the cell.
// - A cell may show a text that does not fit its mask (a value read from the
//   plan file, such as "-5" or a long name). Such a text may be shortened while
//   it is edited, but it is only complete once it fits.
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
    // open editor shows them after the text: "_" for "06" in "000". None for a
    // text that does not fit.
    std::u32string Unfilled(std::u32string_view text) const;

    // Whether the text fits and fills every required position.
    bool IsComplete(std::u32string_view text) const;

    // What the cell takes, in a few plain words, for a text that the mask
    // refused or that does not complete it ("Whole numbers only", "3 digits,
    // for example 067", "Up to 10 characters", "Y or N"); for the empty text,
    // the form the cell takes. A decimal point or comma in a whole-number
    // cell is said in full ("Whole numbers only: 4.5 cannot be entered, type
    // 04 or 05"). Empty for a mask that restricts nothing.
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

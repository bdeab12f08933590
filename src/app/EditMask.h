#pragma once
// The input mask of a grid cell. A mask is a string of position letters:
//   "0"  one digit position
//   "c"  one optional position for any character
//   "L"  one required letter
//   ">"  not a position: the letters in the positions after it are upper case
// Any other mask character counts as a "c" position. An empty mask restricts
// nothing but control characters.
//
// How the rules apply to what a user types:
// - Characters fill the positions from the left; a cell holds at most as many
//   characters as its mask has positions, each of the kind its position takes.
//   No position takes a control character.
// - A run of "0" positions is one number field: the digits stand right-aligned
//   in it, and its unfilled leading positions count as blanks. So a cell with
//   mask "000000" takes "40000" and a cell with "00" takes "7", and an emptied
//   number cell is complete too (the screens read an empty cell as 0). No sign
//   and no blank can be typed into a number field.
// - An "L" position must hold a letter for the cell to be complete: a ">L"
//   flag cell that the user emptied cannot be left (the grid refuses it and
//   Escape brings back the old text).
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
    std::size_t Positions() const { return positions_; }

    // The text as it stands in the mask (letters after ">" upper case), or
    // nothing when it cannot stand there.
    std::optional<std::u32string> Conform(std::u32string_view text) const;

    // A change of an edited cell from `before` to `after`: the text to show, or
    // nothing when the change is refused. A text that does not fit may still
    // be shortened.
    std::optional<std::u32string> Admit(std::u32string_view before,
                                        std::u32string_view after) const;

    // Whether the text fits and fills every required position.
    bool IsComplete(std::u32string_view text) const;

    static bool IsLetter(char32_t c);
    static bool IsControl(char32_t c);
    static char32_t ToUpper(char32_t c);

private:
    enum class Kind { Digits, Letter, Any };
    struct Slot {
        Kind kind;
        std::size_t width; // digit positions of a number field, else 1
        bool upper;
    };
    struct Match {
        std::u32string text;
        bool complete = true;
    };
    std::optional<Match> Fit(std::u32string_view text) const;

    std::vector<Slot> slots_;
    std::size_t positions_ = 0;
};

} // namespace velmora

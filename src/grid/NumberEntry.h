#pragma once
// A whole number as people type it into a number cell: "$" in front and
// commas between groups of three digits ("$60,000") are taken and left out of
// the number; a decimal point, or a comma that cannot be a thousands comma,
// followed by digits makes a fraction ("4.5", "1000,5"), which a whole-number
// cell refuses rather than store a number the user did not type.

#include <cstddef>
#include <string>
#include <string_view>

namespace velmora {

struct NumberEntry {
    enum class Kind {
        Whole,      // a whole number; a point or comma with nothing after it is allowed ("4.")
        Unfinished, // thousands not yet complete ("1,0" on its way to "1,000")
        Fraction,   // digits after a decimal point or comma
        TooLarge,   // more digits than the cell has positions
        NotNumber,  // anything else ("-5", "1,2,3", "4.5.6")
    };
    Kind kind;
    // Whole and TooLarge: the number's digits without zeros in front ("0" for
    // zeros only, "" for nothing typed). Fraction and Unfinished: those of the
    // whole part before the point or comma.
    std::string digits;
};

// Reads `text` as typed into a cell of `positions` digit positions.
NumberEntry ReadNumber(std::u32string_view text, std::size_t positions);

// Whether `text` may stand in a number cell while it is typed: an optional
// "$" in front, then digits, points and commas only.
bool IsNumberTyping(std::u32string_view text);

} // namespace velmora

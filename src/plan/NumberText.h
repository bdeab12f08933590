#pragma once
// Number helpers used everywhere a value is rounded, shown or read from a cell.

#include <cstdint>
#include <string>
#include <string_view>

namespace velmora {

// Nearest whole number, an exact half going to the even neighbour (2.5 -> 2, 3.5 -> 4).
double Round(double value);

// Plain decimal digits, "-" before a negative value.
std::string IntText(std::int64_t value);

// Real text of Round(value): the "real text of a whole number" of the result boxes.
std::string WholeText(double value);

// Integer text of a whole-dollar amount held as a double: all its digits, never
// an exponent, "-" before a negative value (Round is applied first).
std::string DollarText(double value);

// General form with at most 15 significant digits, no trailing zeros or point,
// no thousands separator; negative zero prints as "0".
std::string RealText(double value);

// Like printf's "%.<significantDigits>g" in the "C" locale, whatever the
// process's locale: always a point, never a comma.
std::string GeneralText(double value, int significantDigits);

// Cell text to integer: skip leading blanks, take an optional sign and the run of
// digits after it, stop at the first other character; empty or non-numeric is 0.
// Values beyond the 32-bit range saturate at its ends.
std::int32_t LeadingDigits(std::string_view text);

} // namespace velmora

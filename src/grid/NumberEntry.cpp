#include "grid/NumberEntry.h"

#include <optional>

namespace velmora {

namespace {

bool IsDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}

bool AllDigits(std::u32string_view text) {
    for (char32_t c : text) {
        if (!IsDigit(c)) {
            return false;
        }
    }
    return true;
}

std::string Narrow(std::u32string_view digits) {
    return std::string(digits.begin(), digits.end());
}

// Digits without the zeros in front: "0" for zeros only, "" for none.
std::string Significant(std::string_view digits) {
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string_view::npos) {
        return digits.empty() ? std::string() : std::string("0");
    }
    return std::string(digits.substr(first));
}

// The digits of a number written in thousands groups ("1,000" or "12,345,678";
// a first group of one to three digits, then groups of three), or of plain
// digits when `plain` allows them; nothing for any other text.
std::optional<std::string> ThousandsDigits(std::u32string_view text, bool plain) {
    if (text.find(U',') == std::u32string_view::npos) {
        if (plain && AllDigits(text)) {
            return Narrow(text);
        }
        if (text.empty() || text.size() > 3 || !AllDigits(text)) {
            return std::nullopt;
        }
        return Narrow(text);
    }
    std::string digits;
    std::size_t start = 0;
    bool first = true;
    while (true) {
        const std::size_t comma = text.find(U',', start);
        const std::u32string_view group = text.substr(
            start, comma == std::u32string_view::npos ? text.size() - start : comma - start);
        const bool fits = first ? !group.empty() && group.size() <= 3 : group.size() == 3;
        if (!fits || !AllDigits(group)) {
            return std::nullopt;
        }
        digits += Narrow(group);
        if (comma == std::u32string_view::npos) {
            return digits;
        }
        start = comma + 1;
        first = false;
    }
}

NumberEntry Whole(std::string_view digits, std::size_t positions) {
    std::string number = Significant(digits);
    const bool fits = number.size() <= positions;
    return {fits ? NumberEntry::Kind::Whole : NumberEntry::Kind::TooLarge, std::move(number)};
}

// Digits after a point or comma: a fraction, unless its whole part alone is
// already too large.
NumberEntry Fraction(std::string_view whole, std::size_t positions) {
    std::string number = Significant(whole);
    const bool fits = number.size() <= positions;
    return {fits ? NumberEntry::Kind::Fraction : NumberEntry::Kind::TooLarge, std::move(number)};
}

} // namespace

bool IsNumberTyping(std::u32string_view text) {
    if (!text.empty() && text.front() == U'$') {
        text.remove_prefix(1);
    }
    for (char32_t c : text) {
        if (!IsDigit(c) && c != U'.' && c != U',') {
            return false;
        }
    }
    return true;
}

NumberEntry ReadNumber(std::u32string_view text, std::size_t positions) {
    const NumberEntry notNumber{NumberEntry::Kind::NotNumber, {}};
    if (!IsNumberTyping(text)) {
        return notNumber;
    }
    if (!text.empty() && text.front() == U'$') {
        text.remove_prefix(1);
    }
    if (!text.empty() && text.find_first_of(U"0123456789") == std::u32string_view::npos) {
        return notNumber; // a point or comma without a digit
    }

    const std::size_t point = text.find(U'.');
    if (point != std::u32string_view::npos) {
        const std::u32string_view after = text.substr(point + 1);
        const std::optional<std::string> whole = ThousandsDigits(text.substr(0, point), true);
        if (!whole || !AllDigits(after)) {
            return notNumber;
        }
        return after.empty() ? Whole(*whole, positions) : Fraction(*whole, positions);
    }

    const std::size_t comma = text.rfind(U',');
    if (comma == std::u32string_view::npos) {
        return Whole(Narrow(text), positions);
    }
    const std::u32string_view before = text.substr(0, comma);
    const std::u32string_view after = text.substr(comma + 1);
    const std::optional<std::string> thousands = ThousandsDigits(before, false);
    if (after.empty()) {
        // A comma typed last: thousands on their way, or nothing more to come.
        const std::optional<std::string> whole = ThousandsDigits(before, true);
        return whole ? Whole(*whole, positions) : notNumber;
    }
    if (thousands && after.size() == 3) {
        return Whole(*thousands + Narrow(after), positions);
    }
    if (thousands && after.size() < 3) {
        // Thousands on their way, unless the least they can become does not
        // fit: then too large once thousands were written ("1,000,0" in six
        // positions), else a decimal comma ("4,5" in two).
        std::string least = *thousands + Narrow(after);
        least.resize(thousands->size() + 3, '0');
        if (Significant(least).size() <= positions) {
            return {NumberEntry::Kind::Unfinished, Significant(*thousands)};
        }
        if (before.find(U',') != std::u32string_view::npos) {
            return {NumberEntry::Kind::TooLarge, Significant(least)};
        }
        return Fraction(*thousands, positions);
    }
    if (AllDigits(before)) {
        return Fraction(Narrow(before), positions); // a decimal comma: "1000,5"
    }
    return notNumber;
}

} // namespace velmora

#include "grid/EditMask.h"

namespace velmora {

namespace {

bool IsDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}

std::string Count(std::size_t n, const char* word) {
    return std::to_string(n) + ' ' + word + (n == 1 ? "" : "s");
}

// The form of a cell of n digit positions: "3 digits, for example 067".
std::string DigitsForm(std::size_t n) {
    if (n == 1) {
        return "1 digit, 0 to 9";
    }
    std::string example = "067";
    example.resize(n, '0');
    return Count(n, "digit") + ", for example " + example;
}

// The digits as they fill n digit positions, with leading zeros: "4" in
// "00" is "04".
std::string Padded(std::string digits, std::size_t n) {
    if (digits.size() < n) {
        digits.insert(0, n - digits.size(), '0');
    }
    return digits;
}

// The next whole number after a text of digits: "4" gives "5", "99" "100".
std::string Incremented(std::string digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return digits;
        }
        *it = '0';
    }
    return '1' + digits;
}

// A decimal point or comma typed into a cell of n digit positions, said in
// full: what was typed cannot be entered, and what to type instead. A comma
// after up to three digits, in a cell with room for three more, is taken for
// a thousands separator ("5,000 cannot be entered, type 005000"); any other
// point or comma for a decimal point ("4.5 cannot be entered, type 04 or 05").
// Nothing when the text holds no point or comma after its digits.
std::optional<std::string> PointHint(std::u32string_view text, std::size_t n) {
    const std::size_t point = text.find_first_not_of(U"0123456789");
    if (point == std::u32string_view::npos || (text[point] != U'.' && text[point] != U',')) {
        return std::nullopt;
    }
    std::string whole(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(point));
    std::string fraction;
    for (std::size_t i = point + 1; i < text.size() && IsDigit(text[i]); ++i) {
        fraction.push_back(static_cast<char>(text[i]));
    }
    if (whole.empty()) {
        whole = "0";
    }
    if (whole.size() > n) {
        return std::nullopt;
    }
    const std::string said = "Whole numbers only: ";
    if (text[point] == U',' && whole.size() <= 3 && whole.size() + 3 <= n && fraction.size() <= 3) {
        fraction.resize(3, '0');
        return said + whole + ',' + fraction + " cannot be entered, type " +
               Padded(whole + fraction, n);
    }
    if (fraction.empty()) {
        fraction = "5";
    }
    std::string hint = said + whole + static_cast<char>(text[point]) + fraction +
                       " cannot be entered, type " + Padded(whole, n);
    const std::string up = Incremented(whole);
    if (up.size() <= n) {
        hint += " or " + Padded(up, n);
    }
    return hint;
}

} // namespace

EditMask::EditMask(std::string_view mask) {
    bool upper = false;
    for (char m : mask) {
        if (m == '>') {
            upper = true;
            continue;
        }
        const Kind kind = m == '0' ? Kind::Digit : m == 'L' ? Kind::Letter : Kind::Any;
        slots_.push_back({kind, upper});
    }
}

bool EditMask::IsControl(char32_t c) {
    return c < 32 || c == 127 || (c >= 0x80 && c <= 0x9F);
}

bool EditMask::IsLetter(char32_t c) {
    if ((c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z')) {
        return true;
    }
    if (c >= 0xC0 && c <= 0xFF) {
        return c != 0xD7 && c != 0xF7; // multiplication and division signs
    }
    switch (c) {
    case 0x0160: // S and s with caron
    case 0x0161:
    case 0x0152: // OE ligature
    case 0x0153:
    case 0x017D: // Z and z with caron
    case 0x017E:
    case 0x0178: // Y with diaeresis
    case 0x0192: // f with hook
        return true;
    default:
        return false;
    }
}

char32_t EditMask::ToUpper(char32_t c) {
    if (c >= U'a' && c <= U'z') {
        return c - 32;
    }
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) {
        return c - 32;
    }
    switch (c) {
    case 0xFF:
        return 0x0178;
    case 0x0161:
        return 0x0160;
    case 0x0153:
        return 0x0152;
    case 0x017E:
        return 0x017D;
    default:
        return c;
    }
}

std::optional<EditMask::Match> EditMask::Fit(std::u32string_view text) const {
    for (char32_t c : text) {
        if (IsControl(c)) {
            return std::nullopt;
        }
    }
    Match match;
    if (slots_.empty()) {
        match.text.assign(text.begin(), text.end());
        return match;
    }
    if (text.size() > slots_.size()) {
        return std::nullopt;
    }
    match.text.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const Slot& slot = slots_[i];
        const char32_t c = text[i];
        if ((slot.kind == Kind::Digit && !IsDigit(c)) ||
            (slot.kind == Kind::Letter && !IsLetter(c))) {
            return std::nullopt;
        }
        match.text.push_back(slot.upper ? ToUpper(c) : c);
    }
    for (std::size_t i = text.size(); i < slots_.size(); ++i) {
        if (slots_[i].kind != Kind::Any) {
            match.complete = false;
        }
    }
    return match;
}

std::optional<std::u32string> EditMask::Conform(std::u32string_view text) const {
    std::optional<Match> match = Fit(text);
    if (!match) {
        return std::nullopt;
    }
    return std::move(match->text);
}

std::optional<std::u32string> EditMask::Admit(std::u32string_view before,
                                              std::u32string_view after) const {
    if (std::optional<std::u32string> fitted = Conform(after)) {
        return fitted;
    }
    if (after.size() < before.size()) {
        for (char32_t c : after) {
            if (IsControl(c)) {
                return std::nullopt;
            }
        }
        // Only a deletion: characters taken out of one place, none put in.
        std::size_t same = 0;
        while (same < after.size() && after[same] == before[same]) {
            ++same;
        }
        const std::u32string_view rest = after.substr(same);
        if (before.substr(before.size() - rest.size()) == rest) {
            return std::u32string(after);
        }
    }
    return std::nullopt;
}

std::u32string EditMask::Unfilled(std::u32string_view text) const {
    std::u32string marks;
    if (!Fit(text)) {
        return marks;
    }
    for (std::size_t i = text.size(); i < slots_.size(); ++i) {
        if (slots_[i].kind != Kind::Any) {
            marks.push_back(U'_');
        }
    }
    return marks;
}

bool EditMask::IsComplete(std::u32string_view text) const {
    std::optional<Match> match = Fit(text);
    return match && match->complete;
}

std::size_t EditMask::RunLength(std::size_t first) const {
    std::size_t last = first;
    while (last < slots_.size() && slots_[last].kind == slots_[first].kind) {
        ++last;
    }
    return last - first;
}

std::string EditMask::Hint(std::u32string_view text) const {
    for (char32_t c : text) {
        if (IsControl(c)) {
            return "No tabs or line breaks";
        }
    }
    const std::size_t n = slots_.size();
    if (n == 0) {
        return {};
    }
    if (RunLength(0) == n) {
        switch (slots_[0].kind) {
        case Kind::Digit:
            if (std::optional<std::string> point = PointHint(text, n)) {
                return *point;
            }
            for (char32_t c : text) {
                if (!IsDigit(c)) {
                    return "Whole numbers only";
                }
            }
            return DigitsForm(n);
        case Kind::Letter:
            // The program's one-letter cells are its yes/no flags.
            return n == 1 ? "Y or N" : Count(n, "letter");
        case Kind::Any:
            return "Up to " + Count(n, "character");
        }
    }
    std::string hint;
    for (std::size_t i = 0; i < n;) {
        const std::size_t run = RunLength(i);
        if (!hint.empty()) {
            hint += ", then ";
        }
        switch (slots_[i].kind) {
        case Kind::Digit:
            hint += Count(run, "digit");
            break;
        case Kind::Letter:
            hint += Count(run, "letter");
            break;
        case Kind::Any:
            hint += "up to " + Count(run, "character");
            break;
        }
        i += run;
    }
    if (hint[0] == 'u') {
        hint[0] = 'U';
    }
    return hint;
}

} // namespace velmora

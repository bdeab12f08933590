#include "grid/EditMask.h"

#include "grid/NumberEntry.h"

#include <algorithm>

namespace velmora {

namespace {

bool IsDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}

std::string Count(std::size_t n, const char* word) {
    return std::to_string(n) + ' ' + word + (n == 1 ? "" : "s");
}

// The numbers a cell of n digit positions takes: "0 to 999". The program's
// one-digit cells are its risk categories, which go from 0 to 3.
std::string NumberRange(std::size_t n) {
    return n == 1 ? "0 to 3" : "0 to " + std::string(n, '9');
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

std::string Narrow(std::u32string_view text) {
    std::string narrow;
    for (char32_t c : text) {
        narrow.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    }
    return narrow;
}

// A fraction typed into a cell of n digit positions, said in full: it cannot
// be entered, and the whole numbers nearest to it can ("Whole numbers only:
// 4.5 cannot be entered, type 4 or 5").
std::string FractionNote(std::u32string_view typed, std::string whole, std::size_t n) {
    if (!typed.empty() && typed.front() == U'$') {
        typed.remove_prefix(1);
    }
    if (whole.empty()) {
        whole = "0";
    }
    std::string note = "Whole numbers only: " + Narrow(typed) + " cannot be entered, type " + whole;
    const std::string up = Incremented(whole);
    if (up.size() <= n) {
        note += " or " + up;
    }
    return note;
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
    for (char32_t c : after) {
        if (IsControl(c)) {
            return std::nullopt;
        }
    }
    // A number as written, and a name of any length, stand in the cell while
    // they are typed; leaving the cell judges them whole.
    if ((IsNumber() && IsNumberTyping(after)) || IsName()) {
        return std::u32string(after);
    }
    if (after.size() < before.size()) {
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
    if (IsNumber() || !Fit(text)) {
        return marks;
    }
    for (std::size_t i = text.size(); i < slots_.size(); ++i) {
        if (slots_[i].kind != Kind::Any) {
            marks.push_back(U'_');
        }
    }
    return marks;
}

bool EditMask::IsNumber() const {
    return !slots_.empty() && RunLength(0) == slots_.size() && slots_[0].kind == Kind::Digit;
}

bool EditMask::IsName() const {
    return !slots_.empty() && RunLength(0) == slots_.size() && slots_[0].kind == Kind::Any;
}

std::optional<std::u32string> EditMask::Stored(std::u32string_view text) const {
    if (IsNumber()) {
        const NumberEntry number = ReadNumber(text, slots_.size());
        if (number.kind != NumberEntry::Kind::Whole) {
            return std::nullopt;
        }
        return std::u32string(number.digits.begin(), number.digits.end());
    }
    if (IsName() && !Fit(text)) {
        return std::nullopt;
    }
    return std::u32string(text);
}

EditMask::Leaving EditMask::Leave(std::u32string_view text) const {
    using Verdict = Leaving::Verdict;
    const std::size_t n = slots_.size();
    if (IsNumber()) {
        const NumberEntry number = ReadNumber(text, n);
        switch (number.kind) {
        case NumberEntry::Kind::Whole: {
            std::u32string kept(n - std::min(n, number.digits.size()), U'0');
            kept.append(number.digits.begin(), number.digits.end());
            return {Verdict::Kept, std::move(kept), {}, false};
        }
        case NumberEntry::Kind::Unfinished:
        case NumberEntry::Kind::Fraction:
            return {Verdict::Refused,
                    {},
                    FractionNote(text, number.digits, n),
                    number.kind == NumberEntry::Kind::Fraction};
        case NumberEntry::Kind::TooLarge:
            return {Verdict::Refused, {}, "Too large: this cell takes " + NumberRange(n), true};
        case NumberEntry::Kind::NotNumber:
            break;
        }
        return {Verdict::Refused, {}, "Whole numbers only", false};
    }
    std::optional<Match> match = Fit(text);
    if (IsName() && !match && text.size() > n) {
        return {Verdict::Refused, {}, "Too long: up to " + Count(n, "character"), true};
    }
    if (!match || !match->complete) {
        return {Verdict::Incomplete, {}, Hint(text), false};
    }
    return {Verdict::Kept, std::move(match->text), {}, false};
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
            return text.empty() ? "Whole number, " + NumberRange(n) : "Whole numbers only";
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

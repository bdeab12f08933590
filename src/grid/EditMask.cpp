#include "grid/EditMask.h"

namespace velmora {

namespace {

bool IsDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}

std::string Count(std::size_t n, const char* word) {
    return std::to_string(n) + ' ' + word + (n == 1 ? "" : "s");
}

// The form of a cell of n digit positions: "3 digits, for example 065".
std::string DigitsForm(std::size_t n) {
    if (n == 1) {
        return "1 digit, 0 to 9";
    }
    std::string example = "065";
    example.resize(n, '0');
    return Count(n, "digit") + ", for example " + example;
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
        return std::u32string(after);
    }
    return std::nullopt;
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

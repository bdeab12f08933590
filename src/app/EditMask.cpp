#include "app/EditMask.h"

namespace velmora {

EditMask::EditMask(std::string_view mask) {
    bool upper = false;
    for (char m : mask) {
        if (m == '>') {
            upper = true;
            continue;
        }
        ++positions_;
        if (m == '0') {
            if (!slots_.empty() && slots_.back().kind == Kind::Digits) {
                ++slots_.back().width;
            } else {
                slots_.push_back({Kind::Digits, 1, upper});
            }
        } else if (m == 'L') {
            slots_.push_back({Kind::Letter, 1, upper});
        } else {
            slots_.push_back({Kind::Any, 1, upper});
        }
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
    Match match;
    match.text.reserve(text.size());
    for (char32_t c : text) {
        if (IsControl(c)) {
            return std::nullopt;
        }
    }
    if (slots_.empty()) {
        match.text.assign(text.begin(), text.end());
        return match;
    }
    std::size_t i = 0;
    for (const Slot& slot : slots_) {
        switch (slot.kind) {
        case Kind::Digits:
            for (std::size_t k = 0;
                 k < slot.width && i < text.size() && text[i] >= U'0' && text[i] <= U'9'; ++k) {
                match.text.push_back(text[i++]);
            }
            break;
        case Kind::Letter:
            if (i == text.size()) {
                match.complete = false;
            } else if (IsLetter(text[i])) {
                match.text.push_back(slot.upper ? ToUpper(text[i]) : text[i]);
                ++i;
            } else {
                return std::nullopt;
            }
            break;
        case Kind::Any:
            if (i < text.size()) {
                match.text.push_back(slot.upper ? ToUpper(text[i]) : text[i]);
                ++i;
            }
            break;
        }
    }
    if (i != text.size()) {
        return std::nullopt;
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

} // namespace velmora

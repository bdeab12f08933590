// Any cell text and any keystrokes in a masked grid cell, modelled as the grid's
// line editor applies them: every change goes through the mask's Admit, as the
// cell's validator does, and the screen stores the leading-digits value of the
// cell text after every change and after Escape. Checked after every keystroke:
// - nothing crashes; an admitted text holds no control character, and either
//   fits the mask (conforming it again changes nothing) or is shorter than the
//   text before it;
// - a complete text fits the mask; in a number cell it is exactly as many digits
//   as the mask has positions (each "0" is one required digit), so the stored
//   value is the whole number shown, and the value shown again when the cell is
//   refilled fits the mask (unchanged, it may be left as it is) and reads back
//   the same; in a flag cell it stands as one capital letter;
// - the stored field equals the leading-digits value of the cell text.
// The masks are those of the screens, or any mask made of the input.

#include "FuzzChecks.h"
#include "grid/EditMask.h"
#include "plan/NumberText.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>
#include <optional>
#include <string>
#include <string_view>

using namespace velmora;
using fuzzing::Check;

namespace {

constexpr std::array<std::string_view, 9> kScreenMasks{
    "0", "00", "000", "0000", "00000", "000000", "cccccccccc", ">L", ""};

// Characters that the mask rules treat differently: digits, signs and blanks,
// ASCII and Windows-1252 letters and their neighbours, control characters,
// digits of other scripts and characters outside the plan file's character set.
constexpr std::array<char32_t, 48> kCharacters{
    U'0',  U'1',  U'5',  U'9',  U' ',  U'-',  U'+',  U'.',   U'a',  U'z',   U'A',   U'Z',
    U'c',  U'L',  U'>',  U'"',  0x00,  0x09,  0x0A,  0x0D,   0x1A,  0x1F,   0x7F,   0x80,
    0x85,  0x9F,  0xA0,  0xC0,  0xD7,  0xDF,  0xE0,  0xE9,   0xF7,  0xFE,   0xFF,   0x152,
    0x153, 0x160, 0x161, 0x178, 0x17D, 0x17E, 0x192, 0x20AC, 0x100, 0x0660, 0xFF10, 0x1F600};

char32_t TakeCharacter(FuzzedDataProvider& input) {
    const auto pick = input.ConsumeIntegral<std::uint8_t>();
    if (pick < 0xE0) {
        return kCharacters[pick % kCharacters.size()];
    }
    const auto code = input.ConsumeIntegralInRange<char32_t>(0, 0x10FFFF - 0x800);
    return code < 0xD800 ? code : code + 0x800; // no surrogates: the editor holds none
}

std::u32string TakeText(FuzzedDataProvider& input, std::size_t longest) {
    std::u32string text(input.ConsumeIntegralInRange<std::size_t>(0, longest), U'\0');
    for (char32_t& c : text) {
        c = TakeCharacter(input);
    }
    return text;
}

std::string TakeMask(FuzzedDataProvider& input) {
    const auto pick = input.ConsumeIntegral<std::uint8_t>();
    if (pick < 0xC0) {
        return std::string(kScreenMasks[pick % kScreenMasks.size()]);
    }
    static constexpr std::string_view kMaskLetters = "0cL>x";
    std::string mask(input.ConsumeIntegralInRange<std::size_t>(0, 12), '0');
    for (char& m : mask) {
        m = kMaskLetters[input.ConsumeIntegralInRange<std::size_t>(0, kMaskLetters.size() - 1)];
    }
    return mask;
}

// The cell text as the screens convert it (UTF-8); only its ASCII matters here.
std::string Utf8(std::u32string_view text) {
    std::string out;
    for (const char32_t c : text) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

bool IsAsciiDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}

// One masked cell being edited: its text, cursor and selection, and the field
// that the screen stores from it.
class Cell {
public:
    Cell(std::string_view mask, std::u32string text)
        : maskText_(mask), mask_(mask), original_(text), text_(std::move(text)),
          field_(LeadingDigits(Utf8(text_))) {
        // A number cell of at most 9 digits, which any 32-bit field holds (the
        // screens' number cells have at most 6).
        numberMask_ =
            !maskText_.empty() && maskText_.size() <= 9 &&
            std::all_of(maskText_.begin(), maskText_.end(), [](char m) { return m == '0'; });
        SelectAll(); // as the grid opens its editor
    }

    // Typing or pasting replaces the selection, or goes in at the cursor.
    void Insert(std::u32string_view typed) {
        std::u32string after = text_;
        after.replace(SelectionStart(), SelectionLength(), typed);
        Edit(std::move(after), SelectionStart() + typed.size());
    }

    void Backspace() {
        if (SelectionLength() > 0) {
            Insert({});
        } else if (cursor_ > 0) {
            std::u32string after = text_;
            after.erase(cursor_ - 1, 1);
            Edit(std::move(after), cursor_ - 1);
        }
    }

    void Delete() {
        if (SelectionLength() > 0) {
            Insert({});
        } else if (cursor_ < text_.size()) {
            std::u32string after = text_;
            after.erase(cursor_, 1);
            Edit(std::move(after), cursor_);
        }
    }

    void MoveCursor(std::size_t position, bool select) {
        cursor_ = std::min(position, text_.size());
        if (!select) {
            anchor_ = cursor_;
        }
    }

    void SelectAll() {
        anchor_ = 0;
        cursor_ = text_.size();
    }

    // Escape: the text from before the edit, stored again when it had changed.
    void Escape() {
        if (text_ != original_) {
            Show(original_);
        }
        StartEdit();
    }

    // Enter or Tab: the cell may be left with its old text or a complete one.
    void Leave() {
        const bool complete = mask_.IsComplete(text_);
        if (text_ == original_ || complete) {
            CheckComplete();
            StartEdit();
        }
    }

    void CheckStoredField() const {
        Check(field_ == LeadingDigits(Utf8(text_)),
              "the stored field is not the leading digits of the cell text", Utf8(text_));
    }

private:
    std::size_t SelectionStart() const { return std::min({anchor_, cursor_, text_.size()}); }
    std::size_t SelectionLength() const {
        return std::min(std::max(anchor_, cursor_), text_.size()) - SelectionStart();
    }

    void StartEdit() {
        original_ = text_;
        anchor_ = cursor_ = std::min(cursor_, text_.size());
    }

    // An edit goes through the mask; a refused one leaves the cell as it was.
    void Edit(std::u32string after, std::size_t cursor) {
        const std::optional<std::u32string> admitted = mask_.Admit(text_, after);
        if (!admitted) {
            return;
        }
        Check(std::none_of(admitted->begin(), admitted->end(), EditMask::IsControl),
              "an admitted text holds a control character", Utf8(*admitted));
        if (const std::optional<std::u32string> fitted = mask_.Conform(*admitted)) {
            Check(*fitted == *admitted, "conforming an admitted text changes it",
                  Utf8(*admitted) + " -> " + Utf8(*fitted));
            Check(admitted->size() <= mask_.Positions() || mask_.IsEmpty(),
                  "a fitting text is longer than the mask", Utf8(*admitted));
        } else {
            Check(admitted->size() < text_.size(), "a text that does not fit got longer",
                  Utf8(text_) + " -> " + Utf8(*admitted));
        }
        if (*admitted != text_) {
            Show(*admitted);
        }
        anchor_ = cursor_ = std::min(cursor, text_.size());
        CheckComplete();
    }

    // The cell shows a new text and the screen stores its value at once.
    void Show(std::u32string text) {
        text_ = std::move(text);
        field_ = LeadingDigits(Utf8(text_));
    }

    void CheckComplete() const {
        if (!mask_.IsComplete(text_)) {
            return;
        }
        const std::optional<std::u32string> fitted = mask_.Conform(text_);
        Check(fitted.has_value(), "a complete text does not fit", Utf8(text_));
        if (numberMask_) {
            CheckCompleteNumber();
        } else if (maskText_ == ">L") {
            Check(fitted->size() == 1 && EditMask::IsLetter((*fitted)[0]) &&
                      EditMask::ToUpper((*fitted)[0]) == (*fitted)[0],
                  "a complete flag is not one capital letter", Utf8(*fitted));
        }
    }

    void CheckCompleteNumber() const {
        Check(text_.size() == maskText_.size() &&
                  std::all_of(text_.begin(), text_.end(), IsAsciiDigit),
              "a complete number cell does not hold one digit in each position", Utf8(text_));
        std::int64_t shown = 0;
        for (const char32_t c : text_) {
            shown = shown * 10 + (c - U'0');
        }
        Check(field_ == shown, "the stored value is not the number shown", Utf8(text_));
        std::u32string refilled;
        for (const char c : IntText(field_)) {
            refilled += static_cast<char32_t>(c);
        }
        Check(mask_.Conform(refilled).has_value() && LeadingDigits(Utf8(refilled)) == field_,
              "the refilled cell does not show the stored value", Utf8(refilled));
    }

    std::string maskText_;
    EditMask mask_;
    bool numberMask_ = false;
    std::u32string original_;
    std::u32string text_;
    std::size_t cursor_ = 0;
    std::size_t anchor_ = 0;
    std::int32_t field_ = 0;
};

// The text a cell shows when its edit starts: a value from the plan as the
// screens show it (any 32-bit value), or any text.
std::u32string TakeCellText(FuzzedDataProvider& input) {
    if (input.ConsumeBool()) {
        std::u32string text;
        for (const char c : IntText(input.ConsumeIntegral<std::int32_t>())) {
            text += static_cast<char32_t>(c);
        }
        return text;
    }
    return TakeText(input, 20);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string mask = TakeMask(input);
    Cell cell(mask, TakeCellText(input));
    while (input.remaining_bytes() > 0) {
        switch (input.ConsumeIntegralInRange<int>(0, 9)) {
        case 0:
        case 1:
        case 2:
            cell.Insert(std::u32string(1, TakeCharacter(input)));
            break;
        case 3:
            cell.Insert(TakeText(input, 12)); // paste
            break;
        case 4:
            cell.Backspace();
            break;
        case 5:
            cell.Delete();
            break;
        case 6:
            cell.MoveCursor(input.ConsumeIntegralInRange<std::size_t>(0, 24), input.ConsumeBool());
            break;
        case 7:
            cell.SelectAll();
            break;
        case 8:
            cell.Escape();
            break;
        default:
            cell.Leave();
            break;
        }
        cell.CheckStoredField();
    }
    return 0;
}

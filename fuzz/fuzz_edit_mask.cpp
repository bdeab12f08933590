// Any cell text and any keystrokes in a masked grid cell, modelled as the grid's
// line editor applies them: every change goes through the mask's Admit, as the
// cell's validator does, and the screen stores the leading-digits value of the
// text the grid hands on after every change (what the mask stores of the text,
// or the cell's text from before the edit while the mask stores nothing of it)
// and after Escape. Checked after every keystroke:
// - nothing crashes; an admitted text holds no control character, and either
//   fits the mask (conforming it again changes nothing), is a number as written
//   in a number cell, a name of any length in a name cell, or is shorter than
//   the text before it;
// - nothing is stored changed: in a number cell the stored text is exactly the
//   number typed (its digits, "$" and thousands commas left out), never a cut
//   number nor one with its fraction's digits appended;
// - a cell left with a changed text keeps one that fits the mask; in a number
//   cell, one digit in each position whose value is the stored field, and the
//   value shown again when the cell is refilled is kept as the same number; in a
//   flag cell one capital letter; a number cell is never refused as incomplete.
// The masks are those of the screens, or any mask made of the input.

#include "FuzzChecks.h"
#include "grid/EditMask.h"
#include "grid/NumberEntry.h"
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
    U'0',  U'1',  U'5',  U'9',  U' ',  U'-',  U'+',  U'.',   U',',  U'$',   U'A',   U'Z',
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
// that the screen stores from what the grid hands on.
class Cell {
public:
    Cell(std::string_view mask, std::u32string text)
        : maskText_(mask), mask_(mask), original_(text), text_(std::move(text)),
          field_(LeadingDigits(Utf8(text_))) {
        // A number cell of at most 9 digits, which any 32-bit field holds (the
        // screens' number cells have at most 6).
        numberMask_ = mask_.IsNumber() && mask_.Positions() <= 9;
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

    // Escape: the text from before the edit, stored again.
    void Escape() {
        text_ = original_;
        field_ = LeadingDigits(Utf8(text_));
        StartEdit();
    }

    // Enter or Tab: the cell may be left with its old text, or with the text
    // that the mask keeps of a changed one.
    void Leave() {
        if (text_ == original_) {
            StartEdit();
            return;
        }
        const EditMask::Leaving leaving = mask_.Leave(text_);
        switch (leaving.verdict) {
        case EditMask::Leaving::Verdict::Kept:
            CheckKept(leaving.text);
            text_ = leaving.text;
            StartEdit();
            break;
        case EditMask::Leaving::Verdict::Refused:
            Check(!leaving.note.empty(), "a refusal without a note", Utf8(text_));
            break;
        case EditMask::Leaving::Verdict::Incomplete:
            Check(!mask_.IsNumber(), "a number cell refused as incomplete", Utf8(text_));
            break;
        }
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
            Check((mask_.IsNumber() && IsNumberTyping(*admitted)) || mask_.IsName() ||
                      admitted->size() < text_.size(),
                  "a text that does not fit got longer", Utf8(text_) + " -> " + Utf8(*admitted));
        }
        text_ = *admitted;
        anchor_ = cursor_ = std::min(cursor, text_.size());
        Hand();
    }

    // The grid hands on what the mask stores of the text, or the text from
    // before the edit; the screen stores its value at once.
    void Hand() {
        const std::optional<std::u32string> stored = mask_.Stored(text_);
        if (stored && numberMask_) {
            CheckStoredNumber(*stored);
        }
        field_ = LeadingDigits(Utf8(stored ? *stored : original_));
    }

    // The number typed, exactly: its digits without "$", thousands commas, a
    // point or comma typed last, or zeros in front.
    void CheckStoredNumber(const std::u32string& stored) const {
        std::u32string digits;
        for (std::size_t i = 0; i < text_.size(); ++i) {
            const char32_t c = text_[i];
            const bool last = i + 1 == text_.size();
            if (IsAsciiDigit(c)) {
                digits += c;
            } else if (!(c == U'$' && i == 0) && c != U',' && !(c == U'.' && last)) {
                Check(false, "a text that is no whole number is stored", Utf8(text_));
            }
        }
        digits.erase(0, std::min(digits.find_first_not_of(U'0'), digits.size() - 1));
        Check(stored == digits, "the number stored is not the number typed",
              Utf8(text_) + " -> " + Utf8(stored));
        Check(stored.size() <= mask_.Positions(), "a number too large is stored", Utf8(text_));
    }

    void CheckKept(const std::u32string& kept) const {
        const std::optional<std::u32string> fitted = mask_.Conform(kept);
        Check(fitted.has_value() && *fitted == kept, "a kept text does not fit", Utf8(kept));
        if (numberMask_) {
            CheckKeptNumber(kept);
        } else if (maskText_ == ">L") {
            Check(kept.size() == 1 && EditMask::IsLetter(kept[0]) &&
                      EditMask::ToUpper(kept[0]) == kept[0],
                  "a kept flag is not one capital letter", Utf8(kept));
        }
    }

    void CheckKeptNumber(const std::u32string& kept) const {
        Check(kept.size() == mask_.Positions() &&
                  std::all_of(kept.begin(), kept.end(), IsAsciiDigit),
              "a kept number does not hold one digit in each position", Utf8(kept));
        std::int64_t shown = 0;
        for (const char32_t c : kept) {
            shown = shown * 10 + (c - U'0');
        }
        Check(field_ == shown, "the stored value is not the number kept", Utf8(kept));
        std::u32string refilled;
        for (const char c : IntText(field_)) {
            refilled += static_cast<char32_t>(c);
        }
        const EditMask::Leaving again = mask_.Leave(refilled);
        Check(again.verdict == EditMask::Leaving::Verdict::Kept && again.text == kept,
              "the refilled cell does not keep the stored value", Utf8(refilled));
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
    }
    return 0;
}

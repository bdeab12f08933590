#include "app/Windows1252Text.h"

#include <array>
#include <cstdint>

namespace velmora {

namespace {

// Code points of the bytes 0x80 to 0x9F; every other byte is its own code point.
constexpr char32_t kUndefined = 0xFFFD;
constexpr std::array<char32_t, 32> kHighControls{
    0x20AC,     kUndefined, 0x201A, 0x0192, 0x201E, 0x2026,     0x2020, 0x2021,
    0x02C6,     0x2030,     0x0160, 0x2039, 0x0152, kUndefined, 0x017D, kUndefined,
    kUndefined, 0x2018,     0x2019, 0x201C, 0x201D, 0x2022,     0x2013, 0x2014,
    0x02DC,     0x2122,     0x0161, 0x203A, 0x0153, kUndefined, 0x017E, 0x0178};

char32_t CodePoint(std::uint8_t byte) {
    return byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : byte;
}

// The byte of a code point, or '?' where Windows-1252 has none.
char ByteOf(char32_t code) {
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
        return static_cast<char>(code);
    }
    if (code != kUndefined) {
        for (std::size_t i = 0; i < kHighControls.size(); ++i) {
            if (kHighControls[i] == code) {
                return static_cast<char>(0x80 + i);
            }
        }
    }
    return '?';
}

} // namespace

QString FromWindows1252(std::string_view bytes) {
    std::u32string codes;
    codes.reserve(bytes.size());
    for (const char c : bytes) {
        codes += CodePoint(static_cast<std::uint8_t>(c));
    }
    return QString::fromStdU32String(codes);
}

std::string ToWindows1252(const QString& text) {
    std::string bytes;
    for (const char32_t code : text.toStdU32String()) {
        if (code >= 0x20) {
            bytes += ByteOf(code);
        }
    }
    return bytes;
}

} // namespace velmora

#include "app/PlanText.h"

#include <array>

namespace velmora {

namespace {

// Windows-1252 bytes 0x80 to 0x9F; 0 where the byte has no character.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char ToByte(char32_t c) {
    if (c < 32 || c == 127) {
        return '?';
    }
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<char>(static_cast<unsigned char>(c));
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] != 0 && kHighControls[i] == c) {
            return static_cast<char>(static_cast<unsigned char>(0x80 + i));
        }
    }
    return '?';
}

} // namespace

QString FromPlanText(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        if (b >= 0x80 && b <= 0x9F) {
            const char16_t c = kHighControls[b - 0x80];
            text.append(c != 0 ? QChar(c) : QChar(u'?'));
        } else {
            text.append(QChar(static_cast<char16_t>(b)));
        }
    }
    return text;
}

std::string ToPlanText(const QString& text) {
    std::string bytes;
    for (char32_t c : text.toStdU32String()) {
        bytes.push_back(ToByte(c));
    }
    return bytes;
}

} // namespace velmora

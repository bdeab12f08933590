#include "screens/ui/ScreenText.h"

#include "plan/NumberText.h"
#include "plan/Windows1252.h"

namespace velmora {

namespace {

constexpr char32_t kUndefined = 0xFFFD;

char ToByte(char32_t c) {
    if (c < 32 || c == 127) {
        return '?';
    }
    return static_cast<char>(UnicodeToWindows1252(c).value_or('?'));
}

} // namespace

QString FromPlanText(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (char byte : bytes) {
        // Every character of the set lies in the basic plane: one UTF-16 unit each.
        const char32_t c = Windows1252ToUnicode(static_cast<unsigned char>(byte));
        text.append(c == kUndefined ? QChar(u'?') : QChar(static_cast<char16_t>(c)));
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

QString FromCoreText(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString NumberText(std::int32_t value) {
    return QString::fromStdString(IntText(value));
}

std::int32_t LeadingDigitsOf(const QString& text) {
    return LeadingDigits(text.toStdString());
}

} // namespace velmora

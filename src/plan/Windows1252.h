#pragma once
// Names are held as bytes of Windows-1252; text written for other programs is UTF-8.

#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// The character of a Windows-1252 byte. The five bytes that Windows-1252 leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) give U+FFFD.
char32_t Windows1252ToUnicode(unsigned char byte);

// The Windows-1252 byte of a character, or nothing where the character set
// has none.
std::optional<unsigned char> UnicodeToWindows1252(char32_t c);

// UTF-8 text of Windows-1252 bytes; undefined bytes become U+FFFD.
std::string Windows1252ToUtf8(std::string_view bytes);

} // namespace velmora

#pragma once
// Names are held as bytes of Windows-1252; text written for other programs is UTF-8.

#include <string>
#include <string_view>

namespace velmora {

// UTF-8 text of Windows-1252 bytes. The five bytes that Windows-1252 leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become U+FFFD.
std::string Windows1252ToUtf8(std::string_view bytes);

} // namespace velmora

#pragma once
// Names and flags are held as bytes of Windows-1252; the screens show and edit
// them as QString.

#include <QString>
#include <string>
#include <string_view>

namespace velmora {

// The text of Windows-1252 bytes. The five bytes that Windows-1252 leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) show as U+FFFD.
QString FromWindows1252(std::string_view bytes);

// The Windows-1252 bytes of a text: a character that Windows-1252 cannot hold
// becomes "?", and control characters (below code 32) are left out, so that a
// name never holds one.
std::string ToWindows1252(const QString& text);

} // namespace velmora

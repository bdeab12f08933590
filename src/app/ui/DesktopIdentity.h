#pragma once
// How the desktop knows the program: its names (which also say where its
// settings are kept), the desktop entry its windows belong to, and the icon
// that every window shows.

namespace velmora {

// The desktop entry's name, without ".desktop".
inline constexpr const char* kDesktopFileName = "org.velmora.Velmora";
// The organisation and its domain, read backwards in the desktop entry's name.
inline constexpr const char* kOrganizationName = "Velmora";
inline constexpr const char* kOrganizationDomain = "velmora.org";

// Sets the names, the desktop entry and the window icon of the running application.
void SetUpDesktopIdentity();

} // namespace velmora

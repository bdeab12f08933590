#pragma once
// A right-click menu on the accessibility bus. Qt announces a menu of a menu
// bar through the bar's item, but a menu that pops up by itself belongs to no
// window that assistive technology walks: a screen reader, or a test driving
// the program from outside, sees no menu and no items. Here every screen
// window lists its open right-click menus among its children, as popup menus
// with their items.

namespace velmora {

// Installs the accessibility of the screens' windows that does so (once; a
// second call changes nothing).
void InstallContextMenuAccess();

} // namespace velmora

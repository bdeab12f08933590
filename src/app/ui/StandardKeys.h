#pragma once
// The keys a desktop program is expected to know, given beside each screen's
// own menus and accelerators: F1 opens the help, Ctrl+S saves, Ctrl+Q runs the
// exit sequence, Ctrl+P prints the report where a screen offers one, and
// Ctrl++, Ctrl+- and Ctrl+0 make everything larger, smaller or its normal size;
// Ctrl+Tab and Ctrl+Shift+Tab go to the next or the previous control, also out
// of a table whose cells take Tab.
// A screen with a menu bar shows the size items in a "View" menu of their own,
// and its menu items that the keys stand for show their key.

class QWidget;

namespace velmora {

class Shell;
class Zoom;

void InstallStandardKeys(QWidget& screen, Shell& shell, Zoom& zoom);

} // namespace velmora

#pragma once
// Window chrome shared by the screens, and their place on the desktop.

#include <QSize>

class QWidget;

namespace velmora {

// A top-level screen window with minimise and maximise buttons, and a close
// button only when `closable`.
void SetUpScreenWindow(QWidget& screen, bool closable);

// Places the window in the middle of its screen's free area.
void CentreOnScreen(QWidget& window);

// The largest size the window may have so that it, with its frame, fits in the
// free area of its screen (the desktop's panels left out).
QSize FreeRoom(const QWidget& window);

// Moves the window, frame included, as little as needed to lie wholly in the
// free area of its screen.
void KeepOnScreen(QWidget& window);

} // namespace velmora

#pragma once
// Window chrome shared by the screens, and their place on the desktop.

#include <QPoint>
#include <QSize>

class QString;
class QWidget;

namespace velmora {

// A top-level screen window with minimise and maximise buttons, and a close
// button only when `closable`.
void SetUpScreenWindow(QWidget& screen, bool closable);

// Places the window, frame included, in the middle of its screen's free area.
void CentreOnScreen(QWidget& window);

// Once the window system has framed a window that was centred before, with
// room kept for a usual frame, centres it again with its real frame; any
// other window is kept on the screen (KeepOnScreen).
void PlaceOnceFramed(QWidget& window);
// Whether the window was centred before it was framed, and not since.
bool AwaitsFrame(const QWidget& window);

// Places the window's frame with its middle at `centre`, as near as it can
// while lying wholly in the free area of its screen.
void CentreAt(QWidget& window, QPoint centre);

// The largest size the window may have so that it, with its frame, fits in the
// free area of its screen (the desktop's panels left out).
QSize FreeRoom(const QWidget& window);

// Moves the window, frame included, as little as needed to lie wholly in the
// free area of its screen. Before the window system has put its frame around
// the window, room is kept for a usual title bar and border.
void KeepOnScreen(QWidget& window);

// Shows `text` in a note at the foot of `window` that stands in nobody's way:
// it asks for nothing and goes by itself after a few seconds.
void ShowWindowNote(QWidget& window, const QString& text);
// The text of the note that `window` shows; "" when it shows none.
QString WindowNoteText(const QWidget& window);

} // namespace velmora

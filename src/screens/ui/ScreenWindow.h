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

// Marks `part` of a screen as one that stays in view: when the screen at the
// chosen size is larger than the desktop, it stands below the content that
// scrolls instead of scrolling with it. Parts marked with the same `group`
// stand together, in the order marked; a part without a group stands alone.
void KeepInView(QWidget& part, int group = 0);

// The group `part` was marked with, 0 for one standing alone; -1 when it is
// not kept in view.
int KeptInViewGroup(const QWidget& part);

// Marks `part` of a screen (a help text over the screen, or its button) as one
// that is never larger than what is seen of the screen: when the screen at the
// chosen size is larger than the desktop and scrolls, the part narrows to the
// width in view, as far from its right edge as from its left, so that its
// lines wrap where they can be read; a text box shortens to the height in view
// with its button still below it; and a part shown is scrolled into view.
void FitInView(QWidget& part);
bool FitsInView(const QWidget& part);

// Shows `text` in a note at the foot of `window` that stands in nobody's way:
// it asks for nothing and goes by itself after a few seconds.
void ShowWindowNote(QWidget& window, const QString& text);
// The text of the note that `window` shows; "" when it shows none.
QString WindowNoteText(const QWidget& window);

} // namespace velmora

#include "screens/ui/ScreenWindow.h"

#include "grid/ui/CellHint.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMargins>
#include <QScreen>
#include <QString>
#include <QVariant>
#include <QWidget>
#include <algorithm>

namespace velmora {

namespace {

// Where a line of a note may break, shown as nothing.
const QChar kBreakHere(0x200B);
// Set on a window centred before the window system framed it.
constexpr const char* kCentreWhenFramed = "velmoraCentreWhenFramed";

QRect FreeArea(const QWidget& window) {
    QScreen* screen =
        window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect();
}

bool FrameKnown(const QWidget& window) {
    return window.frameGeometry() != window.geometry();
}

// The window system's frame around the window; before the window has been
// framed it is not known, and room is kept for a usual title bar and border.
QMargins Frame(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect inner = window.geometry();
    if (!FrameKnown(window)) {
        return {4, 32, 4, 4};
    }
    return {inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
            frame.bottom() - inner.bottom()};
}

// Where the frame's top left corner is, or would be once framed.
QPoint FrameCorner(const QWidget& window) {
    if (FrameKnown(window)) {
        return window.frameGeometry().topLeft();
    }
    const QMargins frame = Frame(window);
    return window.geometry().topLeft() - QPoint(frame.left(), frame.top());
}

// `corner` moved as little as needed for `outer` to lie in `area`; where it
// cannot fit, the top left corner (with the title bar) stays in the area.
QPoint Inside(QPoint corner, QSize outer, const QRect& area) {
    return {std::max(area.left(), std::min(corner.x(), area.right() + 1 - outer.width())),
            std::max(area.top(), std::min(corner.y(), area.bottom() + 1 - outer.height()))};
}

// Puts the frame's top left corner at `corner`. A window not framed yet is
// placed itself, below and beside the room kept for its frame: a move of an
// unframed window would put the window's own corner there, and its title bar
// above it.
void PlaceFrameAt(QWidget& window, QPoint corner) {
    if (FrameKnown(window)) {
        if (window.frameGeometry().topLeft() != corner) {
            window.move(corner);
        }
        return;
    }
    const QMargins frame = Frame(window);
    const QPoint inner = corner + QPoint(frame.left(), frame.top());
    if (window.geometry().topLeft() != inner) {
        window.setGeometry(QRect(inner, window.size()));
    }
}

} // namespace

void SetUpScreenWindow(QWidget& screen, bool closable) {
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                            Qt::WindowMaximizeButtonHint;
    if (closable) {
        flags |= Qt::WindowCloseButtonHint;
    }
    screen.setWindowFlags(flags);
}

void CentreOnScreen(QWidget& window) {
    const QRect area = FreeArea(window);
    if (!area.isEmpty()) {
        CentreAt(window, area.center());
        window.setProperty(kCentreWhenFramed, !FrameKnown(window));
    }
}

void PlaceOnceFramed(QWidget& window) {
    if (window.property(kCentreWhenFramed).toBool() && FrameKnown(window)) {
        CentreOnScreen(window);
    } else {
        KeepOnScreen(window);
    }
}

bool AwaitsFrame(const QWidget& window) {
    return window.property(kCentreWhenFramed).toBool();
}

void CentreAt(QWidget& window, QPoint centre) {
    const QRect area = FreeArea(window);
    if (area.isEmpty()) {
        return;
    }
    const QSize outer = window.size().grownBy(Frame(window));
    const QPoint corner(centre.x() - outer.width() / 2, centre.y() - outer.height() / 2);
    PlaceFrameAt(window, Inside(corner, outer, area));
}

QSize FreeRoom(const QWidget& window) {
    const QRect area = FreeArea(window);
    if (area.isEmpty()) {
        return {QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};
    }
    const QMargins frame = Frame(window);
    return {std::max(1, area.width() - frame.left() - frame.right()),
            std::max(1, area.height() - frame.top() - frame.bottom())};
}

void KeepOnScreen(QWidget& window) {
    const QRect area = FreeArea(window);
    if (area.isEmpty()) {
        return;
    }
    const QSize outer = window.size().grownBy(Frame(window));
    const QPoint corner = FrameCorner(window);
    const QPoint inside = Inside(corner, outer, area);
    if (inside != corner) {
        PlaceFrameAt(window, inside);
    }
}

void ShowWindowNote(QWidget& window, const QString& text) {
    // A note of its own rather than a tooltip: a tooltip goes as soon as the
    // window is activated again, as it is right after a file dialog closes.
    // At the top, under the menu bar: the window's foot holds what is always
    // in view (the totals, the withdrawal needed, the way back), which the
    // note would cover. A path may break after each "/", so that a long one
    // is never cut at the window's edge.
    const int margin = window.fontMetrics().height();
    int top = 0;
    if (const auto* main = qobject_cast<const QMainWindow*>(&window);
        main != nullptr && main->menuWidget() != nullptr && main->menuWidget()->isVisible()) {
        top = main->menuWidget()->geometry().bottom() + 1;
    }
    QString shown = text;
    shown.replace(QLatin1Char('/'), QStringLiteral("/") + kBreakHere);
    CellHint::ShowUnder(window, QRect(margin, top, 1, 1), shown);
    if (QLabel* note = CellHint::Of(window)) {
        note->setAccessibleName(text);
    }
}

QString WindowNoteText(const QWidget& window) {
    const QLabel* note = CellHint::Of(window);
    if (note == nullptr || !note->isVisible()) {
        return QString();
    }
    QString text = note->text();
    return text.remove(kBreakHere);
}

} // namespace velmora

#include "screens/ui/ScreenWindow.h"

#include <QGuiApplication>
#include <QMargins>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace velmora {

namespace {

QRect FreeArea(const QWidget& window) {
    QScreen* screen =
        window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect();
}

// The window system's frame around the window; before the window has been
// shown it is not known, and room is kept for a usual title bar and border.
QMargins Frame(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect inner = window.geometry();
    if (frame == inner) {
        return {4, 32, 4, 4};
    }
    return {inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
            frame.bottom() - inner.bottom()};
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
    if (area.isEmpty()) {
        return;
    }
    const QSize size = window.frameGeometry().size();
    window.move(area.x() + (area.width() - size.width()) / 2,
                area.y() + (area.height() - size.height()) / 2);
    KeepOnScreen(window);
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
    const QMargins frame = Frame(window);
    const QSize outer = window.size().grownBy(frame);
    const QPoint at = window.frameGeometry().topLeft();
    // Where it cannot fit, its top left corner stays on the screen.
    const int x = std::max(area.left(), std::min(at.x(), area.right() + 1 - outer.width()));
    const int y = std::max(area.top(), std::min(at.y(), area.bottom() + 1 - outer.height()));
    if (x != at.x() || y != at.y()) {
        window.move(x, y);
    }
}

} // namespace velmora

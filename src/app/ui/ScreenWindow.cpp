#include "app/ui/ScreenWindow.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace velmora {

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
    QScreen* screen =
        window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->availableGeometry();
    const QSize size = window.frameGeometry().size();
    window.move(area.x() + (area.width() - size.width()) / 2,
                area.y() + (area.height() - size.height()) / 2);
}

} // namespace velmora

#include "screens/ui/CloseKeys.h"

#include <QAction>
#include <QKeySequence>
#include <QWidget>

namespace velmora {

void InstallCloseKeys(QWidget& window) {
    auto* close = new QAction(&window);
    close->setObjectName(QStringLiteral("actCloseWindow"));
    close->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)});
    close->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(close, &QAction::triggered, &window, &QWidget::close);
    window.addAction(close);
}

} // namespace velmora

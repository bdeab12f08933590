#include "screens/ui/ContextMenuAccess.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QMenu>
#include <QWidget>

namespace velmora {

namespace {

// A menu that pops up by itself: shown, and on no menu bar or menu.
bool IsOpenContextMenu(const QMenu& menu) {
    return menu.isVisible() && menu.menuAction()->associatedObjects().isEmpty();
}

class ScreenAccess : public QAccessibleWidget {
public:
    explicit ScreenAccess(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}

    int childCount() const override {
        return QAccessibleWidget::childCount() + static_cast<int>(OpenMenus().size());
    }

    QAccessibleInterface* child(int index) const override {
        const int own = QAccessibleWidget::childCount();
        if (index < own) {
            return QAccessibleWidget::child(index);
        }
        const QList<QMenu*> menus = OpenMenus();
        return index - own < menus.size()
                   ? QAccessible::queryAccessibleInterface(menus[index - own])
                   : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        const int own = QAccessibleWidget::indexOfChild(child);
        if (own >= 0 || child == nullptr) {
            return own;
        }
        const QList<QMenu*> menus = OpenMenus();
        for (int i = 0; i < menus.size(); ++i) {
            if (child->object() == menus[i]) {
                return QAccessibleWidget::childCount() + i;
            }
        }
        return -1;
    }

private:
    QList<QMenu*> OpenMenus() const {
        QList<QMenu*> open;
        for (QMenu* menu : widget()->findChildren<QMenu*>()) {
            if (IsOpenContextMenu(*menu)) {
                open.append(menu);
            }
        }
        return open;
    }
};

// The program's screens are the windows of its classes named Tfrm...
QAccessibleInterface* ScreenAccessFactory(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget != nullptr && widget->isWindow() &&
        className.startsWith(QLatin1String("velmora::Tfrm"))) {
        return new ScreenAccess(widget);
    }
    return nullptr;
}

} // namespace

void InstallContextMenuAccess() {
    QAccessible::installFactory(&ScreenAccessFactory); // Qt keeps one of each
}

} // namespace velmora

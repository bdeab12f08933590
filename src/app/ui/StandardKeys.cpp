#include "app/ui/StandardKeys.h"

#include "screens/ui/Shell.h"
#include "sizing/ui/Zoom.h"

#include <QAbstractItemView>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenuBar>
#include <QScrollArea>
#include <QWidget>
#include <functional>
#include <initializer_list>
#include <string>

namespace velmora {

namespace {

// The screen's own item named one of `names`, if it has one.
QAction* OwnItem(const QWidget& screen, std::initializer_list<const char*> names) {
    for (const char* name : names) {
        if (auto* action = screen.findChild<QAction*>(QString::fromLatin1(name))) {
            return action;
        }
    }
    return nullptr;
}

// An item that only a key reaches.
QAction* KeyOnly(QWidget& screen, const char* name, const std::function<void()>& command) {
    auto* action = new QAction(&screen);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(action, &QAction::triggered, &screen, command);
    screen.addAction(action);
    return action;
}

// Gives the screen's own item the keys, or else an item `keyName` that only the keys reach.
void Bind(QWidget& screen, std::initializer_list<const char*> names, const char* keyName,
          const QList<QKeySequence>& keys, const std::function<void()>& command) {
    QAction* action = OwnItem(screen, names);
    if (action == nullptr && command) {
        action = KeyOnly(screen, keyName, command);
    }
    if (action != nullptr) {
        action->setShortcuts(keys);
    }
}

void AddSizeItems(QWidget& screen, Zoom& zoom) {
    struct Item {
        const char* name; // after "mnu" in the View menu, "key" where only keys reach it
        const char* caption;
        QList<QKeySequence> keys;
        void (Zoom::*command)();
    };
    const Item items[] = {
        {"Larger",
         "&Larger",
         {QKeySequence(QKeySequence::ZoomIn), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
         &Zoom::Larger},
        {"Smaller", "&Smaller", {QKeySequence(QKeySequence::ZoomOut)}, &Zoom::Smaller},
        {"NormalSize", "&Normal Size", {QKeySequence(Qt::CTRL | Qt::Key_0)}, &Zoom::Normal},
    };
    auto* main = qobject_cast<QMainWindow*>(&screen);
    QMenu* view = nullptr;
    if (main != nullptr) {
        view = main->menuBar()->addMenu(QStringLiteral("&View"));
        view->setObjectName(QStringLiteral("mnuView"));
    }
    for (const Item& item : items) {
        const auto command = [&zoom, method = item.command] { (zoom.*method)(); };
        QAction* action = nullptr;
        if (view != nullptr) {
            action = view->addAction(QString::fromLatin1(item.caption));
            action->setObjectName(QStringLiteral("mnu") + QString::fromLatin1(item.name));
            QObject::connect(action, &QAction::triggered, &screen, command);
        } else {
            action = KeyOnly(screen, ("key" + std::string(item.name)).c_str(), command);
        }
        action->setShortcuts(item.keys);
        // At either end of the sizes the item that goes further is off.
        const auto update = [action, name = QByteArray(item.name)](int percent) {
            if (name == "Larger") {
                action->setEnabled(percent < Zoom::kSteps.back());
            } else if (name == "Smaller") {
                action->setEnabled(percent > Zoom::kSteps.front());
            }
        };
        update(zoom.Percent());
        QObject::connect(&zoom, &Zoom::Changed, action, update);
    }
    if (view == nullptr) {
        return;
    }
    // Every size by name, the one in force checked.
    view->addSeparator();
    auto* sizes = new QActionGroup(view);
    sizes->setExclusive(true);
    for (const int percent : Zoom::kSteps) {
        QAction* size = view->addAction(QStringLiteral("%1 %").arg(percent));
        size->setObjectName(QStringLiteral("mnuSize%1").arg(percent));
        size->setCheckable(true);
        size->setActionGroup(sizes);
        size->setChecked(percent == zoom.Percent());
        QObject::connect(size, &QAction::triggered, &screen,
                         [&zoom, percent] { zoom.SetPercent(percent); });
        QObject::connect(&zoom, &Zoom::Changed, size,
                         [size, percent](int now) { size->setChecked(now == percent); });
    }
}

// Whether Tab would stop at `widget`.
bool TakesTab(const QWidget& widget, const QWidget& screen) {
    return widget.window() == &screen && widget.isVisible() && widget.isEnabled() &&
           (widget.focusPolicy() & Qt::TabFocus) != 0 && widget.focusProxy() == nullptr;
}

// Goes on from the control that has the focus to the next (or the previous)
// one, as Tab does: from a table whose cells take Tab, or its open cell editor,
// to the control after the table.
void NextControl(QWidget& screen, bool forward) {
    QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr || focus->window() != &screen) {
        return;
    }
    QWidget* from = focus;
    for (QWidget* above = focus; above != nullptr && above != &screen;
         above = above->parentWidget()) {
        if (qobject_cast<QAbstractItemView*>(above) != nullptr) {
            from = above; // the outermost table: its cells and editors are left behind
        }
    }
    QWidget* next = from;
    do {
        next = forward ? next->nextInFocusChain() : next->previousInFocusChain();
        if (next == nullptr || next == from) {
            return;
        }
    } while (!TakesTab(*next, screen) || from->isAncestorOf(next));
    next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    for (QWidget* above = next->parentWidget(); above != nullptr; above = above->parentWidget()) {
        if (auto* scroll = qobject_cast<QScrollArea*>(above)) {
            scroll->ensureWidgetVisible(next);
        }
    }
}

} // namespace

void InstallStandardKeys(QWidget& screen, Shell& shell, Zoom& zoom) {
    Bind(screen, {"hlpHelp", "hlpContents", "hlpContent"}, "keyHelp",
         {QKeySequence(QKeySequence::HelpContents)}, [&shell] { shell.HelpContents(); });
    Bind(screen, {"hlpSave"}, "keySave", {QKeySequence(QKeySequence::Save)},
         [&shell] { shell.Save(); });
    Bind(screen, {"hlpExit"}, "keyExit", {QKeySequence(Qt::CTRL | Qt::Key_Q)},
         [&shell] { shell.ExitSequence(); });
    Bind(screen, {"mnuPrintReport"}, "", {QKeySequence(QKeySequence::Print)}, {});
    KeyOnly(screen, "keyNextControl", [&screen] {
        NextControl(screen, true);
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab));
    KeyOnly(screen, "keyPreviousControl", [&screen] { NextControl(screen, false); })
        ->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
                        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab)});
    AddSizeItems(screen, zoom);
}

} // namespace velmora

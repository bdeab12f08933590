#pragma once
// Naming of screen controls: the object name is the documented control name,
// the accessible name is what the user reads (its caption or the label beside
// it), and the accessible description is words for a person: the control's
// hint, or nothing. Only when the environment variable VELMORA_ACCESSIBLE_IDS
// is "1" does the description repeat the control name instead, so that tools
// driving the program from outside, through the desktop's accessibility
// interface, can find each control.

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QString>
#include <QWidget>

class QLabel;
class QPushButton;

namespace velmora {

// Whether controls carry their control names as descriptions (VELMORA_ACCESSIBLE_IDS=1).
bool ControlNamesAsDescriptions();

void NameControl(QWidget& widget, const char* controlName, const QString& readable,
                 const QString& hint = QString());

// Gives `widget` `hint` as its tooltip and, unless control names are the
// descriptions, as its description.
void SetHint(QWidget& widget, const QString& hint);

// A caption without its accelerator marks ("E&xit" reads "Exit").
inline QString PlainCaption(QString caption) {
    caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    caption.remove(QLatin1Char('&'));
    caption.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    return caption.trimmed();
}

// A label named `name` whose accessible name is its text, in bold when asked.
QLabel* NamedLabel(QWidget* parent, const char* name, const QString& text, bool bold = false);

// A button named `name` whose accessible name is its caption without the
// accelerator marks, with `hint` as its tooltip when there is one.
QPushButton* NamedButton(QWidget* parent, const char* name, const QString& caption,
                         const QString& hint = QString());

// A menu item named `name` in `menu` (without a menu, an item of the window's
// menu bar itself) that calls `handler` of `window`.
template <class Window, class Handler>
QAction* NamedAction(Window& window, QMenu* menu, const char* name, const QString& caption,
                     Handler handler) {
    QAction* action =
        menu != nullptr ? menu->addAction(caption) : window.menuBar()->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    QObject::connect(action, &QAction::triggered, &window, handler);
    return action;
}

} // namespace velmora

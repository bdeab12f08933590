#pragma once
// Naming of screen controls: the object name is the documented control name,
// the accessible name is what the user reads (its caption or the label beside
// it), and the accessible description repeats the control name so that tools
// driving the program from outside can find it.

#include <QString>
#include <QWidget>

class QLabel;
class QPushButton;

namespace velmora {

inline void NameControl(QWidget& widget, const char* controlName, const QString& readable) {
    widget.setObjectName(QString::fromLatin1(controlName));
    widget.setAccessibleName(readable);
    widget.setAccessibleDescription(QString::fromLatin1(controlName));
}

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

} // namespace velmora

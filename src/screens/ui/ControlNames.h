#pragma once
// Naming of screen controls: the object name is the documented control name,
// the accessible name is what the user reads (its caption or the label beside
// it), and the accessible description repeats the control name so that tools
// driving the program from outside can find it.

#include <QString>
#include <QWidget>

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

} // namespace velmora

#include "screens/ui/ControlNames.h"

#include <QFont>
#include <QLabel>
#include <QPushButton>

namespace velmora {

bool ControlNamesAsDescriptions() {
    return qEnvironmentVariable("VELMORA_ACCESSIBLE_IDS") == QLatin1String("1");
}

void NameControl(QWidget& widget, const char* controlName, const QString& readable,
                 const QString& hint) {
    widget.setObjectName(QString::fromLatin1(controlName));
    widget.setAccessibleName(readable);
    widget.setAccessibleDescription(ControlNamesAsDescriptions() ? widget.objectName() : hint);
}

void SetHint(QWidget& widget, const QString& hint) {
    widget.setToolTip(hint);
    if (!ControlNamesAsDescriptions()) {
        widget.setAccessibleDescription(hint);
    }
}

QLabel* NamedLabel(QWidget* parent, const char* name, const QString& text, bool bold) {
    auto* label = new QLabel(text, parent);
    NameControl(*label, name, text);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

QPushButton* NamedButton(QWidget* parent, const char* name, const QString& caption,
                         const QString& hint) {
    auto* button = new QPushButton(caption, parent);
    NameControl(*button, name, PlainCaption(caption), hint);
    if (!hint.isEmpty()) {
        button->setToolTip(hint);
    }
    return button;
}

} // namespace velmora

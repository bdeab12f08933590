#include "screens/ui/ControlNames.h"

#include <QFont>
#include <QLabel>
#include <QPushButton>

namespace velmora {

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
    NameControl(*button, name, PlainCaption(caption));
    if (!hint.isEmpty()) {
        button->setToolTip(hint);
    }
    return button;
}

} // namespace velmora

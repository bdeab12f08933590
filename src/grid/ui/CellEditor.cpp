#include "grid/ui/CellEditor.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace velmora {

CellEditor::CellEditor(const EditMask& mask, QWidget* parent) : QLineEdit(parent), mask_(mask) {}

QString CellEditor::Unfilled() const {
    return QString::fromStdU32String(mask_.Unfilled(text().toStdU32String()));
}

void CellEditor::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    const QString marks = Unfilled();
    if (marks.isEmpty()) {
        return;
    }
    // The end of the text lies as far after the cursor as the text after it is wide.
    const QFontMetrics metrics(font());
    const QString shown = displayText();
    const int cursorX = cursorRect().center().x();
    const int endX = cursorX + metrics.horizontalAdvance(shown) -
                     metrics.horizontalAdvance(shown.left(cursorPosition()));
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::PlaceholderText));
    painter.drawText(QRect(endX + 1, 0, std::max(0, width() - endX - 1), height()),
                     Qt::AlignLeft | Qt::AlignVCenter, marks);
}

} // namespace velmora

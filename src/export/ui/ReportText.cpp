#include "export/ui/ReportText.h"

#include <QLocale>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>

namespace velmora::report {

QFont Font(double size, bool bold) {
    QFont font;
    font.setPixelSize(static_cast<int>(size));
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

void DrawLine(QPainter& painter, const QRectF& box, const QString& text, const QFont& font,
              int flags) {
    painter.setFont(font);
    painter.drawText(box, flags | Qt::TextSingleLine | Qt::TextDontClip, text);
}

namespace {

// Lays `text` out in lines of `width`, the i-th line `lineHeight` * i from the top.
void LayOutLines(QTextLayout& layout, double width, double lineHeight, Qt::Alignment align) {
    QTextOption option(align);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    int index = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(std::max(1.0, width));
        line.setPosition(QPointF(0, index * lineHeight + (lineHeight - line.height()) / 2));
        ++index;
    }
    layout.endLayout();
}

} // namespace

int LineCount(const QString& text, const QFont& font, double width) {
    QTextLayout layout(text, font);
    LayOutLines(layout, width, 1, Qt::AlignLeft);
    return std::max(1, layout.lineCount());
}

void DrawWrapped(QPainter& painter, const QRectF& box, const QString& text, const QFont& font,
                 double lineHeight, Qt::Alignment align) {
    QTextLayout layout(text, font);
    LayOutLines(layout, box.width(), lineHeight, align);
    layout.draw(&painter, box.topLeft());
}

QString DateText(QDate date) {
    return QLocale(QLocale::English, QLocale::UnitedStates).toString(date, "MMMM d, yyyy");
}

} // namespace velmora::report

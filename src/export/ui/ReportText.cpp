#include "export/ui/ReportText.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
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
    const QString shown =
        QFontMetricsF(font).elidedText(text, Qt::ElideRight, std::max(0.0, box.width()));
    painter.drawText(box, flags | Qt::TextSingleLine, shown);
}

QString DateText(QDate date) {
    return QLocale(QLocale::English, QLocale::UnitedStates).toString(date, "MMMM d, yyyy");
}

} // namespace velmora::report

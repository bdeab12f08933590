#include "projection/ui/ChartAxis.h"

#include "export/ui/ReportPalette.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

namespace velmora {

namespace {
constexpr double kGap = 4;
} // namespace

QRectF DrawValueAxis(QPainter& painter, const QRectF& area, double legend, const QString& top,
                     double scale) {
    const QFontMetricsF metrics(painter.font());
    const double axisWidth = metrics.horizontalAdvance(top) + kGap * scale;
    const QRectF plot(area.left() + axisWidth, area.top() + legend,
                      std::max(0.0, area.width() - axisWidth),
                      std::max(0.0, area.height() - legend - metrics.height() - kGap * scale));
    painter.setPen(palette::Faint());
    painter.drawText(
        QRectF(area.left(), plot.top() - metrics.height() / 2, axisWidth - kGap, metrics.height()),
        Qt::AlignRight | Qt::AlignVCenter, top);
    painter.drawText(QRectF(area.left(), plot.bottom() - metrics.height() / 2, axisWidth - kGap,
                            metrics.height()),
                     Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("0"));
    painter.setPen(QPen(palette::Grid(), scale));
    painter.drawLine(plot.topLeft(), plot.topRight());
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    return plot;
}

} // namespace velmora

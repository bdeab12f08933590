#include "projection/ui/WaysChart.h"

#include "export/ui/ReportPalette.h"
#include "projection/ProjectionTexts.h"
#include "projection/ui/ChartAxis.h"
#include "screens/ui/ScreenText.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <string>

namespace velmora {

namespace {

constexpr double kTextSize = 9;
constexpr double kGap = 4;

double TypeSize(const QFont& font) {
    return font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF();
}

} // namespace

QColor WayColour(std::size_t way) {
    return palette::CategoryColour(static_cast<int>(way % 4));
}

void DrawWaysChart(QPainter& painter, const QRectF& area, const projection::WaysCompared& ways,
                   double scale) {
    painter.save();
    painter.setClipRect(area);
    painter.setRenderHint(QPainter::Antialiasing, true);
    QFont font;
    font.setPixelSize(std::max(1, static_cast<int>(kTextSize * scale)));
    painter.setFont(font);
    const QFontMetricsF metrics(font);

    // Legend: one short line and the way's words each, going on in a further
    // row where the area is too narrow for them all.
    double x = area.left();
    double rowTop = area.top();
    for (std::size_t i = 0; i < ways.Lines.size(); ++i) {
        const QString words = FromCoreText(std::string(projection::WayWords(ways.Lines[i].way)));
        const double entry = 16 * scale + kGap * scale + metrics.horizontalAdvance(words);
        if (x > area.left() && x + entry > area.right()) {
            x = area.left();
            rowTop += metrics.height() + kGap * scale;
        }
        const double middle = rowTop + metrics.height() / 2;
        painter.setPen(QPen(WayColour(i), 2 * scale));
        painter.drawLine(QPointF(x, middle), QPointF(x + 16 * scale, middle));
        x += 16 * scale + kGap * scale;
        painter.setPen(palette::Text());
        painter.drawText(QPointF(x, rowTop + metrics.ascent()), words);
        x += metrics.horizontalAdvance(words) + 3 * kGap * scale;
    }
    const double legend = rowTop - area.top() + metrics.height() + kGap * scale;

    double highest = 0;
    std::size_t count = 0;
    for (const projection::WayLine& line : ways.Lines) {
        count = std::max(count, line.EndByYear.size());
        for (const std::int64_t value : line.EndByYear) {
            highest = std::max(highest, static_cast<double>(value));
        }
    }
    const QString top = FromCoreText(projection::GroupedText(highest));
    const QRectF plot = DrawValueAxis(painter, area, legend, top, scale);
    if (count == 0) {
        painter.restore();
        return;
    }
    const double step = count > 1 ? plot.width() / static_cast<double>(count - 1) : 0.0;
    const auto yOf = [&](double value) {
        return highest > 0 ? plot.bottom() - plot.height() * std::max(0.0, value) / highest
                           : plot.bottom();
    };
    // The first and the last year under the axis.
    painter.setPen(palette::Faint());
    const double labelTop = plot.bottom() + kGap * scale / 2 + metrics.ascent();
    painter.drawText(QPointF(plot.left(), labelTop), QString::number(ways.FirstYear));
    const QString last = QString::number(ways.FirstYear + static_cast<int>(count) - 1);
    painter.drawText(QPointF(plot.right() - metrics.horizontalAdvance(last), labelTop), last);
    for (std::size_t i = 0; i < ways.Lines.size(); ++i) {
        QPolygonF points;
        const auto& values = ways.Lines[i].EndByYear;
        for (std::size_t k = 0; k < values.size(); ++k) {
            points << QPointF(plot.left() + step * static_cast<double>(k),
                              yOf(static_cast<double>(values[k])));
        }
        painter.setPen(QPen(WayColour(i), 2 * scale));
        painter.drawPolyline(points);
    }
    painter.restore();
}

WaysChartView::WaysChartView(QWidget* parent) : QWidget(parent), baseType_(TypeSize(font())) {}

void WaysChartView::Show(const projection::WaysCompared* ways) {
    ways_ = ways;
    update();
}

void WaysChartView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (ways_ != nullptr) {
        const double scale = baseType_ > 0 ? TypeSize(font()) / baseType_ : 1.0;
        DrawWaysChart(painter, QRectF(rect()).adjusted(4, 4, -4, -4), *ways_, scale);
    }
}

} // namespace velmora

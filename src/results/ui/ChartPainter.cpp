#include "results/ui/ChartPainter.h"

#include "export/ui/ReportNumbers.h"
#include "export/ui/ReportPalette.h"
#include "results/ResultBox.h"
#include "screens/ui/ScreenText.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace velmora::charts {

namespace {

constexpr double kLargestText = 11.0;
constexpr double kSmallestText = 7.0;

// The chart's measures at its scale (see ChartPainter.h).
struct Units {
    explicit Units(double scale)
        : unit(scale), largest(kLargestText * scale), smallest(kSmallestText * scale),
          row(kErrRowHeight * scale), scaleRow(kErrScaleHeight * scale) {}
    double unit;     // one unit of the chart as designed
    double largest;  // the largest text
    double smallest; // the smallest text drawn at all
    double row;      // an ERR chart's row
    double scaleRow; // the ERR chart's scale
};

double ValidScale(double scale) {
    return std::isfinite(scale) && scale > 0 ? scale : 1.0;
}

QFont FontOfSize(const QPainter& painter, double size, bool bold = false) {
    QFont font = painter.font();
    font.setPixelSize(std::max(1, static_cast<int>(size)));
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferNoShaping); // no ligatures: PDF text reads back as typed
    return font;
}

// Draws text inside a box on one line; a text too wide for the box is drawn in
// a smaller type, never cut short.
void DrawFitted(QPainter& painter, const QRectF& box, int flags, const QString& text) {
    if (box.width() <= 0 || box.height() <= 0 || text.isEmpty()) {
        return;
    }
    QFont font = painter.font();
    while (font.pixelSize() > 1 && QFontMetricsF(font).horizontalAdvance(text) > box.width()) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    painter.save();
    painter.setFont(font);
    painter.drawText(box, flags | Qt::TextSingleLine, text);
    painter.restore();
}

double TextWidth(const QFont& font, const QString& text) {
    return QFontMetricsF(font).horizontalAdvance(text);
}

void DrawNoInvestments(QPainter& painter, const QRectF& area, const Units& units) {
    painter.setFont(
        FontOfSize(painter, std::clamp(area.height() / 3, 1.0, std::max(1.0, units.largest + 1))));
    painter.setPen(palette::Text());
    DrawFitted(painter, area, Qt::AlignCenter, QStringLiteral("No investments"));
}

// Saves the painter, clips it to the area and restores it on leaving.
class ClippedTo {
public:
    ClippedTo(QPainter& painter, const QRectF& area) : painter_(painter) {
        painter_.save();
        painter_.setClipRect(area, Qt::IntersectClip);
        painter_.setRenderHint(QPainter::Antialiasing);
        painter_.setRenderHint(QPainter::TextAntialiasing);
    }
    ~ClippedTo() { painter_.restore(); }
    ClippedTo(const ClippedTo&) = delete;
    ClippedTo& operator=(const ClippedTo&) = delete;

private:
    QPainter& painter_;
};

// ---- Ring of shares ----

struct Piece {
    QColor colour;
    double fraction = 0.0;
    QString label; // on the ring, where it fits
};

struct LegendLine {
    QColor colour; // invalid: no swatch
    QString title;
    QString percent;
    QString total;
    bool bold = false;
};

QPainterPath RingPiece(const QRectF& outer, const QRectF& inner, double start, double span) {
    QPainterPath path;
    path.arcMoveTo(outer, start);
    path.arcTo(outer, start, span);
    path.arcTo(inner, start + span, -span);
    path.closeSubpath();
    return path;
}

void DrawRing(QPainter& painter, const QRectF& square, const std::vector<Piece>& pieces,
              const QString& centreTitle, const QString& centreText, const Units& units) {
    const double margin = std::max(1.0, square.width() * 0.03);
    const QRectF outer = square.adjusted(margin, margin, -margin, -margin);
    if (outer.width() < 4) {
        return;
    }
    const double thickness = outer.width() * 0.2;
    const QRectF inner = outer.adjusted(thickness, thickness, -thickness, -thickness);
    const QPointF centre = outer.center();

    // Pieces are parted by white lines; a whole ring of one piece has no seam.
    if (pieces.size() > 1) {
        painter.setPen(QPen(Qt::white, std::max(0.5, outer.width() / 150)));
    } else {
        painter.setPen(Qt::NoPen);
    }
    double start = 90.0; // twelve o'clock, then clockwise
    for (const Piece& piece : pieces) {
        const double span = -360.0 * piece.fraction;
        painter.setBrush(piece.colour);
        painter.drawPath(RingPiece(outer, inner, start, span));
        start += span;
    }

    // Each piece's percentage on the piece, where it has room.
    const QFont labelFont = FontOfSize(painter, std::min(units.largest, thickness * 0.45), true);
    painter.setFont(labelFont);
    const double midRadius = (outer.width() + inner.width()) / 4;
    const QFontMetricsF metrics(labelFont);
    start = 90.0;
    for (const Piece& piece : pieces) {
        const double span = -360.0 * piece.fraction;
        const double arcLength = std::abs(span) * std::numbers::pi / 180.0 * midRadius;
        const double width = metrics.horizontalAdvance(piece.label);
        if (!piece.label.isEmpty() && width + 4 < arcLength && metrics.height() < thickness &&
            labelFont.pixelSize() >= units.smallest) {
            const double middle = (start + span / 2) * std::numbers::pi / 180.0;
            const QPointF at(centre.x() + midRadius * std::cos(middle),
                             centre.y() - midRadius * std::sin(middle));
            const QRectF box(at.x() - width / 2 - 1, at.y() - metrics.height() / 2, width + 2,
                             metrics.height());
            painter.setPen(piece.colour.lightness() < 140 ? Qt::white : palette::Text());
            painter.drawText(box, Qt::AlignCenter | Qt::TextSingleLine, piece.label);
        }
        start += span;
    }

    // The investment total in the middle, where it has room.
    const double room = inner.width() * 0.8;
    const double lineHeight = std::min(units.largest + 2 * units.unit, inner.height() / 3);
    if (lineHeight >= units.smallest) {
        painter.setPen(palette::Text());
        painter.setFont(FontOfSize(painter, lineHeight * 0.8));
        DrawFitted(painter,
                   QRectF(centre.x() - room / 2, centre.y() - lineHeight, room, lineHeight),
                   Qt::AlignHCenter | Qt::AlignBottom, centreTitle);
        painter.setFont(FontOfSize(painter, lineHeight * 0.8, true));
        DrawFitted(painter, QRectF(centre.x() - room / 2, centre.y(), room, lineHeight),
                   Qt::AlignHCenter | Qt::AlignTop, centreText);
    }
}

void DrawLegend(QPainter& painter, const QRectF& box, const std::vector<LegendLine>& lines,
                const Units& units) {
    if (lines.empty() || box.width() <= 0 || box.height() <= 0) {
        return;
    }
    const double rowHeight = std::min(units.largest * 1.8, box.height() / lines.size());
    const double textSize = std::min(units.largest, rowHeight * 0.7);
    if (textSize < 1) {
        return;
    }
    const QFont plain = FontOfSize(painter, textSize);
    const QFont bold = FontOfSize(painter, textSize, true);
    double percentWidth = 0;
    double totalWidth = 0;
    for (const LegendLine& line : lines) {
        percentWidth = std::max(percentWidth, TextWidth(bold, line.percent));
        totalWidth = std::max(totalWidth, TextWidth(bold, line.total));
    }
    const double gap = textSize;
    const double swatch = textSize;
    totalWidth = std::min(totalWidth + 1, box.width() * 0.4);
    percentWidth = std::min(percentWidth + 1, box.width() * 0.25);
    const double totalLeft = box.right() - totalWidth;
    const double percentLeft = totalLeft - gap - percentWidth;
    const double titleLeft = box.left() + swatch + gap / 2;
    const double top = box.top() + (box.height() - rowHeight * lines.size()) / 2;

    for (std::size_t i = 0; i < lines.size(); ++i) {
        const LegendLine& line = lines[i];
        const double y = top + rowHeight * static_cast<double>(i);
        if (line.colour.isValid()) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(line.colour);
            painter.drawRect(
                QRectF(box.left(), y + (rowHeight - swatch) / 2, swatch * 0.9, swatch * 0.9));
        }
        painter.setPen(palette::Text());
        painter.setFont(line.bold ? bold : plain);
        DrawFitted(
            painter,
            QRectF(titleLeft, y, std::max(0.0, percentLeft - gap / 2 - titleLeft), rowHeight),
            Qt::AlignLeft | Qt::AlignVCenter, line.title);
        DrawFitted(painter, QRectF(percentLeft, y, percentWidth, rowHeight),
                   Qt::AlignRight | Qt::AlignVCenter, line.percent);
        DrawFitted(painter, QRectF(totalLeft, y, totalWidth, rowHeight),
                   Qt::AlignRight | Qt::AlignVCenter, line.total);
    }
}

// ---- ERR bars ----

struct Scale {
    double low = 0.0;
    double high = 1.0;
    double step = 0.0; // 0: no ticks
};

double NiceStep(double range) {
    const double raw = range / 5;
    if (!std::isfinite(raw) || raw <= 0) {
        return 0.0;
    }
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    const double norm = raw / magnitude;
    const double nice = norm < 1.5 ? 1 : norm < 3 ? 2 : norm < 7 ? 5 : 10;
    const double step = nice * magnitude;
    return std::isfinite(step) && step > 0 ? step : 0.0;
}

// From the lowest to the highest ERR, zero always included, widened to whole steps.
Scale ScaleOf(const ChartData& data) {
    Scale scale{0.0, 0.0, 0.0};
    for (const ChartCategory& category : data.Categories) {
        for (const ChartHolding& holding : category.Holdings) {
            if (std::isfinite(holding.Err)) {
                scale.low = std::min(scale.low, holding.Err);
                scale.high = std::max(scale.high, holding.Err);
            }
        }
    }
    if (scale.high == scale.low) {
        scale.high = 1.0;
    }
    scale.step = NiceStep(scale.high - scale.low);
    if (scale.step > 0) {
        const double low = std::floor(scale.low / scale.step) * scale.step;
        const double high = std::ceil(scale.high / scale.step) * scale.step;
        if (std::isfinite(low) && std::isfinite(high)) {
            scale.low = low;
            scale.high = high;
        }
    }
    return scale;
}

// Horizontal place of a value between left and right; halves keep the extreme
// ends of the double range from overflowing.
double Place(const Scale& scale, double value, double left, double right) {
    const double share = (value / 2 - scale.low / 2) / (scale.high / 2 - scale.low / 2);
    return left + std::clamp(share, 0.0, 1.0) * (right - left);
}

struct BarRow {
    int category = 0;
    const ChartHolding* holding = nullptr; // null: the category's heading row
};

std::vector<BarRow> BarRows(const ChartData& data) {
    std::vector<BarRow> rows;
    for (int k = 0; k < kCategories; ++k) {
        rows.push_back({k, nullptr});
        for (const ChartHolding& holding : data.Categories[k].Holdings) {
            rows.push_back({k, &holding});
        }
    }
    return rows;
}

QString HeadingText(const ChartCategory& category) {
    const std::size_t count = category.Holdings.size();
    if (count == 0) {
        return category.Title + QStringLiteral(": no holdings");
    }
    return category.Title + QStringLiteral(" (") + QString::number(count) +
           (count == 1 ? QStringLiteral(" holding)") : QStringLiteral(" holdings)"));
}

void DrawScaleLabels(QPainter& painter, const Scale& scale, const QRectF& box, double plotLeft,
                     double plotRight, const Units& units) {
    const double size = std::min(units.largest - units.unit, box.height() * 0.75);
    if (scale.step <= 0 || size < units.smallest - units.unit) {
        return;
    }
    painter.setFont(FontOfSize(painter, size));
    painter.setPen(palette::Text());
    const QFontMetricsF metrics(painter.font());
    double lastRight = -std::numeric_limits<double>::infinity();
    const double first = std::ceil(scale.low / scale.step);
    for (int i = 0; i <= 40; ++i) {
        const double value = (first + i) * scale.step;
        if (value > scale.high + scale.step / 1000) {
            break;
        }
        const QString text = report::ScaleText(value);
        const double width = metrics.horizontalAdvance(text) + 2;
        const double x = Place(scale, value, plotLeft, plotRight);
        const double left = std::clamp(x - width / 2, box.left(), box.right() - width);
        if (left > lastRight + size / 2 && left >= box.left() && left + width <= box.right()) {
            painter.drawText(QRectF(left, box.top(), width, box.height()),
                             Qt::AlignCenter | Qt::TextSingleLine, text);
            lastRight = left + width;
        }
    }
}

} // namespace

void DrawShares(QPainter& painter, const QRectF& area, const ChartData& data, double scale) {
    if (!area.isValid()) {
        return;
    }
    ClippedTo clip(painter, area);
    const Units units(ValidScale(scale));

    double positive = 0.0;
    for (const ChartCategory& category : data.Categories) {
        positive += std::max(0.0, category.Total);
    }
    const double whole = std::max(positive, data.TotalInvestments);
    if (!(whole > 0)) {
        DrawNoInvestments(painter, area, units);
        return;
    }

    std::vector<Piece> pieces;
    std::vector<LegendLine> lines;
    double shown = 0.0;
    for (int k = 0; k < kCategories; ++k) {
        const ChartCategory& category = data.Categories[k];
        const double fraction = std::max(0.0, category.Total) / whole;
        shown += fraction;
        if (fraction > 0) {
            pieces.push_back({palette::CategoryColour(k), fraction, category.PercentText + '%'});
        }
        lines.push_back({palette::CategoryColour(k), category.Title, category.PercentText + '%',
                         category.TotalText, false});
    }
    if (1.0 - shown > 0.0005) {
        pieces.push_back({palette::Other(), 1.0 - shown, QString()});
        lines.push_back(
            {palette::Other(), QStringLiteral("Not in a category"), QString(), QString(), false});
    }
    const std::string_view total = BoxLabel(ResultBox::TotalInvestments);
    lines.push_back({QColor(), FromCoreText(total), QString(), data.TotalText, true});

    const double lineRoom = units.largest * 1.8 * static_cast<double>(lines.size());
    QRectF ring;
    QRectF legend;
    if (area.width() >= area.height() * 1.3) {
        const double side = std::min(area.height(), area.width() * 0.45);
        ring = QRectF(area.left(), area.top() + (area.height() - side) / 2, side, side);
        const double gap = side * 0.08;
        legend =
            QRectF(ring.right() + gap, area.top(),
                   std::min(area.right() - ring.right() - gap, units.largest * 28), area.height());
    } else {
        const double legendHeight = std::min(lineRoom, area.height() * 0.5);
        const double side = std::min(area.width(), area.height() - legendHeight);
        ring = QRectF(area.left() + (area.width() - side) / 2, area.top(), side, side);
        const double width = std::min(area.width(), units.largest * 28);
        legend = QRectF(area.left() + (area.width() - width) / 2, ring.bottom(), width,
                        area.bottom() - ring.bottom());
    }
    DrawRing(painter, ring, pieces, QStringLiteral("Total"), data.TotalText, units);
    DrawLegend(painter, legend, lines, units);
}

int ErrBarRowCount(const ChartData& data) {
    return kCategories + data.HoldingCount();
}

double ErrBarsHeight(const ChartData& data, double scale) {
    const Units units(ValidScale(scale));
    return ErrBarRowCount(data) * units.row + units.scaleRow;
}

void DrawErrBars(QPainter& painter, const QRectF& area, const ChartData& data, int firstRow,
                 int rowCount, double scale) {
    if (!area.isValid()) {
        return;
    }
    ClippedTo clip(painter, area);
    const Units units(ValidScale(scale));
    if (data.HoldingCount() == 0) {
        DrawNoInvestments(painter, area, units);
        return;
    }
    const std::vector<BarRow> rows = BarRows(data);
    const int total = static_cast<int>(rows.size());
    firstRow = std::clamp(firstRow, 0, total);
    const int count = rowCount < 0 ? total - firstRow : std::min(rowCount, total - firstRow);
    if (count <= 0) {
        return;
    }

    // The scale takes its full height where the rows can have theirs, else a fifth.
    const double scaleHeight =
        std::min(units.scaleRow, std::max(area.height() * 0.2, area.height() - count * units.row));
    const double rowHeight = std::min(units.row, (area.height() - scaleHeight) / count);
    const double textSize = std::min(units.largest - units.unit, rowHeight * 0.72);
    const bool withText = textSize >= units.smallest;
    const QFont plain = FontOfSize(painter, textSize);
    const QFont bold = FontOfSize(painter, textSize, true);

    // Columns: names, the bars, the ERR texts.
    double nameWidth = 0;
    double errWidth = 0;
    if (withText) {
        for (int i = firstRow; i < firstRow + count; ++i) {
            if (rows[i].holding != nullptr) {
                nameWidth = std::max(nameWidth, TextWidth(plain, rows[i].holding->Name));
                errWidth = std::max(errWidth, TextWidth(plain, rows[i].holding->ErrText));
            }
        }
        nameWidth = std::min(nameWidth + textSize, area.width() * 0.28);
        errWidth = std::min(errWidth + textSize, area.width() * 0.26);
    }
    // Lines are drawn a unit inside the area, so that not even their blended edge leaves it.
    const double plotLeft = area.left() + nameWidth + 1;
    const double plotRight = std::max(plotLeft, area.right() - errWidth - 1);
    const Scale axis = ScaleOf(data);
    const double rowsTop = area.top();
    const double rowsBottom = rowsTop + rowHeight * count;
    const double lineTop = rowsTop + 1;
    const double lineBottom = std::min(rowsBottom, area.bottom() - 1);

    // Grid lines at the scale's steps, the zero axis darker.
    painter.setPen(QPen(palette::Grid(), 0));
    if (axis.step > 0) {
        const double first = std::ceil(axis.low / axis.step);
        for (int i = 0; i <= 40; ++i) {
            const double value = (first + i) * axis.step;
            if (value > axis.high + axis.step / 1000) {
                break;
            }
            const double x = Place(axis, value, plotLeft, plotRight);
            painter.drawLine(QPointF(x, lineTop), QPointF(x, lineBottom));
        }
    }

    const double zero = Place(axis, 0.0, plotLeft, plotRight);
    for (int i = 0; i < count; ++i) {
        const BarRow& row = rows[firstRow + i];
        const double y = rowsTop + rowHeight * i;
        const ChartCategory& category = data.Categories[row.category];
        if (row.holding == nullptr) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(palette::HeadingBand());
            painter.drawRect(QRectF(area.left(), y, area.width(), rowHeight));
            painter.setBrush(palette::CategoryColour(row.category));
            painter.drawRect(QRectF(area.left(), y, std::max(1.0, rowHeight * 0.25), rowHeight));
            if (withText) {
                painter.setPen(palette::Text());
                painter.setFont(bold);
                DrawFitted(painter,
                           QRectF(area.left() + rowHeight * 0.5, y, area.width() - rowHeight * 0.5,
                                  rowHeight),
                           Qt::AlignLeft | Qt::AlignVCenter, HeadingText(category));
            }
            continue;
        }
        const ChartHolding& holding = *row.holding;
        if (std::isfinite(holding.Err)) {
            const double end = Place(axis, holding.Err, plotLeft, plotRight);
            const double barHeight = std::max(rowHeight * 0.64, std::min(rowHeight, 0.5));
            painter.setPen(Qt::NoPen);
            painter.setBrush(palette::CategoryColour(row.category));
            painter.drawRect(QRectF(std::min(zero, end), y + (rowHeight - barHeight) / 2,
                                    std::max(std::abs(end - zero), 0.5), barHeight));
        }
        if (withText) {
            painter.setPen(palette::Text());
            painter.setFont(plain);
            DrawFitted(painter, QRectF(area.left(), y, nameWidth - textSize / 2, rowHeight),
                       Qt::AlignLeft | Qt::AlignVCenter, holding.Name);
            DrawFitted(painter,
                       QRectF(plotRight + textSize / 2, y, area.right() - plotRight - textSize / 2,
                              rowHeight),
                       Qt::AlignLeft | Qt::AlignVCenter, holding.ErrText);
        }
    }

    painter.setPen(QPen(palette::Text(), 0));
    painter.drawLine(QPointF(zero, lineTop), QPointF(zero, lineBottom));
    painter.drawLine(QPointF(plotLeft, lineBottom), QPointF(plotRight, lineBottom));
    DrawScaleLabels(painter, axis,
                    QRectF(area.left(), rowsBottom, area.width(),
                           std::min(scaleHeight, area.bottom() - rowsBottom)),
                    plotLeft, plotRight, units);
}

} // namespace velmora::charts

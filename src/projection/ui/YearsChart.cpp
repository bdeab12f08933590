#include "projection/ui/YearsChart.h"

#include "export/ui/ReportPalette.h"
#include "projection/ProjectionTexts.h"
#include "projection/ui/ChartAxis.h"
#include "projection/ui/ShortfallShade.h"
#include "screens/ui/ScreenText.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cstddef>

namespace velmora {

namespace {

constexpr double kTextSize = 9;
constexpr double kGap = 4;
constexpr double kLegendBox = 8;

double TypeSize(const QFont& font) {
    return font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF();
}

QFont ChartFont(double scale) {
    QFont font;
    font.setPixelSize(std::max(1, static_cast<int>(kTextSize * scale)));
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

// The year's investments stacked by category; a negative part adds nothing.
double Stacked(const projection::ProjectedYear& year) {
    double total = 0;
    for (const std::int64_t part : year.EndByCategory) {
        total += static_cast<double>(std::max<std::int64_t>(part, 0));
    }
    return total;
}

QString Amount(double value) {
    return FromCoreText(projection::GroupedText(value));
}

// The legend along the top: the four categories, then the budget line.
double DrawLegend(QPainter& painter, const QRectF& area, double scale, bool runsShort) {
    const QFontMetricsF metrics(painter.font());
    const double box = kLegendBox * scale;
    double x = area.left();
    const double y = area.top();
    for (const RiskCategory category : kRiskCategories) {
        painter.fillRect(QRectF(x, y + (metrics.height() - box) / 2, box, box),
                         palette::CategoryColour(Number(category)));
        x += box + kGap * scale;
        const QString text = FromCoreText(Title(category));
        painter.setPen(palette::Text());
        painter.drawText(QPointF(x, y + metrics.ascent()), text);
        x += metrics.horizontalAdvance(text) + 3 * kGap * scale;
    }
    painter.setPen(QPen(palette::Text(), 2 * scale));
    const double middle = y + metrics.height() / 2;
    painter.drawLine(QPointF(x, middle), QPointF(x + 3 * box, middle));
    x += 3 * box + kGap * scale;
    painter.setPen(palette::Text());
    painter.drawText(QPointF(x, y + metrics.ascent()), QStringLiteral("Budget"));
    if (runsShort) {
        x += metrics.horizontalAdvance(QStringLiteral("Budget")) + 3 * kGap * scale;
        painter.fillRect(QRectF(x, y + (metrics.height() - box) / 2, box, box), ShortfallShade());
        x += box + kGap * scale;
        painter.drawText(QPointF(x, y + metrics.ascent()), QStringLiteral("Money runs short"));
    }
    return metrics.height() + kGap * scale;
}

} // namespace

void DrawYearsChart(QPainter& painter, const QRectF& area, const projection::Projection& years,
                    double scale) {
    painter.save();
    painter.setClipRect(area);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setFont(ChartFont(scale));
    const QFontMetricsF metrics(painter.font());
    if (years.Years.empty()) {
        painter.setPen(palette::Text());
        painter.drawText(area, Qt::AlignCenter, QStringLiteral("No years to show"));
        painter.restore();
        return;
    }

    const double legend = DrawLegend(painter, area, scale, years.RunsOut.has_value());
    double highest = 0;
    for (const projection::ProjectedYear& year : years.Years) {
        highest = std::max({highest, Stacked(year), static_cast<double>(year.AnnualBudget)});
    }
    const QString top = Amount(highest);
    const QRectF plot = DrawValueAxis(painter, area, legend, top, scale);
    const auto yOf = [&](double value) {
        return highest > 0 ? plot.bottom() - plot.height() * value / highest : plot.bottom();
    };

    const std::size_t count = years.Years.size();
    const double slot = plot.width() / static_cast<double>(count);
    const double bar = std::max(1.0, slot * 0.75);
    QPolygonF budget;
    double lastLabelRight = plot.left() - 1;
    for (std::size_t i = 0; i < count; ++i) {
        const projection::ProjectedYear& year = years.Years[i];
        const double left = plot.left() + slot * static_cast<double>(i) + (slot - bar) / 2;
        if (RunShort(years, year)) { // after the money runs out: the year's slot shaded
            painter.fillRect(QRectF(plot.left() + slot * static_cast<double>(i), plot.top(), slot,
                                    plot.height()),
                             ShortfallShade());
        }
        double base = 0;
        for (const RiskCategory category : kRiskCategories) {
            const double part = static_cast<double>(std::max<std::int64_t>(
                year.EndByCategory[static_cast<std::size_t>(Number(category))], 0));
            if (part > 0) {
                painter.fillRect(
                    QRectF(QPointF(left, yOf(base + part)), QPointF(left + bar, yOf(base))),
                    palette::CategoryColour(Number(category)));
            }
            base += part;
        }
        const double budgetY = yOf(static_cast<double>(year.AnnualBudget));
        if (count == 1) { // a single year: the budget across its bar
            budget << QPointF(left, budgetY) << QPointF(left + bar, budgetY);
        } else {
            budget << QPointF(left + bar / 2, budgetY);
        }
        // Years under the bars, as many as fit side by side.
        const QString label = QString::number(year.Year);
        const double width = metrics.horizontalAdvance(label);
        const double labelLeft = left + bar / 2 - width / 2;
        if (labelLeft > lastLabelRight + kGap * scale && labelLeft + width <= area.right()) {
            painter.setPen(palette::Faint());
            painter.drawText(
                QPointF(labelLeft, plot.bottom() + kGap * scale / 2 + metrics.ascent()), label);
            lastLabelRight = labelLeft + width;
        }
    }
    painter.setPen(QPen(palette::Text(), 2 * scale));
    painter.drawPolyline(budget);
    painter.restore();
}

YearsChartView::YearsChartView(QWidget* parent) : QWidget(parent), baseType_(TypeSize(font())) {}

void YearsChartView::Show(const projection::Projection* years) {
    years_ = years;
    update();
}

double YearsChartView::Scale() const {
    const double now = TypeSize(font());
    return baseType_ > 0 && now > 0 ? now / baseType_ : 1.0;
}

void YearsChartView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (years_ != nullptr) {
        const double scale = Scale();
        const double margin = kGap * scale;
        DrawYearsChart(painter, QRectF(rect()).adjusted(margin, margin, -margin, -margin), *years_,
                       scale);
    }
}

} // namespace velmora

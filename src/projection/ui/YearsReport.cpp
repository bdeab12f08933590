#include "projection/ui/YearsReport.h"

#include "projection/ProjectionTexts.h"
#include "projection/ui/ShortfallShade.h"
#include "projection/ui/YearsChart.h"
#include "results/ui/ReportPalette.h"
#include "results/ui/ReportText.h"
#include "screens/ui/ScreenText.h"
#include "tax/TaxYear.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <array>

namespace velmora {

namespace {

constexpr double kHeadingSize = 12;
constexpr double kBodySize = 8;
constexpr double kLine = 12;
constexpr double kGap = 10;
constexpr double kChartHeight = 190;

// The table's columns: heading and share of the width; the last takes the rest.
constexpr std::array<std::pair<const char*, double>, 10> kColumns{{
    {"Year", 0.06},
    {"Ages", 0.06},
    {"Budget", 0.085},
    {"Income", 0.085},
    {"Min. IRA", 0.085},
    {"Sold", 0.095},
    {"Taxes", 0.075},
    {"Investments", 0.105},
    {"Shortfall", 0.085},
    {"Sales", 0.0},
}};

using report::Font;

double IntroHeight() {
    return kHeadingSize * 1.6 + 3 * kLine + kGap + kChartHeight + kGap;
}

QString Amount(double value) {
    return FromCoreText(projection::GroupedText(value));
}

// One line of the table, from its texts.
void Row(QPainter& painter, double top, double width, const std::array<QString, 10>& texts,
         const QFont& font) {
    const QFontMetricsF headings(Font(kBodySize, true));
    double x = 0;
    for (std::size_t c = 0; c < kColumns.size(); ++c) {
        // Each column at least as wide as its heading; the last takes the rest.
        const double w =
            c + 1 < kColumns.size()
                ? std::max(width * kColumns[c].second,
                           headings.horizontalAdvance(QString::fromLatin1(kColumns[c].first)) + 6)
                : std::max(0.0, width - x);
        const bool number = c > 0 && c + 1 < kColumns.size();
        report::DrawLine(painter, QRectF(x + 2, top, w - 4, kLine), texts[c], font,
                         (number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
        x += w;
    }
}

} // namespace

YearsReport::YearsReport(const projection::Projection& years, double width, double pageHeight)
    : years_(years), width_(width), pageHeight_(pageHeight) {
    // Rows after the table's heading line: on the first page below the chart.
    std::size_t row = 0;
    double room = pageHeight_ - IntroHeight() - kLine;
    do {
        firstRows_.push_back(row);
        const auto fit = static_cast<std::size_t>(std::max(1.0, room / kLine));
        row += fit;
        room = pageHeight_ - kLine;
    } while (row < years_.Years.size());
}

void YearsReport::PaintPage(QPainter& painter, int index) const {
    painter.save();
    painter.setPen(palette::Text());
    double y = 0;
    if (index == 0) {
        report::DrawLine(painter, QRectF(0, 0, width_, kHeadingSize * 1.6),
                         QStringLiteral("The years ahead"), Font(kHeadingSize, true));
        y = kHeadingSize * 1.6;
        const projection::Settings& s = years_.settings;
        report::DrawLine(
            painter, QRectF(0, y, width_, kLine),
            QStringLiteral("Through age %1 %2, continued earnings end at age %3, pensions %4, "
                           "selling %5")
                .arg(s.ThroughAge)
                .arg(FromCoreText(projection::ThroughWhom(years_)))
                .arg(s.EarningsEndAge)
                .arg(s.PensionsIndexed ? QStringLiteral("rise with inflation")
                                       : QStringLiteral("stay as entered"))
                .arg(FromCoreText(std::string(projection::WayWords(s.way)))),
            Font(kBodySize));
        QString summary = FromCoreText(projection::Summary(years_));
        if (!summary.isEmpty()) {
            summary += QLatin1Char('.');
        }
        report::DrawLine(painter, QRectF(0, y + kLine, width_, kLine), summary,
                         Font(kBodySize + 1, true));
        report::DrawLine(
            painter, QRectF(0, y + 2 * kLine, width_, kLine),
            FromCoreText(projection::LawLine(years_) + ". " + projection::StopText(years_)),
            Font(kBodySize));
        y += 3 * kLine + kGap;
        DrawYearsChart(painter, QRectF(0, y, width_, kChartHeight), years_);
        y += kChartHeight + kGap;
    }
    std::array<QString, 10> headings;
    for (std::size_t c = 0; c < kColumns.size(); ++c) {
        headings[c] = QString::fromLatin1(kColumns[c].first);
    }
    painter.setPen(palette::Text());
    Row(painter, y, width_, headings, Font(kBodySize, true));
    painter.setPen(QPen(palette::Faint(), 0.5));
    painter.drawLine(QPointF(0, y + kLine), QPointF(width_, y + kLine));
    y += kLine;

    const std::size_t first = firstRows_[static_cast<std::size_t>(index)];
    const std::size_t end = static_cast<std::size_t>(index) + 1 < firstRows_.size()
                                ? firstRows_[static_cast<std::size_t>(index) + 1]
                                : years_.Years.size();
    for (std::size_t i = first; i < end; ++i) {
        const projection::ProjectedYear& year = years_.Years[i];
        const projection::YearFigures f = projection::FiguresOf(year);
        if (RunShort(years_, year)) { // after the money runs out: shaded
            painter.fillRect(QRectF(0, y, width_, kLine), ShortfallShade());
        } else if (i % 2 == 1) {
            painter.fillRect(QRectF(0, y, width_, kLine), palette::Stripe());
        }
        painter.setPen(palette::Text());
        Row(painter, y, width_,
            {QString::number(year.Year),
             year.Married ? QStringLiteral("%1/%2").arg(year.AgeSelf).arg(year.AgeSpouse)
                          : QString::number(year.AgeSelf),
             Amount(f.Budget), Amount(f.Income), Amount(f.MinimumIra), Amount(f.Sold),
             Amount(f.Taxes), Amount(f.EndInvestments), Amount(f.Shortfall),
             FromPlanText(projection::SalesText(year))},
            Font(kBodySize));
        y += kLine;
    }
    painter.restore();
}

} // namespace velmora

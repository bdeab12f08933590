#include "projection/ui/WaysReport.h"

#include "projection/ProjectionTexts.h"
#include "projection/ui/WaysChart.h"
#include "results/ui/ReportPalette.h"
#include "results/ui/ReportText.h"
#include "screens/ui/ScreenText.h"

#include <QPainter>
#include <QTextOption>
#include <array>
#include <string>

namespace velmora {

namespace {

constexpr double kHeadingSize = 12;
constexpr double kBodySize = 8;
constexpr double kLine = 12;
constexpr double kGap = 10;
constexpr double kChartHeight = 220;

// Headings and shares of the width.
constexpr std::array<std::pair<const char*, double>, 5> kColumns{{
    {"Way of selling", 0.28},
    {"Money", 0.22},
    {"Taxes over the years", 0.17},
    {"Investments at the end", 0.17},
    {"Regular IRA at the end", 0.16},
}};

QString Amount(std::int64_t value) {
    return FromCoreText(projection::GroupedText(static_cast<double>(value)));
}

} // namespace

WaysReport::WaysReport(const projection::WaysCompared& ways, double width)
    : ways_(ways), width_(width) {}

void WaysReport::PaintPage(QPainter& painter) const {
    using report::Font;
    painter.save();
    painter.setPen(palette::Text());
    report::DrawLine(painter, QRectF(0, 0, width_, kHeadingSize * 1.6),
                     QStringLiteral("The ways of selling side by side"), Font(kHeadingSize, true));
    double y = kHeadingSize * 1.6;
    const projection::Settings& s = ways_.settings;
    report::DrawLine(painter, QRectF(0, y, width_, kLine),
                     QStringLiteral("Through age %1, continued earnings end at age %2, "
                                    "pensions %3; tax law of %4")
                         .arg(s.ThroughAge)
                         .arg(s.EarningsEndAge)
                         .arg(s.PensionsIndexed ? QStringLiteral("rise with inflation")
                                                : QStringLiteral("stay as entered"))
                         .arg(ways_.TaxYear),
                     Font(kBodySize));
    y += kLine + kGap;

    const projection::BestOfWays best = projection::Best(ways_);
    const auto row = [&](const std::array<QString, 5>& texts, const std::array<bool, 5>& bold) {
        double x = 0;
        for (std::size_t c = 0; c < kColumns.size(); ++c) {
            const double w = width_ * kColumns[c].second;
            report::DrawLine(painter, QRectF(x + 2, y, w - 4, kLine), texts[c],
                             Font(kBodySize, bold[c]),
                             (c == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
            x += w;
        }
        y += kLine;
    };
    std::array<QString, 5> headings;
    for (std::size_t c = 0; c < kColumns.size(); ++c) {
        headings[c] = QString::fromLatin1(kColumns[c].first);
    }
    row(headings, {true, true, true, true, true});
    painter.setPen(QPen(palette::Faint(), 0.5));
    painter.drawLine(QPointF(0, y), QPointF(width_, y));
    for (std::size_t i = 0; i < ways_.Lines.size(); ++i) {
        const projection::WayLine& line = ways_.Lines[i];
        const std::array<bool, 5> marked{false, best.RunsOut[i], best.Taxes[i],
                                         best.EndInvestments[i], best.EndRegularIra[i]};
        std::array<QString, 5> texts{FromCoreText(std::string(projection::WayWords(line.way))),
                                     FromCoreText(projection::LastsText(line)), Amount(line.Taxes),
                                     Amount(line.EndInvestments), Amount(line.EndRegularIra)};
        for (std::size_t c = 1; c < texts.size(); ++c) {
            if (marked[c]) {
                texts[c] += QStringLiteral(" *");
            }
        }
        if (i % 2 == 1) {
            painter.fillRect(QRectF(0, y, width_, kLine), palette::Stripe());
        }
        painter.setPen(WayColour(i));
        painter.fillRect(QRectF(0, y + 2, 3, kLine - 4), WayColour(i));
        painter.setPen(palette::Text());
        row(texts, marked);
    }
    painter.setPen(palette::Faint());
    report::DrawLine(painter, QRectF(0, y, width_, kLine),
                     QStringLiteral("* the best of the column"), Font(kBodySize - 1));
    y += kLine + kGap;

    // The sentence, wrapped to the width.
    painter.setPen(palette::Text());
    painter.setFont(Font(kBodySize + 1, true));
    QTextOption wrap;
    wrap.setWrapMode(QTextOption::WordWrap);
    const QString sentence = FromCoreText(projection::WaysSentence(ways_)) + QLatin1Char('.');
    painter.drawText(QRectF(0, y, width_, 3 * kLine), sentence, wrap);
    y += 3 * kLine + kGap;
    DrawWaysChart(painter, QRectF(0, y, width_, kChartHeight), ways_);
    painter.restore();
}

} // namespace velmora

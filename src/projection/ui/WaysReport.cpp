#include "projection/ui/WaysReport.h"

#include "Workspace.h"
#include "export/ui/ReportPalette.h"
#include "export/ui/ReportText.h"
#include "projection/ProjectionTexts.h"
#include "projection/ui/WaysChart.h"
#include "projection/ui/YearsSettings.h"
#include "screens/ui/ScreenText.h"

#include <QPainter>
#include <QSettings>
#include <algorithm>
#include <array>
#include <string>

namespace velmora {

namespace {

using report::kGap;
using report::kHeadingSize;
// The table is in the small type, as the years' table is.
constexpr double kBodySize = report::kSmallSize;
constexpr double kLine = report::kSmallLine;
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

void WaysReport::LayOut(double width, double height) {
    width_ = width;
    height_ = height;
}

void WaysReport::PaintPage(QPainter& painter, int /*index*/) const {
    using report::Font;
    painter.save();
    painter.setPen(palette::Text());
    report::DrawLine(painter, QRectF(0, 0, width_, kHeadingSize * 1.6),
                     QStringLiteral("The ways of selling side by side"), Font(kHeadingSize, true));
    double y = kHeadingSize * 1.6;
    const projection::Settings& s = ways_.settings;
    const QString settings = QStringLiteral("Through age %1, continued earnings end at age %2, "
                                            "pensions %3; tax law of %4")
                                 .arg(s.ThroughAge)
                                 .arg(s.EarningsEndAge)
                                 .arg(s.PensionsIndexed ? QStringLiteral("rise with inflation")
                                                        : QStringLiteral("stay as entered"))
                                 .arg(ways_.TaxYear);
    const double settingsHeight = kLine * report::LineCount(settings, Font(kBodySize), width_);
    report::DrawWrapped(painter, QRectF(0, y, width_, settingsHeight), settings, Font(kBodySize),
                        kLine);
    y += settingsHeight + kGap;

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
    const QFont sentenceFont = Font(report::kBodySize, true);
    const QString sentence = FromCoreText(projection::WaysSentence(ways_)) + QLatin1Char('.');
    const double sentenceHeight =
        report::kLine * report::LineCount(sentence, sentenceFont, width_);
    report::DrawWrapped(painter, QRectF(0, y, width_, sentenceHeight), sentence, sentenceFont,
                        report::kLine);
    y += sentenceHeight + kGap;
    // The chart takes what is left of the page, at most its own height.
    const double chart = std::min(kChartHeight, height_ - y);
    if (chart > 0) {
        DrawWaysChart(painter, QRectF(0, y, width_, chart), ways_);
    }
    painter.restore();
}

std::unique_ptr<ReportSection> WaysReportSection(const Workspace& workspace) {
    QSettings settings;
    return std::make_unique<WaysReport>(
        projection::CompareWays(workspace.plan, workspace.taxYear, KeptYearsSettings(settings)));
}

} // namespace velmora

#include "projection/ui/YearsReport.h"

#include "Workspace.h"
#include "export/ui/ReportPalette.h"
#include "export/ui/ReportText.h"
#include "projection/ProjectionTexts.h"
#include "projection/ui/YearsChart.h"
#include "projection/ui/YearsSettings.h"
#include "screens/ui/ScreenText.h"
#include "tax/TaxYear.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QSettings>
#include <algorithm>
#include <array>

namespace velmora {

namespace {

using report::Font;
using report::kGap;
using report::kHeadingSize;
// The table is in the small type, to take its ten columns.
constexpr double kBodySize = report::kSmallSize;
constexpr double kLine = report::kSmallLine;
constexpr double kChartHeight = 190;

// The table's columns: heading and share of the width; the last takes the rest.
constexpr std::array<std::pair<const char*, double>, 10> kColumns{{
    {"Year", 0.06},
    {"Ages", 0.06},
    {"Budget", 0.085},
    {"Income", 0.085},
    {"Min. IRA", 0.085},
    {"Withdrawal", 0.095},
    {"Taxes", 0.075},
    {"Investments", 0.105},
    {"Shortfall", 0.085},
    {"Sold", 0.0},
}};

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

void YearsReport::PaintIntro(QPainter& painter, double width) const {
    painter.setPen(palette::Text());
    report::DrawLine(painter, QRectF(0, 0, width, kHeadingSize * 1.6),
                     QStringLiteral("The years ahead"), Font(kHeadingSize, true));
    double y = kHeadingSize * 1.6;
    const projection::Settings& s = years_.settings;
    report::DrawLine(
        painter, QRectF(0, y, width, kLine),
        QStringLiteral("Through age %1, continued earnings end at age %2, pensions %3; %4")
            .arg(s.ThroughAge)
            .arg(s.EarningsEndAge)
            .arg(s.PensionsIndexed ? QStringLiteral("rise with inflation")
                                   : QStringLiteral("stay as entered"))
            .arg(FromCoreText(TaxYearLine(years_.TaxYear))),
        Font(kBodySize));
    QString summary = FromCoreText(projection::Summary(years_));
    if (!summary.isEmpty()) {
        summary += QLatin1Char('.');
    }
    report::DrawLine(painter, QRectF(0, y + kLine, width, kLine), summary,
                     Font(report::kBodySize, true));
    report::DrawLine(painter, QRectF(0, y + 2 * kLine, width, kLine),
                     FromCoreText(projection::StopText(years_)), Font(kBodySize));
    y += 3 * kLine + kGap;
    DrawYearsChart(painter, QRectF(0, y, width, kChartHeight), years_);
}

void YearsReport::Build(double width) {
    ReportBlock intro;
    intro.height = IntroHeight();
    intro.keepWithNext = 2; // the table's headings and its first year
    intro.paint = [this, width](QPainter& painter, const QRectF& box) {
        painter.translate(box.topLeft());
        PaintIntro(painter, width);
    };
    Add(std::move(intro));

    ReportBlock headings;
    headings.height = kLine;
    headings.keepWithNext = 1;
    headings.paint = [width](QPainter& painter, const QRectF& box) {
        std::array<QString, 10> texts;
        for (std::size_t c = 0; c < kColumns.size(); ++c) {
            texts[c] = QString::fromLatin1(kColumns[c].first);
        }
        painter.setPen(palette::Text());
        Row(painter, box.top(), width, texts, Font(kBodySize, true));
        painter.setPen(QPen(palette::Faint(), 0.5));
        painter.drawLine(QPointF(0, box.top() + kLine), QPointF(width, box.top() + kLine));
    };
    const int continued = AddRepeat(headings);
    Add(std::move(headings));

    for (std::size_t i = 0; i < years_.Years.size(); ++i) {
        ReportBlock row;
        row.height = kLine;
        row.repeat = continued;
        row.paint = [this, i, width](QPainter& painter, const QRectF& box) {
            const projection::ProjectedYear& year = years_.Years[i];
            const projection::YearFigures f = projection::FiguresOf(year);
            if (i % 2 == 1) {
                painter.fillRect(QRectF(0, box.top(), width, kLine), palette::Stripe());
            }
            painter.setPen(palette::Text());
            Row(painter, box.top(), width,
                {QString::number(year.Year),
                 year.Married ? QStringLiteral("%1/%2").arg(year.AgeSelf).arg(year.AgeSpouse)
                              : QString::number(year.AgeSelf),
                 Amount(f.Budget), Amount(f.Income), Amount(f.MinimumIra), Amount(f.Withdrawal),
                 Amount(f.Taxes), Amount(f.EndInvestments), Amount(f.Shortfall),
                 FromPlanText(projection::SalesText(year))},
                Font(kBodySize));
        };
        Add(std::move(row));
    }
}

std::unique_ptr<ReportSection> YearsReportSection(const Workspace& workspace) {
    QSettings settings;
    return std::make_unique<YearsReport>(
        projection::Project(workspace.plan, workspace.taxYear, KeptYearsSettings(settings)));
}

} // namespace velmora

#include "projection/ui/YearsReport.h"

#include "Workspace.h"
#include "export/ui/ReportPalette.h"
#include "export/ui/ReportText.h"
#include "projection/ProjectionTexts.h"
#include "projection/ui/ShortfallShade.h"
#include "projection/ui/YearsChart.h"
#include "projection/ui/YearsSettings.h"
#include "screens/ui/ScreenText.h"
#include "tax/TaxYear.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QSettings>
#include <algorithm>
#include <array>
#include <vector>

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
    {"Sold", 0.095},
    {"Taxes", 0.075},
    {"Investments", 0.105},
    {"Shortfall", 0.085},
    {"Sales", 0.0},
}};

QString Amount(double value) {
    return FromCoreText(projection::GroupedText(value));
}

using Texts = std::array<QString, kColumns.size()>;

// The columns' widths: each at least as wide as its heading; the last takes the rest.
std::array<double, kColumns.size()> ColumnWidths(double width) {
    const QFontMetricsF headings(Font(kBodySize, true));
    std::array<double, kColumns.size()> widths{};
    double x = 0;
    for (std::size_t c = 0; c < kColumns.size(); ++c) {
        widths[c] =
            c + 1 < kColumns.size()
                ? std::max(width * kColumns[c].second,
                           headings.horizontalAdvance(QString::fromLatin1(kColumns[c].first)) + 6)
                : std::max(0.0, width - x);
        x += widths[c];
    }
    return widths;
}

// The lines of the table's row of `texts`: the most that one of its cells takes.
int RowLines(const Texts& texts, double width, const QFont& font) {
    const std::array<double, kColumns.size()> widths = ColumnWidths(width);
    int lines = 1;
    for (std::size_t c = 0; c < kColumns.size(); ++c) {
        lines = std::max(lines, report::LineCount(texts[c], font, widths[c] - 4));
    }
    return lines;
}

// One row of the table, from its texts; a cell too long for its column wraps.
void Row(QPainter& painter, double top, double width, const Texts& texts, const QFont& font) {
    const std::array<double, kColumns.size()> widths = ColumnWidths(width);
    double x = 0;
    for (std::size_t c = 0; c < kColumns.size(); ++c) {
        const bool number = c > 0 && c + 1 < kColumns.size();
        report::DrawWrapped(painter, QRectF(x + 2, top, widths[c] - 4, kLine), texts[c], font,
                            kLine, number ? Qt::AlignRight : Qt::AlignLeft);
        x += widths[c];
    }
}

Texts YearTexts(const projection::ProjectedYear& year) {
    const projection::YearFigures f = projection::FiguresOf(year);
    return {QString::number(year.Year),
            year.Married ? QStringLiteral("%1/%2").arg(year.AgeSelf).arg(year.AgeSpouse)
                         : QString::number(year.AgeSelf),
            Amount(f.Budget),
            Amount(f.Income),
            Amount(f.MinimumIra),
            Amount(f.Sold),
            Amount(f.Taxes),
            Amount(f.EndInvestments),
            Amount(f.Shortfall),
            FromPlanText(projection::SalesText(year))};
}

} // namespace

std::vector<YearsReport::IntroLine> YearsReport::IntroLines() const {
    const projection::Settings& s = years_.settings;
    QString summary = FromCoreText(projection::Summary(years_));
    if (!summary.isEmpty()) {
        summary += QLatin1Char('.');
    }
    return {
        {QStringLiteral("Through age %1 %2, continued earnings end at age %3, pensions %4, "
                        "selling %5")
             .arg(s.ThroughAge)
             .arg(FromCoreText(projection::ThroughWhom(years_)))
             .arg(s.EarningsEndAge)
             .arg(s.PensionsIndexed ? QStringLiteral("rise with inflation")
                                    : QStringLiteral("stay as entered"))
             .arg(FromCoreText(std::string(projection::WayWords(s.way)))),
         Font(kBodySize)},
        {summary, Font(report::kBodySize, true)},
        {FromCoreText(projection::LawLine(years_) + ". " + projection::StopText(years_)),
         Font(kBodySize)},
    };
}

void YearsReport::Build(double width) {
    // The heading, the lines above the chart as they wrap, and the chart.
    const std::vector<IntroLine> lines = IntroLines();
    std::vector<double> heights;
    double introHeight = kHeadingSize * 1.6 + kGap + kChartHeight + kGap;
    for (const IntroLine& line : lines) {
        heights.push_back(kLine * report::LineCount(line.text, line.font, width));
        introHeight += heights.back();
    }
    ReportBlock intro;
    intro.height = introHeight;
    intro.keepWithNext = 2; // the table's headings and its first year
    intro.paint = [this, width, lines, heights](QPainter& painter, const QRectF& box) {
        painter.setPen(palette::Text());
        report::DrawLine(painter, QRectF(0, box.top(), width, kHeadingSize * 1.6),
                         QStringLiteral("The years ahead"), Font(kHeadingSize, true));
        double y = box.top() + kHeadingSize * 1.6;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            report::DrawWrapped(painter, QRectF(0, y, width, heights[i]), lines[i].text,
                                lines[i].font, kLine);
            y += heights[i];
        }
        y += kGap;
        DrawYearsChart(painter, QRectF(0, y, width, kChartHeight), years_);
    };
    Add(std::move(intro));

    ReportBlock headings;
    headings.height = kLine;
    headings.keepWithNext = 1;
    headings.paint = [width](QPainter& painter, const QRectF& box) {
        Texts texts;
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
        const Texts texts = YearTexts(years_.Years[i]);
        ReportBlock row;
        row.height = kLine * RowLines(texts, width, Font(kBodySize));
        row.repeat = continued;
        const bool runShort = RunShort(years_, years_.Years[i]);
        row.paint = [i, width, texts, runShort](QPainter& painter, const QRectF& box) {
            if (runShort) { // after the money runs out: shaded
                painter.fillRect(QRectF(0, box.top(), width, box.height()), ShortfallShade());
            } else if (i % 2 == 1) {
                painter.fillRect(QRectF(0, box.top(), width, box.height()), palette::Stripe());
            }
            painter.setPen(palette::Text());
            Row(painter, box.top(), width, texts, Font(kBodySize));
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

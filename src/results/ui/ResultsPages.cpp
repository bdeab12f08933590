#include "results/ui/ResultsPages.h"

#include "Workspace.h"
#include "export/ui/ReportNumbers.h"
#include "export/ui/ReportPalette.h"
#include "export/ui/ReportText.h"
#include "plan/NumberText.h"
#include "results/CategoryRows.h"
#include "results/QuickHelpTexts.h"
#include "results/ResultBox.h"
#include "results/ui/ChartPainter.h"
#include "results/ui/SellLine.h"
#include "screens/ui/ScreenText.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cstddef>
#include <iterator>
#include <utility>

namespace velmora {

namespace {

using namespace report;

// The height of the ring of shares, in points.
constexpr double kSharesHeight = 180;

// The note on the ERR quotes the results screen's quick help from its third
// line on (what the figure includes and how to use it), without the empty lines.
constexpr std::size_t kErrNoteFirstLine = 2;

// The label of a box and its figure: an amount, or a rate.
std::pair<QString, QString> AmountPair(const ResultBoxTexts& boxes, ResultBox box) {
    return {FromCoreText(BoxLabel(box)), report::AmountText(BoxText(boxes, box))};
}

std::pair<QString, QString> RatePair(const ResultBoxTexts& boxes, ResultBox box) {
    return {FromCoreText(BoxLabel(box)), report::RateText(BoxText(boxes, box))};
}

} // namespace

ResultsPages::ResultsPages(const Workspace& ws, QDate date)
    : ws_(ws), dateText_(DateText(date)), chart_(charts::ChartDataFrom(ws)) {}

void ResultsPages::Build(double /*width*/) {
    AddTitle();
    AddFigures();
    AddSellLine();
    AddShares();
    AddErrNote();
    for (const RiskCategory k : kRiskCategories) {
        AddCategory(k);
    }
    AddErrChart();
}

namespace {

// The width of the figures' column of pairs in a box `width` wide.
double ValueWidth(const ResultsPages::Pairs& pairs, double width) {
    double valueWidth = 0;
    for (const auto& pair : pairs) {
        valueWidth =
            std::max(valueWidth, QFontMetricsF(Font(kBodySize)).horizontalAdvance(pair.second));
    }
    return std::min(std::max(valueWidth + 2, width * 0.3), width * 0.6);
}

// The lines of each pair in a box `width` wide: a label or a figure too long for its room wraps.
std::vector<int> PairLines(const ResultsPages::Pairs& pairs, double width) {
    const double valueWidth = ValueWidth(pairs, width);
    std::vector<int> lines;
    for (const auto& pair : pairs) {
        lines.push_back(std::max(LineCount(pair.first, Font(kBodySize), width - valueWidth - 12),
                                 LineCount(pair.second, Font(kBodySize), valueWidth)));
    }
    return lines;
}

} // namespace

double ResultsPages::PairsHeight(const Pairs& pairs, double width) {
    double lines = 1;
    for (const int n : PairLines(pairs, width)) {
        lines += n;
    }
    return kLine * lines;
}

void ResultsPages::AddTitle() {
    ReportBlock block;
    block.height = kTitleSize * 1.5 + 2 * kLine + kGap;
    block.paint = [this](QPainter& painter, const QRectF& box) {
        painter.setPen(palette::Text());
        DrawLine(painter, QRectF(box.left(), box.top(), box.width(), kTitleSize * 1.5),
                 QStringLiteral("Velmora Report"), Font(kTitleSize, true));
        const double y = box.top() + kTitleSize * 1.5;
        DrawLine(painter, QRectF(box.left(), y, box.width(), kLine),
                 QStringLiteral("Prepared ") + dateText_, Font(kBodySize));
        DrawLine(painter, QRectF(box.left(), y + kLine, box.width(), kLine),
                 QStringLiteral("Uses tax year ") + QString::number(ws_.taxYear.Number()) +
                     QStringLiteral(" Income Tax Rules and Rates"),
                 Font(kBodySize));
    };
    Add(std::move(block));
}

void ResultsPages::PaintPairs(QPainter& painter, const QRectF& box, const QString& title,
                              const Pairs& pairs) const {
    painter.setPen(palette::Text());
    DrawLine(painter, QRectF(box.left(), box.top(), box.width(), kLine), title,
             Font(kSubheadingSize, true));
    const double valueWidth = ValueWidth(pairs, box.width());
    const std::vector<int> lines = PairLines(pairs, box.width());
    double y = box.top() + kLine;
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        const double height = kLine * lines[i];
        DrawWrapped(painter, QRectF(box.left() + 6, y, box.width() - valueWidth - 12, height),
                    pairs[i].first, Font(kBodySize), kLine);
        DrawWrapped(painter, QRectF(box.right() - valueWidth, y, valueWidth, height),
                    pairs[i].second, Font(kBodySize), kLine, Qt::AlignRight);
        y += height;
    }
}

void ResultsPages::AddFigures() {
    const PlanData& plan = ws_.plan;
    const ResultBoxTexts& boxes = ws_.results.boxes;
    const bool married = FilingStatusOf(plan.Married) == FilingStatus::Married;
    const QString ages =
        married ? FromCoreText(IntText(plan.AgeSelf)) + QStringLiteral(" (self), ") +
                      FromCoreText(IntText(plan.AgeSpouse)) + QStringLiteral(" (spouse)")
                : FromCoreText(IntText(plan.AgeSelf));
    const Pairs household{
        {QStringLiteral("Marital status"),
         married ? QStringLiteral("Married, filing jointly") : QStringLiteral("Single")},
        {married ? QStringLiteral("Ages") : QStringLiteral("Age"), ages},
        {QStringLiteral("Annual Budget, $/Yr"), report::AmountText(IntText(plan.AnnualBudget))},
        {QStringLiteral("Annual Inflation, %/Yr"), report::RateText(IntText(plan.InflationRate))},
        {QStringLiteral("State + Local Tax Rate, %/Yr"), report::RateText(boxes.editStateTaxRate)},
    };
    const Pairs income{
        AmountPair(boxes, ResultBox::ContinuedEarnings),
        AmountPair(boxes, ResultBox::Entitlements),
        AmountPair(boxes, ResultBox::IntAndDiv),
        AmountPair(boxes, ResultBox::Ira),
    };
    const Pairs expenses{
        AmountPair(boxes, ResultBox::Budget),
        AmountPair(boxes, ResultBox::TaxOnIncome),
        AmountPair(boxes, ResultBox::TaxOnWithdrawals),
    };
    const Pairs rates{
        RatePair(boxes, ResultBox::TaxRate),
        RatePair(boxes, ResultBox::DivTaxRate),
        RatePair(boxes, ResultBox::CGTaxRate),
        RatePair(boxes, ResultBox::StateTaxRate),
    };
    // The two figures of the band stand in capitals, as on the screen.
    const QString withdrawalLabel =
        FromCoreText(BoxLabel(ResultBox::WithdrawalNeeded)).toUpper() + QStringLiteral(", $/Yr");
    const QString withdrawal = report::AmountText(boxes.editWithDrawalNeeded);
    const QString totalLabel =
        FromCoreText(BoxLabel(ResultBox::TotalInvestments)).toUpper() + QStringLiteral(", $");
    const QString total = report::AmountText(boxes.editTotalInvestments);

    const double column = (Width() - 2 * kGap) / 2;
    const double left = PairsHeight(household, column) + kGap + PairsHeight(income, column);
    const double right = PairsHeight(expenses, column) + kGap + PairsHeight(rates, column);
    const double emphasis = 2 * kLine + 8;

    ReportBlock block;
    block.height = std::max(left, right) + kGap + emphasis + kGap;
    block.paint = [=, this](QPainter& painter, const QRectF& box) {
        const QRectF leftBox(box.left(), box.top(), column, left);
        const QRectF rightBox(box.left() + column + 2 * kGap, box.top(), column, right);
        PaintPairs(painter, leftBox, QStringLiteral("Household"), household);
        PaintPairs(painter, leftBox.adjusted(0, PairsHeight(household, column) + kGap, 0, 0),
                   QStringLiteral("Income, $/Yr"), income);
        PaintPairs(painter, rightBox, QStringLiteral("Expenses, $/Yr"), expenses);
        PaintPairs(painter, rightBox.adjusted(0, PairsHeight(expenses, column) + kGap, 0, 0),
                   QStringLiteral("Incremental Tax Rates, %"), rates);

        const QRectF band(box.left(), box.top() + std::max(left, right) + kGap, box.width(),
                          emphasis);
        painter.fillRect(band, palette::Emphasis());
        const QRectF inner = band.adjusted(6, 4, -6, -4);
        painter.setPen(palette::Text());
        const QFont bold = Font(kSubheadingSize, true);
        DrawLine(painter, QRectF(inner.left(), inner.top(), inner.width() * 0.65, kLine),
                 withdrawalLabel, bold);
        DrawLine(painter, QRectF(inner.left(), inner.top(), inner.width(), kLine), withdrawal, bold,
                 Qt::AlignRight | Qt::AlignVCenter);
        DrawLine(painter, QRectF(inner.left(), inner.top() + kLine, inner.width() * 0.65, kLine),
                 totalLabel, bold);
        DrawLine(painter, QRectF(inner.left(), inner.top() + kLine, inner.width(), kLine), total,
                 bold, Qt::AlignRight | Qt::AlignVCenter);
    };
    Add(std::move(block));
}

void ResultsPages::AddSellLine() {
    // The note under the line, where it has one, begins a line of its own.
    QString line = SellThisYearLine(ws_);
    line.replace(QLatin1Char('\n'), QChar::LineSeparator);
    const QFont font = Font(kBodySize, true);
    const double height = kLine * LineCount(line, font, Width() - 12);
    ReportBlock block;
    block.height = height + kGap;
    block.paint = [line, font, height](QPainter& painter, const QRectF& box) {
        painter.setPen(palette::Text());
        DrawWrapped(painter, QRectF(box.left() + 6, box.top(), box.width() - 12, height), line,
                    font, kLine);
    };
    Add(std::move(block));
}

void ResultsPages::AddShares() {
    Add(Heading(QStringLiteral("Portfolio Risk Categories"), kHeadingSize, 1));
    ReportBlock block;
    block.height = kSharesHeight + kGap;
    block.paint = [this](QPainter& painter, const QRectF& box) {
        charts::DrawShares(painter, QRectF(box.left(), box.top(), box.width(), kSharesHeight),
                           chart_);
    };
    Add(std::move(block));
}

void ResultsPages::AddErrNote() {
    QString text;
    for (std::size_t i = kErrNoteFirstLine; i < std::size(kQuickHelpEquivalentRates); ++i) {
        const char* line = kQuickHelpEquivalentRates[i];
        if (line[0] == ' ' && line[1] == '\0') {
            continue;
        }
        if (!text.isEmpty()) {
            text += '\n';
        }
        text += QString::fromLatin1(line);
    }
    const QFont font = Font(kBodySize);
    const double height =
        QFontMetricsF(font)
            .boundingRect(QRectF(0, 0, Width(), 1e6), Qt::TextWordWrap | Qt::AlignLeft, text)
            .height();
    Add(Heading(QStringLiteral("About the ERR"), kHeadingSize, 1));
    ReportBlock block;
    block.height = height + kGap;
    block.paint = [text, font, height](QPainter& painter, const QRectF& box) {
        painter.setPen(palette::Text());
        painter.setFont(font);
        painter.drawText(QRectF(box.left(), box.top(), box.width(), height),
                         Qt::TextWordWrap | Qt::AlignLeft, text);
    };
    Add(std::move(block));
}

void ResultsPages::AddCategory(RiskCategory category) {
    const charts::ChartCategory& shown = chart_.Categories[Number(category)];
    const QString title = shown.Title + QStringLiteral(" risk category: ") +
                          FromCoreText(CategoryCaption(TotalBox(category))) + ' ' +
                          shown.TotalText + QStringLiteral(", ") + shown.PercentText +
                          FromCoreText(CategoryCaption(ShareBox(category)));

    // Columns: name, value (right-aligned), ERR.
    const double nameWidth = Width() * 0.44;
    const double valueRight = Width() * 0.64;
    const double errLeft = Width() * 0.70;
    // A cell too long for its column wraps; the row takes the lines of its longest cell.
    const double errWidth = Width() - errLeft;
    auto lines = [=](const QString& name, const QString& value, const QString& err) {
        const QFont font = Font(kBodySize);
        return std::max({LineCount(name, font, nameWidth - 8),
                         LineCount(value, font, valueRight - nameWidth),
                         LineCount(err, font, errWidth)});
    };
    auto row = [=](QPainter& painter, const QRectF& box, const QString& name, const QString& value,
                   const QString& err, const QFont& font) {
        painter.setPen(palette::Text());
        DrawWrapped(painter, QRectF(box.left() + 4, box.top(), nameWidth - 8, kLine), name, font,
                    kLine);
        DrawWrapped(painter,
                    QRectF(box.left() + nameWidth, box.top(), valueRight - nameWidth, kLine), value,
                    font, kLine, Qt::AlignRight);
        DrawWrapped(painter, QRectF(box.left() + errLeft, box.top(), errWidth, kLine), err, font,
                    kLine);
    };
    auto header = [=](QPainter& painter, const QRectF& box) {
        row(painter, box, QStringLiteral("Name"), QStringLiteral("Value, $"),
            QStringLiteral("ERR, %"), Font(kBodySize, true));
        painter.setPen(QPen(palette::Faint(), 0.5));
        painter.drawLine(QPointF(box.left(), box.top() + kLine),
                         QPointF(box.right(), box.top() + kLine));
    };

    ReportBlock heading = Heading(title, kGroupSize, 2);
    const std::vector<results::CategoryRow> rows = results::CategoryRows(ws_.ranking, category);
    if (rows.empty()) {
        heading.keepWithNext = 1;
        Add(std::move(heading));
        ReportBlock none;
        none.height = kLine + kGap / 2;
        none.paint = [](QPainter& painter, const QRectF& box) {
            painter.setPen(palette::Faint());
            DrawLine(painter, QRectF(box.left() + 4, box.top(), box.width() - 4, kLine),
                     QStringLiteral("No holdings in this category."), Font(kBodySize));
        };
        Add(std::move(none));
        return;
    }
    Add(std::move(heading));

    ReportBlock columns;
    columns.height = kLine + 2;
    columns.paint = header;
    Add(columns);

    ReportBlock continued;
    continued.height = kSubheadingSize * 1.6 + kLine + 2;
    continued.paint = [=](QPainter& painter, const QRectF& box) {
        painter.setPen(palette::Text());
        DrawLine(painter, QRectF(box.left(), box.top(), box.width(), kSubheadingSize * 1.6),
                 title + QStringLiteral(" (continued)"), Font(kGroupSize, true));
        header(painter, box.adjusted(0, kSubheadingSize * 1.6, 0, 0));
    };
    const int repeat = AddRepeat(std::move(continued));

    for (std::size_t i = 0; i < rows.size(); ++i) {
        ReportBlock line;
        const QString name = FromPlanText(rows[i].Name);
        const QString value = report::AmountText(rows[i].Value);
        const QString err = report::ErrText(rows[i].Err);
        const double height = kLine * lines(name, value, err);
        line.height = height + (i + 1 == rows.size() ? kGap / 2 : 0);
        line.repeat = repeat;
        const bool striped = i % 2 == 1;
        line.paint = [=](QPainter& painter, const QRectF& box) {
            if (striped) {
                painter.fillRect(QRectF(box.left(), box.top(), box.width(), height),
                                 palette::Stripe());
            }
            row(painter, box, name, value, err, Font(kBodySize));
        };
        Add(std::move(line));
    }
}

void ResultsPages::AddErrChart() {
    const QString title = QStringLiteral("ERR of every holding, lowest first in each category");
    Add(Heading(title, kHeadingSize, 1));
    if (chart_.HoldingCount() == 0) {
        ReportBlock none;
        none.height = 3 * kLine;
        none.paint = [this](QPainter& painter, const QRectF& box) {
            charts::DrawErrBars(painter, box, chart_);
        };
        Add(std::move(none));
        return;
    }
    SetRun(charts::kErrRowHeight, charts::kErrScaleHeight,
           [this](QPainter& painter, const QRectF& area, int first, int count) {
               charts::DrawErrBars(painter, area, chart_, first, count);
           });
    // Rows as the chart counts them: each category's heading row, then its holdings.
    int barRow = 0;
    for (const charts::ChartCategory& category : chart_.Categories) {
        const int repeat = AddRepeat(Heading(QStringLiteral("ERR of every holding, continued: ") +
                                                 category.Title + QStringLiteral(" risk category"),
                                             kHeadingSize, 0));
        for (std::size_t i = 0; i <= category.Holdings.size(); ++i) {
            ReportBlock row;
            row.height = charts::kErrRowHeight;
            row.runRow = barRow++;
            row.repeat = repeat;
            Add(std::move(row));
        }
    }
}

} // namespace velmora

#include "results/ui/ReportDocument.h"

#include "Workspace.h"
#include "plan/NumberText.h"
#include "projection/ui/WaysReport.h"
#include "projection/ui/YearsReport.h"
#include "results/CategoryRows.h"
#include "results/QuickHelpTexts.h"
#include "results/ResultBox.h"
#include "results/TaxWorking.h"
#include "results/ui/ChartData.h"
#include "results/ui/ChartPainter.h"
#include "results/ui/ReportNumbers.h"
#include "results/ui/ReportPalette.h"
#include "results/ui/ReportText.h"
#include "screens/ui/ScreenText.h"
#include "tax/TaxValues.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <cstddef>
#include <functional>
#include <iterator>
#include <optional>
#include <utility>
#include <vector>

namespace velmora {

namespace {

// Sizes in points.
constexpr double kTitleSize = 18;
constexpr double kHeadingSize = 12;
constexpr double kSubheadingSize = 10;
constexpr double kBodySize = 9;
constexpr double kLine = 13;
constexpr double kGap = 10;
constexpr double kFooterRoom = 22;
constexpr double kSharesHeight = 180;

// The note on the ERR quotes the results screen's quick help from its third
// line on (what the figure includes and how to use it), without the empty lines.
constexpr std::size_t kErrNoteFirstLine = 2;

using report::DrawLine;
using report::Font;

// The label of a box and its figure: an amount, or a rate.
std::pair<QString, QString> AmountPair(const ResultBoxTexts& boxes, ResultBox box) {
    return {FromCoreText(BoxLabel(box)), report::AmountText(BoxText(boxes, box))};
}

std::pair<QString, QString> RatePair(const ResultBoxTexts& boxes, ResultBox box) {
    return {FromCoreText(BoxLabel(box)), report::RateText(BoxText(boxes, box))};
}

// One piece of the report that is never split over two pages.
struct Block {
    double height = 0;
    std::function<void(QPainter&, const QRectF&)> paint;
    int keepWithNext = 0;    // following blocks that must start on the same page
    int repeat = -1;         // index of a block of Layout::repeats put first on a new page
    int barRow = -1;         // a row of the ERR chart: drawn together with its neighbours
    bool startsPage = false; // put first on a new page
};

struct Placed {
    const Block* block;
    double top;
};

using Page = std::vector<Placed>;
using Pairs = std::vector<std::pair<QString, QString>>;

class Layout {
public:
    Layout(const Workspace& ws, QDate date, double width);

    std::vector<Page> Paginate(double pageHeight) const;
    void PaintPage(QPainter& painter, const Page& page) const;
    const QString& DateText() const { return dateText_; }

private:
    void AddTitle();
    void AddFigures();
    void AddShares();
    void AddErrNote();
    void AddCategory(RiskCategory category);
    void AddErrChart();
    void AddTaxWorking();
    Block Heading(const QString& text, double size, int keepWithNext) const;
    static double PairsHeight(const Pairs& pairs) { return kLine * (1 + pairs.size()); }
    void PaintPairs(QPainter& painter, const QRectF& box, const QString& title,
                    const Pairs& pairs) const;

    const Workspace& ws_;
    double width_;
    QString dateText_;
    charts::ChartData chart_;
    std::vector<Block> blocks_;
    std::vector<Block> repeats_;
};

Layout::Layout(const Workspace& ws, QDate date, double width)
    : ws_(ws), width_(width), chart_(charts::ChartDataFrom(ws)) {
    dateText_ = QLocale(QLocale::English, QLocale::UnitedStates).toString(date, "MMMM d, yyyy");
    blocks_.reserve(64 + 2 * static_cast<std::size_t>(chart_.HoldingCount()));
    AddTitle();
    AddFigures();
    AddShares();
    AddErrNote();
    for (const RiskCategory k : kRiskCategories) {
        AddCategory(k);
    }
    AddErrChart();
    AddTaxWorking();
}

Block Layout::Heading(const QString& text, double size, int keepWithNext) const {
    Block block;
    block.height = size * 1.6 + kGap / 2;
    block.keepWithNext = keepWithNext;
    block.paint = [text, size](QPainter& painter, const QRectF& box) {
        painter.setPen(palette::Text());
        DrawLine(painter, box.adjusted(0, kGap / 2, 0, 0), text, Font(size, true));
    };
    return block;
}

void Layout::AddTitle() {
    Block block;
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
    blocks_.push_back(std::move(block));
}

void Layout::PaintPairs(QPainter& painter, const QRectF& box, const QString& title,
                        const Pairs& pairs) const {
    painter.setPen(palette::Text());
    DrawLine(painter, QRectF(box.left(), box.top(), box.width(), kLine), title,
             Font(kSubheadingSize, true));
    double valueWidth = 0;
    for (const auto& pair : pairs) {
        valueWidth =
            std::max(valueWidth, QFontMetricsF(Font(kBodySize)).horizontalAdvance(pair.second));
    }
    valueWidth = std::min(std::max(valueWidth + 2, box.width() * 0.3), box.width() * 0.6);
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        const double y = box.top() + kLine * static_cast<double>(i + 1);
        DrawLine(painter, QRectF(box.left() + 6, y, box.width() - valueWidth - 12, kLine),
                 pairs[i].first, Font(kBodySize));
        DrawLine(painter, QRectF(box.right() - valueWidth, y, valueWidth, kLine), pairs[i].second,
                 Font(kBodySize), Qt::AlignRight | Qt::AlignVCenter);
    }
}

void Layout::AddFigures() {
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

    const double left = PairsHeight(household) + kGap + PairsHeight(income);
    const double right = PairsHeight(expenses) + kGap + PairsHeight(rates);
    const double emphasis = 2 * kLine + 8;

    Block block;
    block.height = std::max(left, right) + kGap + emphasis + kGap;
    block.paint = [=, this](QPainter& painter, const QRectF& box) {
        const double column = (box.width() - 2 * kGap) / 2;
        const QRectF leftBox(box.left(), box.top(), column, left);
        const QRectF rightBox(box.left() + column + 2 * kGap, box.top(), column, right);
        PaintPairs(painter, leftBox, QStringLiteral("Household"), household);
        PaintPairs(painter, leftBox.adjusted(0, PairsHeight(household) + kGap, 0, 0),
                   QStringLiteral("Income, $/Yr"), income);
        PaintPairs(painter, rightBox, QStringLiteral("Expenses, $/Yr"), expenses);
        PaintPairs(painter, rightBox.adjusted(0, PairsHeight(expenses) + kGap, 0, 0),
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
    blocks_.push_back(std::move(block));
}

void Layout::AddShares() {
    blocks_.push_back(Heading(QStringLiteral("Portfolio Risk Categories"), kHeadingSize, 1));
    Block block;
    block.height = kSharesHeight + kGap;
    block.paint = [this](QPainter& painter, const QRectF& box) {
        charts::DrawShares(painter, QRectF(box.left(), box.top(), box.width(), kSharesHeight),
                           chart_);
    };
    blocks_.push_back(std::move(block));
}

void Layout::AddErrNote() {
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
            .boundingRect(QRectF(0, 0, width_, 1e6), Qt::TextWordWrap | Qt::AlignLeft, text)
            .height();
    blocks_.push_back(Heading(QStringLiteral("About the ERR"), kHeadingSize, 1));
    Block block;
    block.height = height + kGap;
    block.paint = [text, font, height](QPainter& painter, const QRectF& box) {
        painter.setPen(palette::Text());
        painter.setFont(font);
        painter.drawText(QRectF(box.left(), box.top(), box.width(), height),
                         Qt::TextWordWrap | Qt::AlignLeft, text);
    };
    blocks_.push_back(std::move(block));
}

void Layout::AddCategory(RiskCategory category) {
    const charts::ChartCategory& shown = chart_.Categories[Number(category)];
    const QString title = shown.Title + QStringLiteral(" risk category: ") +
                          FromCoreText(CategoryCaption(TotalBox(category))) + ' ' +
                          shown.TotalText + QStringLiteral(", ") + shown.PercentText +
                          FromCoreText(CategoryCaption(ShareBox(category)));

    // Columns: name, value (right-aligned), ERR.
    const double nameWidth = width_ * 0.44;
    const double valueRight = width_ * 0.64;
    const double errLeft = width_ * 0.70;
    auto row = [=](QPainter& painter, const QRectF& box, const QString& name, const QString& value,
                   const QString& err, const QFont& font) {
        painter.setPen(palette::Text());
        DrawLine(painter, QRectF(box.left() + 4, box.top(), nameWidth - 8, kLine), name, font);
        DrawLine(painter, QRectF(box.left() + nameWidth, box.top(), valueRight - nameWidth, kLine),
                 value, font, Qt::AlignRight | Qt::AlignVCenter);
        DrawLine(painter, QRectF(box.left() + errLeft, box.top(), box.width() - errLeft, kLine),
                 err, font);
    };
    auto header = [=](QPainter& painter, const QRectF& box) {
        row(painter, box, QStringLiteral("Name"), QStringLiteral("Value, $"),
            QStringLiteral("ERR, %"), Font(kBodySize, true));
        painter.setPen(QPen(palette::Faint(), 0.5));
        painter.drawLine(QPointF(box.left(), box.top() + kLine),
                         QPointF(box.right(), box.top() + kLine));
    };

    Block heading = Heading(title, kSubheadingSize + 1, 2);
    const std::vector<results::CategoryRow> rows = results::CategoryRows(ws_.ranking, category);
    if (rows.empty()) {
        heading.keepWithNext = 1;
        blocks_.push_back(std::move(heading));
        Block none;
        none.height = kLine + kGap / 2;
        none.paint = [](QPainter& painter, const QRectF& box) {
            painter.setPen(palette::Faint());
            DrawLine(painter, QRectF(box.left() + 4, box.top(), box.width() - 4, kLine),
                     QStringLiteral("No holdings in this category."), Font(kBodySize));
        };
        blocks_.push_back(std::move(none));
        return;
    }
    blocks_.push_back(std::move(heading));

    Block columns;
    columns.height = kLine + 2;
    columns.paint = header;
    blocks_.push_back(columns);

    Block continued;
    continued.height = kSubheadingSize * 1.6 + kLine + 2;
    continued.paint = [=](QPainter& painter, const QRectF& box) {
        painter.setPen(palette::Text());
        DrawLine(painter, QRectF(box.left(), box.top(), box.width(), kSubheadingSize * 1.6),
                 title + QStringLiteral(" (continued)"), Font(kSubheadingSize + 1, true));
        header(painter, box.adjusted(0, kSubheadingSize * 1.6, 0, 0));
    };
    repeats_.push_back(std::move(continued));
    const int repeat = static_cast<int>(repeats_.size()) - 1;

    for (std::size_t i = 0; i < rows.size(); ++i) {
        Block line;
        line.height = kLine + (i + 1 == rows.size() ? kGap / 2 : 0);
        line.repeat = repeat;
        const QString name = FromPlanText(rows[i].Name);
        const QString value = report::AmountText(rows[i].Value);
        const QString err = report::ErrText(rows[i].Err);
        const bool striped = i % 2 == 1;
        line.paint = [=](QPainter& painter, const QRectF& box) {
            if (striped) {
                painter.fillRect(QRectF(box.left(), box.top(), box.width(), kLine),
                                 palette::Stripe());
            }
            row(painter, box, name, value, err, Font(kBodySize));
        };
        blocks_.push_back(std::move(line));
    }
}

void Layout::AddErrChart() {
    const QString title = QStringLiteral("ERR of every holding, lowest first in each category");
    blocks_.push_back(Heading(title, kHeadingSize, 1));
    if (chart_.HoldingCount() == 0) {
        Block none;
        none.height = 3 * kLine;
        none.paint = [this](QPainter& painter, const QRectF& box) {
            charts::DrawErrBars(painter, box, chart_);
        };
        blocks_.push_back(std::move(none));
        return;
    }
    // Rows as the chart counts them: each category's heading row, then its holdings.
    int barRow = 0;
    for (const charts::ChartCategory& category : chart_.Categories) {
        repeats_.push_back(Heading(QStringLiteral("ERR of every holding, continued: ") +
                                       category.Title + QStringLiteral(" risk category"),
                                   kHeadingSize, 0));
        const int repeat = static_cast<int>(repeats_.size()) - 1;
        for (std::size_t i = 0; i <= category.Holdings.size(); ++i) {
            Block row;
            row.height = charts::kErrRowHeight;
            row.barRow = barRow++;
            row.repeat = repeat;
            blocks_.push_back(std::move(row));
        }
    }
}

// How the tax was worked out, on a page of its own: the lines of the tax
// engine's working, without the withdrawal and with it.
void Layout::AddTaxWorking() {
    Block heading =
        Heading(QStringLiteral("How the tax was worked out, tax year %1").arg(ws_.taxYear.Number()),
                kHeadingSize, 1);
    heading.startsPage = true;
    blocks_.push_back(std::move(heading));

    const double labelWidth = width_ * 0.50;
    const double columnWidth = width_ * 0.22;
    auto row = [=](QPainter& painter, const QRectF& box, const QString& label,
                   const QString& without, const QString& with, const QFont& font) {
        painter.setPen(palette::Text());
        DrawLine(painter, QRectF(box.left() + 4, box.top(), labelWidth - 8, kLine), label, font);
        DrawLine(painter, QRectF(box.left() + labelWidth, box.top(), columnWidth, kLine), without,
                 font, Qt::AlignRight | Qt::AlignVCenter);
        DrawLine(painter,
                 QRectF(box.left() + labelWidth + columnWidth, box.top(), columnWidth, kLine), with,
                 font, Qt::AlignRight | Qt::AlignVCenter);
    };
    Block columns;
    columns.height = kLine + 2;
    columns.keepWithNext = 1;
    columns.paint = [=](QPainter& painter, const QRectF& box) {
        row(painter, box, QString(), QStringLiteral("Without withdrawal"),
            QStringLiteral("With withdrawal"), Font(kBodySize, true));
        painter.setPen(QPen(palette::Faint(), 0.5));
        painter.drawLine(QPointF(box.left(), box.top() + kLine),
                         QPointF(box.right(), box.top() + kLine));
    };
    blocks_.push_back(std::move(columns));

    for (const TaxWorkingLine& line : TaxWorkingLines(ws_)) {
        Block block;
        block.height = kLine;
        const QString label = QString::fromStdString(line.Label);
        if (line.Heading) {
            block.height += kGap / 2;
            block.keepWithNext = 1;
            block.paint = [=](QPainter& painter, const QRectF& box) {
                row(painter, box.adjusted(0, kGap / 2, 0, 0), label, QString(), QString(),
                    Font(kBodySize, true));
            };
        } else {
            const QString without = report::AmountText(line.WithoutWithdrawal);
            const QString with = report::AmountText(line.WithWithdrawal);
            block.paint = [=](QPainter& painter, const QRectF& box) {
                row(painter, box, label, without, with, Font(kBodySize));
            };
        }
        blocks_.push_back(std::move(block));
    }
}

std::vector<Page> Layout::Paginate(double pageHeight) const {
    std::vector<Page> pages(1);
    double y = 0;
    for (std::size_t i = 0; i < blocks_.size(); ++i) {
        const Block& block = blocks_[i];
        double need = block.height;
        for (std::size_t j = i + 1; j <= i + block.keepWithNext && j < blocks_.size(); ++j) {
            need += blocks_[j].height;
        }
        // A row of the ERR chart needs room for the chart's scale below it.
        const bool chartNext =
            i + block.keepWithNext < blocks_.size() && blocks_[i + block.keepWithNext].barRow >= 0;
        if (chartNext) {
            need += charts::kErrScaleHeight;
        }
        if (y > 0 && (y + need > pageHeight || block.startsPage)) {
            pages.emplace_back();
            y = 0;
            if (block.repeat >= 0) {
                pages.back().push_back({&repeats_[block.repeat], y});
                y += repeats_[block.repeat].height;
            }
        }
        pages.back().push_back({&block, y});
        y += block.height;
    }
    return pages;
}

void Layout::PaintPage(QPainter& painter, const Page& page) const {
    int chartFirst = -1;
    int chartRows = 0;
    double chartTop = 0;
    auto drawChart = [&] {
        if (chartRows > 0) {
            charts::DrawErrBars(painter,
                                QRectF(0, chartTop, width_,
                                       chartRows * charts::kErrRowHeight + charts::kErrScaleHeight),
                                chart_, chartFirst, chartRows);
        }
        chartRows = 0;
    };
    for (const Placed& placed : page) {
        if (placed.block->barRow >= 0) {
            if (chartRows == 0) {
                chartFirst = placed.block->barRow;
                chartTop = placed.top;
            }
            ++chartRows;
            continue;
        }
        drawChart();
        painter.save();
        placed.block->paint(painter, QRectF(0, placed.top, width_, placed.block->height));
        painter.restore();
    }
    drawChart();
}

} // namespace

ReportDocument::ReportDocument(const Workspace& workspace, QDate date,
                               const projection::Projection* years,
                               const projection::WaysCompared* ways)
    : workspace_(workspace), date_(date), years_(years), ways_(ways) {}

bool ReportDocument::Paint(QPagedPaintDevice& device) const {
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    // Draw in points whatever the device's resolution.
    const double scaleX = device.logicalDpiX() / 72.0;
    const double scaleY = device.logicalDpiY() / 72.0;
    painter.scale(scaleX, scaleY);
    const double width = device.width() / scaleX;
    const double height = device.height() / scaleY;
    const double contentHeight = height - kFooterRoom;

    const Layout layout(workspace_, date_, width);
    const std::vector<Page> pages = layout.Paginate(contentHeight);
    std::optional<YearsReport> years;
    if (years_ != nullptr) {
        years.emplace(*years_, width, contentHeight);
    }
    const std::size_t yearsPages = years ? static_cast<std::size_t>(years->PageCount()) : 0;
    const std::size_t count = pages.size() + yearsPages + (ways_ != nullptr ? 1 : 0);
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0 && !device.newPage()) {
            painter.end();
            return false;
        }
        if (i < pages.size()) {
            layout.PaintPage(painter, pages[i]);
        } else if (i < pages.size() + yearsPages) {
            years->PaintPage(painter, static_cast<int>(i - pages.size()));
        } else {
            WaysReport(*ways_, width).PaintPage(painter);
        }
        painter.setPen(palette::Faint());
        const QRectF footer(0, height - kLine, width, kLine);
        DrawLine(painter, footer, QStringLiteral("Velmora Report, ") + layout.DateText(),
                 Font(kBodySize - 1));
        DrawLine(painter, footer, QStringLiteral("Page %1 of %2").arg(i + 1).arg(count),
                 Font(kBodySize - 1), Qt::AlignRight | Qt::AlignVCenter);
    }
    return painter.end();
}

} // namespace velmora

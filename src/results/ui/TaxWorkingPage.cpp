#include "results/ui/TaxWorkingPage.h"

#include "Workspace.h"
#include "export/ui/ReportNumbers.h"
#include "export/ui/ReportPalette.h"
#include "export/ui/ReportText.h"
#include "results/TaxWorking.h"

#include <QPainter>
#include <algorithm>
#include <utility>

namespace velmora {

using namespace report;

void TaxWorkingPage::Build(double width) {
    ReportBlock heading =
        Heading(QStringLiteral("How the tax was worked out, tax year %1").arg(ws_.taxYear.Number()),
                kHeadingSize, 1);
    Add(std::move(heading));

    const double labelWidth = width * 0.50;
    const double columnWidth = width * 0.22;
    // A text too long for its column wraps; the row takes the lines of its longest text.
    auto lines = [=](const QString& label, const QString& without, const QString& with,
                     const QFont& font) {
        return std::max({LineCount(label, font, labelWidth - 8),
                         LineCount(without, font, columnWidth),
                         LineCount(with, font, columnWidth)});
    };
    auto row = [=](QPainter& painter, const QRectF& box, const QString& label,
                   const QString& without, const QString& with, const QFont& font) {
        painter.setPen(palette::Text());
        DrawWrapped(painter, QRectF(box.left() + 4, box.top(), labelWidth - 8, kLine), label, font,
                    kLine);
        DrawWrapped(painter, QRectF(box.left() + labelWidth, box.top(), columnWidth, kLine),
                    without, font, kLine, Qt::AlignRight);
        DrawWrapped(painter,
                    QRectF(box.left() + labelWidth + columnWidth, box.top(), columnWidth, kLine),
                    with, font, kLine, Qt::AlignRight);
    };
    ReportBlock columns;
    columns.height = kLine + 2;
    columns.keepWithNext = 1;
    columns.paint = [=](QPainter& painter, const QRectF& box) {
        row(painter, box, QString(), QStringLiteral("Without withdrawal"),
            QStringLiteral("With withdrawal"), Font(kBodySize, true));
        painter.setPen(QPen(palette::Faint(), 0.5));
        painter.drawLine(QPointF(box.left(), box.top() + kLine),
                         QPointF(box.right(), box.top() + kLine));
    };
    // On a further page the columns' headings come first again.
    const int continued = AddRepeat(columns);
    Add(std::move(columns));

    for (const TaxWorkingLine& line : TaxWorkingLines(ws_)) {
        ReportBlock block;
        block.repeat = continued;
        const QString label = QString::fromStdString(line.Label);
        if (line.Heading) {
            block.height = kLine * lines(label, {}, {}, Font(kBodySize, true)) + kGap / 2;
            block.keepWithNext = 1;
            block.paint = [=](QPainter& painter, const QRectF& box) {
                row(painter, box.adjusted(0, kGap / 2, 0, 0), label, QString(), QString(),
                    Font(kBodySize, true));
            };
        } else {
            const QString without = report::AmountText(line.WithoutWithdrawal);
            const QString with = report::AmountText(line.WithWithdrawal);
            block.height = kLine * lines(label, without, with, Font(kBodySize));
            block.paint = [=](QPainter& painter, const QRectF& box) {
                row(painter, box, label, without, with, Font(kBodySize));
            };
        }
        Add(std::move(block));
    }

    // How the working leads to the results screen's boxes.
    const QString note = QString::fromStdString(TaxWorkingNote());
    const double noteHeight = kLine * LineCount(note, Font(kBodySize), width);
    ReportBlock under;
    under.height = kGap + noteHeight;
    under.paint = [note, noteHeight](QPainter& painter, const QRectF& box) {
        painter.setPen(palette::Text());
        DrawWrapped(painter, QRectF(box.left(), box.top() + kGap, box.width(), noteHeight), note,
                    Font(kBodySize), kLine);
    };
    Add(std::move(under));
}

} // namespace velmora

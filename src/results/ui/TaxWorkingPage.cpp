#include "results/ui/TaxWorkingPage.h"

#include "Workspace.h"
#include "export/ui/ReportNumbers.h"
#include "export/ui/ReportPalette.h"
#include "export/ui/ReportText.h"
#include "results/TaxWorking.h"

#include <QPainter>
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
    Add(std::move(columns));

    for (const TaxWorkingLine& line : TaxWorkingLines(ws_)) {
        ReportBlock block;
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
        Add(std::move(block));
    }
}

} // namespace velmora

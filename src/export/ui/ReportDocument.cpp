#include "export/ui/ReportDocument.h"

#include "export/ui/ReportPalette.h"
#include "export/ui/ReportText.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <utility>

namespace velmora {

namespace {

// Room at the foot of every page for its footer, in points.
constexpr double kFooterRoom = 22;

} // namespace

ReportDocument::ReportDocument(QDate date) : date_(date) {}

ReportDocument::~ReportDocument() = default;
ReportDocument::ReportDocument(ReportDocument&&) noexcept = default;
ReportDocument& ReportDocument::operator=(ReportDocument&&) noexcept = default;

void ReportDocument::Add(std::unique_ptr<ReportSection> section) {
    if (section) {
        sections_.push_back(std::move(section));
    }
}

bool ReportDocument::Paint(QPagedPaintDevice& device) {
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

    int count = 0;
    for (const auto& section : sections_) {
        section->LayOut(width, height - kFooterRoom);
        count += section->PageCount();
    }
    const QString footerText = QStringLiteral("Velmora Report, ") + report::DateText(date_);
    int page = 0;
    for (const auto& section : sections_) {
        for (int i = 0; i < section->PageCount(); ++i, ++page) {
            if (page > 0 && !device.newPage()) {
                painter.end();
                return false;
            }
            section->PaintPage(painter, i);
            painter.setPen(palette::Faint());
            const QRectF footer(0, height - report::kLine, width, report::kLine);
            report::DrawLine(painter, footer, footerText, report::Font(report::kSmallSize));
            report::DrawLine(painter, footer,
                             QStringLiteral("Page %1 of %2").arg(page + 1).arg(count),
                             report::Font(report::kSmallSize), Qt::AlignRight | Qt::AlignVCenter);
        }
    }
    return painter.end();
}

} // namespace velmora

#include "export/ui/ReportPaper.h"

#include <QLocale>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrinter>
#include <algorithm>
#include <iterator>

namespace velmora {

namespace {

// The report's margins on paper and in the PDF: three quarters of an inch.
constexpr double kMarginPoints = 54;

const QMarginsF kMargins(kMarginPoints, kMarginPoints, kMarginPoints, kMarginPoints);

} // namespace

QPageSize::PageSizeId LocalePaper() {
    // The countries that print on US Letter.
    constexpr QLocale::Territory kLetter[] = {
        QLocale::AnyTerritory, QLocale::UnitedStates,
        QLocale::Canada,       QLocale::Mexico,
        QLocale::PuertoRico,   QLocale::Philippines,
        QLocale::Chile,        QLocale::Colombia,
        QLocale::Venezuela,    QLocale::Guatemala,
        QLocale::CostaRica,    QLocale::Panama,
        QLocale::ElSalvador,   QLocale::Nicaragua,
        QLocale::Honduras,     QLocale::DominicanRepublic,
    };
    const QLocale::Territory territory = QLocale().territory();
    return std::find(std::begin(kLetter), std::end(kLetter), territory) != std::end(kLetter)
               ? QPageSize::Letter
               : QPageSize::A4;
}

void SetUpReportPaper(QPdfWriter& writer) {
    writer.setPageLayout(
        QPageLayout(QPageSize(LocalePaper()), QPageLayout::Portrait, kMargins, QPageLayout::Point));
}

void OfferReportPaper(QPrinter& printer) {
    printer.setPageSize(QPageSize(LocalePaper()));
}

void SetReportMargins(QPrinter& printer) {
    printer.setFullPage(false);
    printer.setPageMargins(kMargins, QPageLayout::Point);
}

} // namespace velmora

#pragma once
// The paper of the report, printed or saved as PDF: A4 where the user's locale
// names a country that uses it, else US Letter (also in a locale that names no
// country), with margins of three quarters of an inch on every side.

#include <QPageSize>

class QPdfWriter;
class QPrinter;

namespace velmora {

QPageSize::PageSizeId LocalePaper();

// The PDF writer on the locale's paper with the report's margins.
void SetUpReportPaper(QPdfWriter& writer);
// The printer's paper chosen first: the locale's.
void OfferReportPaper(QPrinter& printer);
// On whatever paper was chosen, the report's margins.
void SetReportMargins(QPrinter& printer);

} // namespace velmora

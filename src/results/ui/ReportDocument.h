#pragma once
// The results as a printed report: the household, income, expenses, taxes and
// rates, the withdrawal needed, the investment total, each risk category with
// its sub total, share and every holding in ERR order, what the ERR is, and the
// two charts, then on a page of its own how the tax was worked out. Every figure
// is a text the results screen shows (its boxes and grid rows), a figure of the
// tax engine's working or a value the user entered; nothing is worked out
// again here.
// The figures read as in a report, in the user's locale (ReportNumbers.h):
// amounts with thousands separators, ERR values with two decimals.
//
// The same painting serves a PDF file (QPdfWriter) and a printer (QPrinter).
// Long holding lists and the ERR chart continue on further pages, their
// headings repeated.

#include <QDate>

class QPagedPaintDevice;

namespace velmora {

struct Workspace;

namespace projection {
struct Projection;
struct WaysCompared;
} // namespace projection

class ReportDocument {
public:
    // `date` is the date printed on the report; the years ahead, when given,
    // follow on pages of their own (YearsReport.h).
    // The ways of selling side by side, when given, follow on a page of their own.
    ReportDocument(const Workspace& workspace, QDate date,
                   const projection::Projection* years = nullptr,
                   const projection::WaysCompared* ways = nullptr);

    // Paints every page onto the device; false when the device cannot be painted on.
    bool Paint(QPagedPaintDevice& device) const;

private:
    const Workspace& workspace_;
    QDate date_;
    const projection::Projection* years_;
    const projection::WaysCompared* ways_;
};

} // namespace velmora

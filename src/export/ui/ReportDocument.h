#pragma once
// The printed report: its sections one after another, each from a page of its
// own, and on every page the footer "Velmora Report, <date>" with "Page n of
// m". The same painting serves a PDF file (QPdfWriter) and a printer
// (QPrinter).

#include "export/ui/ReportSection.h"

#include <QDate>
#include <memory>
#include <vector>

class QPagedPaintDevice;

namespace velmora {

class ReportDocument {
public:
    // `date` is the date printed on the report.
    explicit ReportDocument(QDate date);
    ~ReportDocument();
    ReportDocument(ReportDocument&&) noexcept;
    ReportDocument& operator=(ReportDocument&&) noexcept;

    void Add(std::unique_ptr<ReportSection> section);

    // Lays the sections out on the device's pages and paints every page; false
    // when the device cannot be painted on.
    bool Paint(QPagedPaintDevice& device);

private:
    QDate date_;
    std::vector<std::unique_ptr<ReportSection>> sections_;
};

} // namespace velmora

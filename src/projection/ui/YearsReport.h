#pragma once
// The years ahead in the printed and PDF report: a heading, the settings, the
// summary sentence, the chart, then the table of the years, one line a year,
// continued with its column headings on further pages as needed. Sizes are
// points; the painter draws in points.

#include "projection/Projection.h"

#include <QRectF>

class QPainter;

namespace velmora {

class YearsReport {
public:
    YearsReport(const projection::Projection& years, double width, double pageHeight);

    int PageCount() const { return static_cast<int>(firstRows_.size()); }
    // Paints page `index` (0 first) into the page's content area from (0, 0).
    void PaintPage(QPainter& painter, int index) const;

private:
    const projection::Projection& years_;
    double width_;
    double pageHeight_;
    std::vector<std::size_t> firstRows_; // the first year of each page
};

} // namespace velmora

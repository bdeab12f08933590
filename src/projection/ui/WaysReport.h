#pragma once
// The ways of selling side by side in the printed and PDF report: one page
// after the years ahead with the line of each way, the best figure of each
// column marked, the chart one line per way and the sentence. Sizes are
// points; the painter draws in points.

#include "projection/WaysCompared.h"

class QPainter;

namespace velmora {

class WaysReport {
public:
    WaysReport(const projection::WaysCompared& ways, double width);

    // Paints the page into the page's content area from (0, 0).
    void PaintPage(QPainter& painter) const;

private:
    const projection::WaysCompared& ways_;
    double width_;
};

} // namespace velmora

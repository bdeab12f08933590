#pragma once
// The ways of selling side by side in the printed and PDF report, a section
// of one page after the years ahead: the line of each way, the best figure of
// each column marked, the sentence and the chart, one line per way. Sizes are
// points; the painter draws in points.

#include "export/ui/ReportSection.h"
#include "projection/WaysCompared.h"

#include <memory>

namespace velmora {

class WaysReport : public ReportSection {
public:
    explicit WaysReport(projection::WaysCompared ways) : ways_(std::move(ways)) {}

    void LayOut(double width, double height) override;
    int PageCount() const override { return 1; }
    void PaintPage(QPainter& painter, int index) const override;

private:
    projection::WaysCompared ways_;
    double width_ = 0;
    double height_ = 0;
};

// The ways of the plan under the settings the Years Ahead screen keeps, for
// the report's last page.
std::unique_ptr<ReportSection> WaysReportSection(const Workspace& workspace);

} // namespace velmora

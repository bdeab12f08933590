#pragma once
// The years ahead in the printed and PDF report, a section of its own: a
// heading, the settings, the summary sentence, the chart, then the table of
// the years, one line a year, continued with its column headings on further
// pages as needed. Sizes are points; the painter draws in points.

#include "export/ui/ReportBlocks.h"
#include "projection/Projection.h"

#include <memory>

namespace velmora {

struct Workspace;

class YearsReport : public BlockSection {
public:
    explicit YearsReport(projection::Projection years) : years_(std::move(years)) {}

private:
    void Build(double width) override;
    void PaintIntro(QPainter& painter, double width) const;

    projection::Projection years_;
};

// The years ahead of the plan under the settings the Years Ahead screen keeps,
// for the report's last pages.
std::unique_ptr<ReportSection> YearsReportSection(const Workspace& workspace);

} // namespace velmora

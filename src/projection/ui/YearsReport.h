#pragma once
// The years ahead in the printed and PDF report, a section of its own: a
// heading, the settings, the summary sentence, the chart, then the table of
// the years, a row a year, continued with its column headings on further
// pages as needed. A text too long for its place wraps (what is sold in a
// year, the settings, the sentence); none is cut short. Sizes are points; the painter draws in
// points.

#include "export/ui/ReportBlocks.h"
#include "projection/Projection.h"

#include <QFont>
#include <QString>
#include <memory>
#include <vector>

namespace velmora {

struct Workspace;

class YearsReport : public BlockSection {
public:
    explicit YearsReport(projection::Projection years) : years_(std::move(years)) {}

private:
    void Build(double width) override;
    // The lines above the chart: the settings, the summary and why the years stop.
    struct IntroLine {
        QString text;
        QFont font;
    };
    std::vector<IntroLine> IntroLines() const;

    projection::Projection years_;
};

// The years ahead of the plan under the settings the Years Ahead screen keeps,
// for the report's last pages.
std::unique_ptr<ReportSection> YearsReportSection(const Workspace& workspace);

} // namespace velmora

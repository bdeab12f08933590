#pragma once
// A part of the printed report that begins on a page of its own and knows its
// pages: the results, how the tax was worked out, the years ahead. The report
// (ReportDocument.h) lays its parts out one after another and puts the same
// footer on every page. Sizes are points; the painter draws in points.

#include <functional>
#include <memory>

class QPainter;

namespace velmora {

struct Workspace;

class ReportSection {
public:
    virtual ~ReportSection() = default;

    // Lays the section out on pages whose room for content is `width` by
    // `height` points; called before the section's pages are counted or painted.
    virtual void LayOut(double width, double height) = 0;
    // The section's pages as last laid out, at least one.
    virtual int PageCount() const = 0;
    // Paints page `index` (0 first) into the page's content area from (0, 0).
    virtual void PaintPage(QPainter& painter, int index) const = 0;
};

// Makes a section of the report from the results as they stand.
using ReportSectionMaker = std::function<std::unique_ptr<ReportSection>(const Workspace&)>;

} // namespace velmora

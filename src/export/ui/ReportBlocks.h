#pragma once
// The one paginator of the report: a section made of blocks, each of a known
// height and never split over two pages, put on pages one after another.
// A block may keep the blocks after it on its page (a heading with its first
// row), start a page, or bring a heading onto a page that it starts (a table
// continued). Rows of a run (the bars of a chart) that fall on one page are
// painted together, with the run's foot (its scale) below them.

#include "export/ui/ReportSection.h"

#include <QRectF>
#include <QString>
#include <functional>
#include <vector>

namespace velmora {

struct ReportBlock {
    double height = 0;
    std::function<void(QPainter&, const QRectF&)> paint;
    int keepWithNext = 0;    // following blocks that must start on the same page
    int repeat = -1;         // a block of AddRepeat put first on a page this block starts
    int runRow = -1;         // the block's row in the section's run, from 0
    bool startsPage = false; // put first on a new page
};

class BlockSection : public ReportSection {
public:
    BlockSection() = default;
    BlockSection(const BlockSection&) = delete;
    BlockSection& operator=(const BlockSection&) = delete;

    void LayOut(double width, double height) final;
    int PageCount() const final { return static_cast<int>(pages_.size()); }
    void PaintPage(QPainter& painter, int index) const final;

protected:
    // Paints rows [first, first + count) of the run into `area`, their foot included.
    using RunPaint = std::function<void(QPainter&, const QRectF& area, int first, int count)>;

    // Adds the section's blocks for content `width` points wide.
    virtual void Build(double width) = 0;

    void Add(ReportBlock block);
    // A block that only heads a page a later block starts; gives its index for `repeat`.
    int AddRepeat(ReportBlock block);
    // The run's rows, each `rowHeight` high, are painted by `paint` with `foot` points below.
    void SetRun(double rowHeight, double foot, RunPaint paint);
    double Width() const { return width_; }

private:
    struct Placed {
        const ReportBlock* block;
        double top;
    };
    using Page = std::vector<Placed>;

    std::vector<Page> Paginate(double pageHeight) const;

    double width_ = 0;
    std::vector<ReportBlock> blocks_;
    std::vector<ReportBlock> repeats_;
    double runRowHeight_ = 0;
    double runFoot_ = 0;
    RunPaint runPaint_;
    std::vector<Page> pages_;
};

} // namespace velmora

namespace velmora::report {

// A heading of `size` points in bold with half a gap above it, keeping the
// `keepWithNext` blocks after it on its page.
ReportBlock Heading(const QString& text, double size, int keepWithNext);

} // namespace velmora::report

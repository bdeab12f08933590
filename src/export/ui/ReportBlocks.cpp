#include "export/ui/ReportBlocks.h"

#include "export/ui/ReportPalette.h"
#include "export/ui/ReportText.h"

#include <QPainter>
#include <utility>

namespace velmora {

void BlockSection::Add(ReportBlock block) {
    blocks_.push_back(std::move(block));
}

int BlockSection::AddRepeat(ReportBlock block) {
    repeats_.push_back(std::move(block));
    return static_cast<int>(repeats_.size()) - 1;
}

void BlockSection::SetRun(double rowHeight, double foot, RunPaint paint) {
    runRowHeight_ = rowHeight;
    runFoot_ = foot;
    runPaint_ = std::move(paint);
}

void BlockSection::LayOut(double width, double height) {
    width_ = width;
    blocks_.clear();
    repeats_.clear();
    runPaint_ = nullptr;
    Build(width);
    pages_ = Paginate(height);
}

std::vector<BlockSection::Page> BlockSection::Paginate(double pageHeight) const {
    std::vector<Page> pages(1);
    double y = 0;
    for (std::size_t i = 0; i < blocks_.size(); ++i) {
        const ReportBlock& block = blocks_[i];
        double need = block.height;
        for (std::size_t j = i + 1; j <= i + block.keepWithNext && j < blocks_.size(); ++j) {
            need += blocks_[j].height;
        }
        // A row of the run needs room for the run's foot below it.
        const bool runNext =
            i + block.keepWithNext < blocks_.size() && blocks_[i + block.keepWithNext].runRow >= 0;
        if (runNext) {
            need += runFoot_;
        }
        if (y > 0 && (y + need > pageHeight || block.startsPage)) {
            pages.emplace_back();
            y = 0;
            if (block.repeat >= 0) {
                const ReportBlock& repeat = repeats_[static_cast<std::size_t>(block.repeat)];
                pages.back().push_back({&repeat, y});
                y += repeat.height;
            }
        }
        pages.back().push_back({&block, y});
        y += block.height;
    }
    return pages;
}

void BlockSection::PaintPage(QPainter& painter, int index) const {
    const Page& page = pages_.at(static_cast<std::size_t>(index));
    int runFirst = -1;
    int runRows = 0;
    double runTop = 0;
    auto paintRun = [&] {
        if (runRows > 0 && runPaint_) {
            runPaint_(painter, QRectF(0, runTop, width_, runRows * runRowHeight_ + runFoot_),
                      runFirst, runRows);
        }
        runRows = 0;
    };
    for (const Placed& placed : page) {
        if (placed.block->runRow >= 0) {
            if (runRows == 0) {
                runFirst = placed.block->runRow;
                runTop = placed.top;
            }
            ++runRows;
            continue;
        }
        paintRun();
        painter.save();
        placed.block->paint(painter, QRectF(0, placed.top, width_, placed.block->height));
        painter.restore();
    }
    paintRun();
}

} // namespace velmora

namespace velmora::report {

ReportBlock Heading(const QString& text, double size, int keepWithNext) {
    ReportBlock block;
    block.height = size * 1.6 + kGap / 2;
    block.keepWithNext = keepWithNext;
    block.paint = [text, size](QPainter& painter, const QRectF& box) {
        painter.setPen(palette::Text());
        DrawLine(painter, box.adjusted(0, kGap / 2, 0, 0), text, Font(size, true));
    };
    return block;
}

} // namespace velmora::report

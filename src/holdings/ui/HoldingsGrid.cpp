#include "holdings/ui/HoldingsGrid.h"

#include <QScrollBar>
#include <QStyle>
#include <QWidget>
#include <algorithm>

namespace velmora {

namespace {

constexpr int kLargestFont = 12; // pixels
constexpr int kSmallestFont = 7;

} // namespace

int CellTextMargin(const QWidget& widget) {
    return widget.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &widget) + 1;
}

QFont FitTitleFont(const QWidget& widget, std::span<const TextRoom> titles) {
    const QFont font = widget.font();
    const int largest =
        font.pixelSize() > 0 ? std::min(font.pixelSize(), kLargestFont) : kLargestFont;
    // The grid line takes one pixel of the row.
    return LargestFittingFont(font, {largest, kSmallestFont, QFont::Condensed, kTitleRowHeight - 1},
                              titles);
}

void FrameTableGrid(StringGrid& grid, int columnsWidth, int visibleRows) {
    grid.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    grid.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid.setFixedWidth(columnsWidth + 2 * grid.frameWidth() +
                       grid.verticalScrollBar()->sizeHint().width());
    grid.setMinimumHeight(visibleRows * kTableRowHeight + 2 * grid.frameWidth());
    grid.setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
}

} // namespace velmora

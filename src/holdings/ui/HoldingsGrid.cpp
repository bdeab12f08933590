#include "holdings/ui/HoldingsGrid.h"

#include "app/ui/widgets/StringGrid.h"
#include "plan/PlanData.h"

#include <QFontMetrics>
#include <QScrollBar>
#include <QStyle>
#include <QWidget>
#include <algorithm>
#include <numeric>

namespace velmora {

namespace {

constexpr int kTitleRows = 3;
constexpr int kLargestFont = 12; // pixels
constexpr int kSmallestFont = 7;

int TotalWidth(std::span<const int> widths) {
    return std::accumulate(widths.begin(), widths.end(), 0);
}

void SetWidths(StringGrid& grid, std::span<const int> widths) {
    for (std::size_t col = 0; col < widths.size(); ++col) {
        grid.SetColWidth(static_cast<int>(col), widths[col]);
    }
}

bool TitlesFit(const QFont& font, int margin, std::span<const TitleLines> titles,
               std::span<const int> widths) {
    const QFontMetrics metrics(font);
    if (metrics.height() > kTitleRowHeight - 1) { // the grid line takes one pixel
        return false;
    }
    for (std::size_t col = 0; col < titles.size() && col < widths.size(); ++col) {
        for (const char* line : titles[col]) {
            const int needed =
                metrics.horizontalAdvance(QString::fromLatin1(line)) + 2 * margin + 1;
            if (needed > widths[col]) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

QFont FitTitleFont(const QWidget& widget, std::span<const TitleLines> titles,
                   std::span<const int> widths) {
    // An item view leaves this margin on either side of a cell's text.
    const int margin =
        widget.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &widget) + 1;
    QFont font = widget.font();
    const int start =
        font.pixelSize() > 0 ? std::min(font.pixelSize(), kLargestFont) : kLargestFont;
    for (int size = start; size >= kSmallestFont; --size) {
        font.setPixelSize(size);
        for (const int stretch : {int(QFont::Unstretched), int(QFont::Condensed)}) {
            font.setStretch(stretch);
            if (TitlesFit(font, margin, titles, widths)) {
                return font;
            }
        }
    }
    return font; // the smallest tried
}

void SetUpTitleGrid(StringGrid& grid, std::span<const TitleLines> titles,
                    std::span<const int> widths) {
    const int cols = static_cast<int>(widths.size());
    grid.SetSize(cols, kTitleRows);
    grid.SetFixedRows(kTitleRows);
    grid.SetEditable(false);
    grid.setFocusPolicy(Qt::NoFocus);
    grid.setSelectionMode(QAbstractItemView::NoSelection);
    grid.SetDefaultRowHeight(kTitleRowHeight);
    SetWidths(grid, widths);
    for (int col = 0; col < cols && col < static_cast<int>(titles.size()); ++col) {
        for (int row = 0; row < kTitleRows; ++row) {
            grid.SetCells(col, row, QString::fromLatin1(titles[col][row]));
        }
    }
    grid.SizeToCells();
}

void SetUpTableGrid(StringGrid& grid, std::span<const int> widths, int visibleRows) {
    grid.SetSize(static_cast<int>(widths.size()), kTableRows);
    grid.SetDefaultRowHeight(kTableRowHeight);
    SetWidths(grid, widths);
    grid.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    grid.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid.setFixedWidth(TotalWidth(widths) + 2 * grid.frameWidth() +
                       grid.verticalScrollBar()->sizeHint().width());
    grid.setMinimumHeight(visibleRows * kTableRowHeight + 2 * grid.frameWidth());
    grid.setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
}

} // namespace velmora

#pragma once
// The shapes every title grid and table grid of the holdings screens must have.

#include "UiTestSupport.h"
#include "app/ui/widgets/StringGrid.h"

#include <QFontMetrics>
#include <QStyle>
#include <QWidget>
#include <gtest/gtest.h>
#include <numeric>
#include <span>
#include <string>
#include <vector>

namespace velmora::test {

// Column widths and the title lines, row by row; and that every title line fits
// its cell as drawn (inside the item view's text margins, in the grid's font).
inline void ExpectTitleGrid(const StringGrid& titles, std::span<const int> widths,
                            const std::vector<QStringList>& lines) {
    ASSERT_EQ(titles.ColCount(), static_cast<int>(widths.size()));
    ASSERT_EQ(titles.RowCount(), 3);
    EXPECT_EQ(titles.FixedRows(), 3);
    EXPECT_FALSE(titles.IsEditable());
    EXPECT_EQ(titles.focusPolicy(), Qt::NoFocus) << "Tab passes over the titles";
    const QFontMetrics metrics(titles.font());
    const int margin =
        titles.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &titles) + 1;
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(titles.rowHeight(row), 14);
        EXPECT_EQ(RowTexts(titles, row), lines[row]) << "title line " << row + 1;
        for (int col = 0; col < titles.ColCount(); ++col) {
            const QString text = titles.Cells(col, row);
            EXPECT_LE(metrics.horizontalAdvance(text) + 2 * margin + 1, titles.columnWidth(col))
                << "\"" << text.toStdString() << "\" does not fit column " << col;
        }
    }
    EXPECT_LE(metrics.height(), 13) << "a title line fits its row";
    for (int col = 0; col < titles.ColCount(); ++col) {
        EXPECT_EQ(titles.columnWidth(col), widths[col]) << "column " << col;
    }
    EXPECT_EQ(titles.viewport()->width(), std::accumulate(widths.begin(), widths.end(), 0))
        << "every column is shown whole";
}

// 40 editable rows of 20 pixels in the given column widths, none of them a
// title; the columns all shown beside the scroll bar.
inline void ExpectTableGrid(const StringGrid& table, std::span<const int> widths) {
    ASSERT_EQ(table.ColCount(), static_cast<int>(widths.size()));
    EXPECT_EQ(table.RowCount(), 40);
    EXPECT_EQ(table.FixedRows(), 0);
    EXPECT_EQ(table.FixedCols(), 0);
    EXPECT_TRUE(table.IsEditable());
    EXPECT_TRUE(table.tabKeyNavigation());
    EXPECT_EQ(table.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    for (int col = 0; col < table.ColCount(); ++col) {
        EXPECT_EQ(table.columnWidth(col), widths[col]) << "column " << col;
    }
    for (int row = 0; row < table.RowCount(); ++row) {
        EXPECT_EQ(table.rowHeight(row), 20) << "row " << row;
    }
    EXPECT_EQ(table.viewport()->width(), std::accumulate(widths.begin(), widths.end(), 0));
}

} // namespace velmora::test

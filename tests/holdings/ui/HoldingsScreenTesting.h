#pragma once
// What every title grid and table grid of the holdings screens must be: the
// titles legible in their cells and standing over their columns, the table's
// columns all in view.

#include "UiTestSupport.h"
#include "grid/ui/StringGrid.h"

#include <QFontMetrics>
#include <QStyle>
#include <QWidget>
#include <gtest/gtest.h>
#include <vector>

namespace velmora::test {

inline int ColumnsWidth(const StringGrid& grid) {
    int width = 0;
    for (int col = 0; col < grid.ColCount(); ++col) {
        width += grid.columnWidth(col);
    }
    return width;
}

// The title lines, row by row; every one fits its cell as drawn (inside the
// item view's text margins, in the grid's font), and every column is in view.
inline void ExpectTitleGrid(const StringGrid& titles, const std::vector<QStringList>& lines) {
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
    EXPECT_EQ(titles.viewport()->width(), ColumnsWidth(titles)) << "every column is shown whole";
}

// 40 editable rows of 20 pixels, none of them a title; the columns all shown
// beside the scroll bar.
inline void ExpectTableGrid(const StringGrid& table) {
    EXPECT_EQ(table.RowCount(), 40);
    EXPECT_EQ(table.FixedRows(), 0);
    EXPECT_EQ(table.FixedCols(), 0);
    EXPECT_TRUE(table.IsEditable());
    EXPECT_TRUE(table.tabKeyNavigation());
    EXPECT_EQ(table.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    for (int row = 0; row < table.RowCount(); ++row) {
        EXPECT_EQ(table.rowHeight(row), 20) << "row " << row;
    }
    EXPECT_EQ(table.viewport()->width(), ColumnsWidth(table));
}

// How much wider each title is than the table column under it (0 where the
// title stands exactly over its column), for as many columns as the table has.
inline std::vector<int> TitleOverhangs(const StringGrid& titles, const StringGrid& table) {
    std::vector<int> overhangs;
    for (int col = 0; col < table.ColCount(); ++col) {
        overhangs.push_back(titles.columnWidth(col) - table.columnWidth(col));
    }
    return overhangs;
}

} // namespace velmora::test

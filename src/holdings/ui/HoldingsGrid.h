#pragma once
// The grids of the holdings screens, built from a screen's list of columns: a
// title grid of three title lines over a table grid of 40 editable rows, both
// with the same column layout, in a font small enough for every title line to
// fit its column and its row; and the cells' masks, texts and edits.

#include "grid/ui/StringGrid.h"
#include "holdings/HoldingsColumn.h"
#include "plan/PlanData.h"
#include "screens/ui/FontFit.h"
#include "screens/ui/ScreenText.h"

#include <QFont>
#include <QStringList>
#include <array>
#include <cstddef>
#include <span>
#include <vector>

class QWidget;

namespace velmora {

inline constexpr int kTitleRows = 3;
inline constexpr int kTitleRowHeight = 14;
inline constexpr int kTableRowHeight = 20;

// What an item view of `widget`'s style leaves on either side of a cell's text.
int CellTextMargin(const QWidget& widget);

// Each title line of `columns` with the room that its title cell in a grid
// styled as `widget` leaves for it.
template <class Row, std::size_t Cols>
std::vector<TextRoom> TitleRooms(const QWidget& widget,
                                 const std::array<HoldingsColumn<Row>, Cols>& columns) {
    const int margin = CellTextMargin(widget);
    std::vector<TextRoom> rooms;
    for (const HoldingsColumn<Row>& column : columns) {
        for (const char* line : column.title) {
            // The grid line takes one pixel of the cell.
            rooms.push_back({QString::fromLatin1(line), column.TitleWidth() - 2 * margin - 1});
        }
    }
    return rooms;
}

// The largest font, at most the size of `widget`'s own, in which every title
// line fits its room and a title row; a condensed face is tried at each size
// before a smaller one.
QFont FitTitleFont(const QWidget& widget, std::span<const TextRoom> titles);

// Three fixed title rows, not editable, never focused (Tab passes over it), as
// wide and high as its cells.
template <class Row, std::size_t Cols>
void SetUpTitleGrid(StringGrid& grid, const std::array<HoldingsColumn<Row>, Cols>& columns) {
    grid.SetSize(static_cast<int>(Cols), kTitleRows);
    grid.SetFixedRows(kTitleRows);
    grid.SetEditable(false);
    grid.setFocusPolicy(Qt::NoFocus);
    grid.setSelectionMode(QAbstractItemView::NoSelection);
    grid.SetDefaultRowHeight(kTitleRowHeight);
    for (std::size_t col = 0; col < Cols; ++col) {
        grid.SetColWidth(static_cast<int>(col), columns[col].TitleWidth());
    }
    for (std::size_t col = 0; col < Cols; ++col) {
        QStringList title;
        for (int row = 0; row < kTitleRows; ++row) {
            grid.SetCells(static_cast<int>(col), row, QString::fromLatin1(columns[col].title[row]));
            title << QString::fromLatin1(columns[col].title[row]).simplified();
        }
        // Read as all its lines, as the table's column is, not its first line only.
        grid.SetColTitle(static_cast<int>(col), title.join(QLatin1Char(' ')).simplified());
    }
    grid.SizeToCells();
}

// The table grid's frame: a vertical scroll bar, as wide as its columns and the
// scroll bar, at least `visibleRows` rows high.
void FrameTableGrid(StringGrid& grid, int columnsWidth, int visibleRows);

// One column per column, 40 rows, no fixed rows or columns, editable.
template <class Row, std::size_t Cols>
void SetUpTableGrid(StringGrid& grid, const std::array<HoldingsColumn<Row>, Cols>& columns,
                    int visibleRows) {
    grid.SetSize(static_cast<int>(Cols), kTableRows);
    grid.SetDefaultRowHeight(kTableRowHeight);
    int columnsWidth = 0;
    for (std::size_t col = 0; col < Cols; ++col) {
        grid.SetColWidth(static_cast<int>(col), columns[col].width);
        columnsWidth += columns[col].width;
        // The column is named by its title lines, as the title grid shows them.
        QStringList title;
        for (const char* line : columns[col].title) {
            title << QString::fromLatin1(line).simplified();
        }
        grid.SetColTitle(static_cast<int>(col), title.join(QLatin1Char(' ')));
    }
    FrameTableGrid(grid, columnsWidth, visibleRows);
}

// The edit mask of column `col`; none outside the columns.
template <class Row, std::size_t Cols>
QString ColumnMask(const std::array<HoldingsColumn<Row>, Cols>& columns, int col) {
    return col >= 0 && col < static_cast<int>(Cols) ? QString::fromLatin1(columns[col].mask)
                                                    : QString();
}

} // namespace velmora

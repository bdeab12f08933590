#pragma once
// The grids of the holdings screens: a title grid of three title lines over a
// table grid of 40 editable rows, both with the same column layout, and a
// font small enough for every title line to fit its column and its row.

#include "app/ui/PlanText.h"
#include "app/ui/widgets/StringGrid.h"
#include "plan/NumberText.h"
#include "plan/PlanData.h"

#include <QFont>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>

class QWidget;

namespace velmora {

using TitleLines = std::array<const char*, 3>; // one column's three title lines

inline constexpr int kTitleRowHeight = 14;
inline constexpr int kTableRowHeight = 20;

// The largest font, at most the size of `widget`'s own, in which every title
// line fits its column (inside the text margins of `widget`'s style) and a
// title row; a condensed face is tried at each size before a smaller one.
QFont FitTitleFont(const QWidget& widget, std::span<const TitleLines> titles,
                   std::span<const int> widths);

// Three fixed title rows, not editable, never focused (Tab passes over it), as
// wide and high as its cells.
void SetUpTitleGrid(StringGrid& grid, std::span<const TitleLines> titles,
                    std::span<const int> widths);

// `cols` columns by 40 rows, no fixed rows or columns, editable, with a
// vertical scroll bar; as wide as its cells and the scroll bar, and at least
// `visibleRows` rows high.
void SetUpTableGrid(StringGrid& grid, std::span<const int> widths, int visibleRows);

// A text field of a holdings row and the grid column that shows it.
template <class Row> struct TextColumn {
    int col;
    std::string Row::*field;
};

// Writes table row r + 1 into grid row r: the text columns, and every column
// that has a field in `numbers` as integer text. Then the grid rows of the
// rows without a name are emptied; their numbers stay in the table.
template <class Row, std::size_t Cols>
void FillTableGrid(StringGrid& grid, const std::array<Row, kTableRows>& table,
                   const std::array<std::int32_t Row::*, Cols>& numbers,
                   std::initializer_list<TextColumn<Row>> texts) {
    for (int row = 0; row < kTableRows; ++row) {
        const Row& holding = table[row];
        for (const TextColumn<Row>& text : texts) {
            grid.SetCells(text.col, row, FromPlanText(holding.*text.field));
        }
        for (std::size_t col = 0; col < Cols; ++col) {
            if (numbers[col] != nullptr) {
                grid.SetCells(static_cast<int>(col), row,
                              QString::fromStdString(IntText(holding.*numbers[col])));
            }
        }
    }
    for (int row = 0; row < kTableRows; ++row) {
        if (table[row].Name.empty()) {
            for (int col = 0; col < static_cast<int>(Cols); ++col) {
                grid.SetCells(col, row, QString());
            }
        }
    }
}

} // namespace velmora

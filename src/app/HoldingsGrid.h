#pragma once
// The grids of the holdings screens: a title grid of three title lines over a
// table grid of 40 editable rows, both with the same column layout, and a
// font small enough for every title line to fit its column and its row.

#include <QFont>
#include <array>
#include <span>

class QWidget;

namespace velmora {

class StringGrid;

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

} // namespace velmora

#pragma once
// The two charts of the results, drawn with QPainter into any rectangle of any
// paint device (a window, an image, a PDF page, a printer page). Sizes are in
// the painter's logical units: pixels on screen, points in the report.
//
// Every chart is drawn at a scale: 1 as designed (the report's pages), 2 with
// every text, row and gap twice as large (a chart window shown at 200 %).
//
// Nothing is drawn outside the given rectangle: labels shrink or are cut short
// with an ellipsis, and every drawing is clipped to the rectangle as well.
//
// The ERR chart lists every holding, one row each, however many there are: in
// a rectangle too low for 14-unit rows the rows get thinner, and once they are
// too thin for legible text (under 7 units) the names and ERR texts are left
// out and only the bars remain. The chart window scrolls instead of shrinking
// and the report spreads the rows over pages, so both always show the names.

#include "results/ui/ChartData.h"

#include <QColor>
#include <QRectF>

class QPainter;

namespace velmora::charts {

// The four categories' shares of the investment total as a ring, with a legend
// of each category's "% of Total" and sub total texts. Categories without a
// positive total get no piece of the ring; value held outside the four
// categories (unnamed holdings, holdings of no valid category) shows as a grey
// piece. Without any positive value the ring is replaced by "No investments".
void DrawShares(QPainter& painter, const QRectF& area, const ChartData& data, double scale = 1.0);

// Preferred height of one row of the ERR chart, and of its scale below the
// rows, at scale 1.
inline constexpr double kErrRowHeight = 14.0;
inline constexpr double kErrScaleHeight = 16.0;

// Rows of the ERR chart: a heading row for each category, then one row per
// holding of that category, lowest ERR first.
int ErrBarRowCount(const ChartData& data);
// The height the ERR chart needs for its rows and scale at their preferred heights.
double ErrBarsHeight(const ChartData& data, double scale = 1.0);

// Horizontal bars of the holdings' ERR, grouped by category, on a scale with
// its zero axis (negative values left of it) common to all rows. Draws rows
// firstRow to firstRow + rowCount - 1 (all rows from firstRow when rowCount is
// negative), so that a long chart can be spread over pages. Without any
// holding it shows "No investments".
void DrawErrBars(QPainter& painter, const QRectF& area, const ChartData& data, int firstRow = 0,
                 int rowCount = -1, double scale = 1.0);

} // namespace velmora::charts

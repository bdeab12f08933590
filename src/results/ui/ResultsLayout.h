#pragma once
// Where the results screen's labels, grids, boxes and buttons stand. Every
// column of a category grid and every box is as wide as the widest text it
// can show at the screen's font (a name of 15 characters, any value, an Err
// of 15 significant digits, a dollar amount of 15 digits), so that nothing is
// cut; the four categories stand two by two, each with its sub total and share
// below it, and the income, expenses, tax and total groups below them.

#include <QSize>

class QFont;
class QWidget;

namespace velmora {

// The screen's type: the largest size, up to the screen's base size, at which
// the labels of the top line fit before what stands to their right.
QFont ResultsFont(const QFont& font);

// Makes the screen's labels in `panel`.
void MakeResultsLabels(QWidget& panel);

// Places the labels, the grids "StringGrid0" to "StringGrid3", the boxes, the
// line of what to sell this year, the Years Ahead and return buttons and the
// quick help memo with its button inside `panel`, and
// sets the grids' column widths. Returns the size the panel needs.
QSize PlaceResultsControls(QWidget& panel);

} // namespace velmora

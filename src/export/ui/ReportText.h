#pragma once
// The type and the lines of text of the printed report, every page of it: one
// type scale in the report's points, and texts drawn whole: a text that may be
// too long for its place wraps onto further lines, and none is ever cut short.

#include <QDate>
#include <QFont>
#include <QRectF>
#include <QString>
#include <Qt>

class QPainter;

namespace velmora::report {

// The report's one type scale, in points.
inline constexpr double kTitleSize = 18;      // the report's title
inline constexpr double kHeadingSize = 12;    // a page's or a part's heading
inline constexpr double kGroupSize = 11;      // a risk category's heading
inline constexpr double kSubheadingSize = 10; // a group of figures
inline constexpr double kBodySize = 9;        // figures and sentences
inline constexpr double kSmallSize = 8;       // tables of many columns, the page footers
inline constexpr double kLine = 13;           // a line of body text
inline constexpr double kSmallLine = 12;      // a line of small text
inline constexpr double kGap = 10;            // between parts

// The report's type at `size`, without ligatures, so that the PDF's text reads
// back and searches as typed ("fi", not one glyph).
QFont Font(double size, bool bold = false);

// One line of `text` in `box`, for a text that fits (a title, a heading);
// drawn whole even where it does not.
void DrawLine(QPainter& painter, const QRectF& box, const QString& text, const QFont& font,
              int flags = Qt::AlignLeft | Qt::AlignVCenter);

// How many lines `text` takes in `width`: broken at the spaces between words,
// and within a word only where the word alone is wider than the line; at
// least one.
int LineCount(const QString& text, const QFont& font, double width);

// `text` in `box`, wrapped as LineCount counts it, each line `lineHeight`
// high with the text centred in it, aligned by `align` (left, right or centre).
void DrawWrapped(QPainter& painter, const QRectF& box, const QString& text, const QFont& font,
                 double lineHeight, Qt::Alignment align = Qt::AlignLeft);

// The date as the report prints it: "December 8, 2026".
QString DateText(QDate date);

} // namespace velmora::report

#pragma once
// The type and the lines of text of the printed reports (the results report
// and the years ahead): sizes in the report's points, every line on one line,
// cut with an ellipsis where its box is too narrow.

#include <QFont>
#include <QRectF>
#include <QString>
#include <Qt>

class QPainter;

namespace velmora::report {

// The report's type at `size`, without ligatures, so that the PDF's text reads
// back and searches as typed ("fi", not one glyph).
QFont Font(double size, bool bold = false);

// One line of `text` in `box`, cut with an ellipsis where it does not fit.
void DrawLine(QPainter& painter, const QRectF& box, const QString& text, const QFont& font,
              int flags = Qt::AlignLeft | Qt::AlignVCenter);

} // namespace velmora::report

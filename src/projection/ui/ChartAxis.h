#pragma once
// The value axis that the charts of the years share: the plot below the
// legend and right of the axis's top figure and 0, with room below it for the
// years' labels, and the plot's top and bottom lines.

#include <QRectF>
#include <QString>

class QPainter;

namespace velmora {

// Draws the axis in the painter's font, `top` being the figure at the top of
// the plot, and gives the plot's rectangle; `legend` is the height above it.
QRectF DrawValueAxis(QPainter& painter, const QRectF& area, double legend, const QString& top,
                     double scale);

} // namespace velmora

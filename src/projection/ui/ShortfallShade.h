#pragma once
// The shade that marks a year after the money runs out, in the years table,
// the chart and the printed years.

#include "projection/Projection.h"

#include <QColor>

namespace velmora {

inline QColor ShortfallShade() {
    return QColor(250, 218, 212);
}

// Whether the year is the one the investments run out in, or later.
inline bool RunShort(const projection::Projection& years, const projection::ProjectedYear& year) {
    return years.RunsOut && year.Year >= *years.RunsOut;
}

} // namespace velmora

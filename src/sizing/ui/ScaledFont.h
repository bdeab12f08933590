#pragma once
// A font at another size.

#include <QFont>

namespace velmora {

// `font` at `factor` times its size; a size in pixels is rounded down, so that
// a text fitted to its place at 100 % still fits.
QFont ScaledFont(const QFont& font, double factor);

} // namespace velmora

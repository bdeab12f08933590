#pragma once
// Lengths at the chosen size.

#include <QSize>
#include <cmath>

namespace velmora {

inline int Scaled(int length, double factor) {
    return static_cast<int>(std::lround(length * factor));
}

inline QSize Scaled(QSize size, double factor) {
    return {Scaled(size.width(), factor), Scaled(size.height(), factor)};
}

} // namespace velmora

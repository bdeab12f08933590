#include "sizing/ui/ScaledFont.h"

#include <algorithm>
#include <cmath>

namespace velmora {

QFont ScaledFont(const QFont& font, double factor) {
    QFont scaled = font;
    if (font.pixelSize() > 0) {
        scaled.setPixelSize(
            std::max(1, static_cast<int>(std::floor(font.pixelSize() * factor + 1e-6))));
    } else if (font.pointSizeF() > 0) {
        scaled.setPointSizeF(font.pointSizeF() * factor);
    }
    return scaled;
}

} // namespace velmora

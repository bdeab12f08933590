#include "sizing/ui/SizedStyle.h"

#include <QApplication>
#include <cmath>

namespace velmora {

SizedStyle::SizedStyle(QStyle* base) : QProxyStyle(base) {}

int SizedStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                            const QWidget* widget) const {
    const int own = QProxyStyle::pixelMetric(metric, option, widget);
    switch (metric) {
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
    case PM_IndicatorWidth:
    case PM_IndicatorHeight:
    case PM_ScrollBarExtent:
    case PM_ScrollBarSliderMin:
        return static_cast<int>(std::lround(own * factor_));
    default:
        return own;
    }
}

SizedStyle& InstallSizedStyle() {
    if (auto* installed = qobject_cast<SizedStyle*>(QApplication::style())) {
        return *installed;
    }
    // The style in use goes under the new one, which becomes its owner.
    auto* style = new SizedStyle(QApplication::style());
    QApplication::setStyle(style);
    return *style;
}

} // namespace velmora

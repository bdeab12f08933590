#include "sizing/ui/SizeLimits.h"

#include <algorithm>

namespace velmora {

SizeLimits::Asked& SizeLimits::Of(QWidget& widget) {
    const auto found = std::find_if(asked_.begin(), asked_.end(),
                                    [&widget](const Asked& a) { return a.widget == &widget; });
    if (found != asked_.end()) {
        return *found;
    }
    // Forget widgets that are gone before remembering one more.
    asked_.erase(std::remove_if(asked_.begin(), asked_.end(),
                                [](const Asked& a) { return a.widget == nullptr; }),
                 asked_.end());
    asked_.push_back({&widget, widget.minimumSize(), widget.maximumSize(), {}, {}, 0});
    return asked_.back();
}

void SizeLimits::Measured(QWidget& widget, QSize minimum, QSize maximum) {
    Asked& asked = Of(widget);
    asked.minimum = minimum;
    asked.maximum = maximum;
    Decide(asked);
}

void SizeLimits::Kept(QWidget& widget, QSize minimum, QSize maximum) {
    Asked& asked = Of(widget);
    asked.kept = std::make_pair(minimum, maximum);
    Decide(asked);
}

void SizeLimits::Returned(QWidget& widget) {
    Asked& asked = Of(widget);
    asked.kept.reset();
    Decide(asked);
}

void SizeLimits::Room(QWidget& widget, QSize room) {
    Asked& asked = Of(widget);
    if (asked.room == room) {
        return;
    }
    asked.room = room;
    Decide(asked);
}

void SizeLimits::Grown(QWidget& widget, int height) {
    Asked& asked = Of(widget);
    if (asked.grown == height) {
        return;
    }
    asked.grown = height;
    Decide(asked);
}

void SizeLimits::Decide(const Asked& asked) {
    QWidget* widget = asked.widget;
    if (widget == nullptr) {
        return;
    }
    QSize minimum = asked.minimum;
    QSize maximum = asked.maximum;
    if (asked.kept) {
        minimum = asked.kept->first;
        maximum = asked.kept->second;
    }
    if (asked.room) {
        maximum = maximum.boundedTo(asked.room->expandedTo(minimum));
    }
    minimum.rheight() += asked.grown;
    maximum = maximum.expandedTo(minimum);
    if (widget->minimumSize() == minimum && widget->maximumSize() == maximum) {
        return; // unchanged: no new layout, no new resize
    }
    // Opened wide first, so that the least size is never clamped by the old largest.
    widget->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    widget->setMinimumSize(minimum);
    widget->setMaximumSize(maximum);
}

} // namespace velmora

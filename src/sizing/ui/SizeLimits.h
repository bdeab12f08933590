#pragma once
// The one place that decides the least and the largest size of a window's
// widgets while the window follows the chosen size. Three jobs ask for sizes;
// what a widget gets is decided here, always in this order:
//   1. its measures at 100 %, times the chosen size (WindowMeasures);
//   2. while it is kept in view, below the scrolling content, the size it
//      takes there instead (KeptParts);
//   3. while it is fitted in view, its largest size capped by the room in view,
//      never below its least size (FittedParts);
//   4. the content of a window taller by what a part in it grew (FittedParts).
// A widget nobody asked about keeps the sizes it was made with.

#include <QPointer>
#include <QSize>
#include <QWidget>
#include <optional>
#include <vector>

namespace velmora {

class SizeLimits {
public:
    void Measured(QWidget& widget, QSize minimum, QSize maximum);
    void Kept(QWidget& widget, QSize minimum, QSize maximum);
    void Returned(QWidget& widget);
    void Room(QWidget& widget, QSize room);
    void Grown(QWidget& widget, int height);

private:
    struct Asked {
        QPointer<QWidget> widget;
        QSize minimum;
        QSize maximum;
        std::optional<std::pair<QSize, QSize>> kept;
        std::optional<QSize> room;
        int grown = 0;
    };
    Asked& Of(QWidget& widget);
    static void Decide(const Asked& asked);

    std::vector<Asked> asked_;
};

} // namespace velmora

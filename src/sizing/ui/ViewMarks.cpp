#include "sizing/ui/ViewMarks.h"

#include <QPushButton>
#include <QVariant>
#include <QWidget>
#include <algorithm>

namespace velmora {

namespace {

constexpr const char* kKeepInView = "velmoraKeepInView";
constexpr const char* kFitInView = "velmoraFitInView";

int MarkedGroup(const QWidget& part) {
    const QVariant group = part.property(kKeepInView);
    return group.isValid() ? group.toInt() : -1;
}

} // namespace

void KeepInView(QWidget& part, int group) {
    part.setProperty(kKeepInView, std::max(0, group));
}

int KeptInViewGroup(const QWidget& part) {
    const int marked = MarkedGroup(part);
    if (marked >= 0 || qobject_cast<const QPushButton*>(&part) == nullptr) {
        return marked;
    }
    for (const QWidget* above = &part; above != nullptr && !above->isWindow();
         above = above->parentWidget()) {
        if (FitsInView(*above) || (above != &part && MarkedGroup(*above) >= 0)) {
            return -1;
        }
    }
    return 0;
}

void FitInView(QWidget& part) {
    part.setProperty(kFitInView, true);
}

bool FitsInView(const QWidget& part) {
    return part.property(kFitInView).toBool();
}

} // namespace velmora

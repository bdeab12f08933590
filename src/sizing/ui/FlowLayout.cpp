#include "sizing/ui/FlowLayout.h"

#include <QWidget>
#include <algorithm>

namespace velmora {

FlowLayout::FlowLayout(QWidget* parent, int across, int down)
    : QLayout(parent), across_(across), down_(down) {}

FlowLayout::~FlowLayout() {
    for (QLayoutItem* item : items_) {
        delete item;
    }
}

void FlowLayout::addItem(QLayoutItem* item) {
    items_.push_back(item);
}

int FlowLayout::count() const {
    return static_cast<int>(items_.size());
}

QLayoutItem* FlowLayout::itemAt(int index) const {
    return index >= 0 && index < count() ? items_[static_cast<std::size_t>(index)] : nullptr;
}

QLayoutItem* FlowLayout::takeAt(int index) {
    if (index < 0 || index >= count()) {
        return nullptr;
    }
    QLayoutItem* item = items_[static_cast<std::size_t>(index)];
    items_.erase(items_.begin() + index);
    return item;
}

Qt::Orientations FlowLayout::expandingDirections() const {
    return {};
}

bool FlowLayout::hasHeightForWidth() const {
    return true;
}

int FlowLayout::heightForWidth(int width) const {
    return Arrange(QRect(0, 0, width, 0), false);
}

QSize FlowLayout::sizeHint() const {
    // All in one row.
    int width = 0;
    int height = 0;
    for (const QLayoutItem* item : items_) {
        if (item->isEmpty()) {
            continue;
        }
        width += (width > 0 ? across_ : 0) + item->sizeHint().width();
        height = std::max(height, item->sizeHint().height());
    }
    const QMargins m = contentsMargins();
    return {width + m.left() + m.right(), height + m.top() + m.bottom()};
}

QSize FlowLayout::minimumSize() const {
    // The widest item alone in its row.
    QSize size;
    for (const QLayoutItem* item : items_) {
        if (!item->isEmpty()) {
            size = size.expandedTo(item->minimumSize());
        }
    }
    const QMargins m = contentsMargins();
    return size.grownBy(m);
}

void FlowLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    Arrange(rect, true);
}

int FlowLayout::Arrange(const QRect& rect, bool place) const {
    const QRect area = rect.marginsRemoved(contentsMargins());
    const int room = std::max(1, area.width());
    int top = area.top();
    std::size_t i = 0;
    bool first = true;
    while (i < items_.size()) {
        // One row: as many items as the width holds, at least one.
        std::vector<const QLayoutItem*> row;
        int used = 0;
        int height = 0;
        for (; i < items_.size(); ++i) {
            const QLayoutItem* item = items_[i];
            if (item->isEmpty()) {
                continue;
            }
            const QSize size = item->sizeHint().boundedTo(QSize(room, QWIDGETSIZE_MAX));
            const int next = used + (row.empty() ? 0 : across_) + size.width();
            if (!row.empty() && next > room) {
                break;
            }
            row.push_back(item);
            used = next;
            height = std::max(height, size.height());
        }
        if (row.empty()) {
            break;
        }
        if (!first) {
            top += down_;
        }
        first = false;
        if (place) {
            int left = area.left() + std::max(0, (room - used) / 2);
            for (const QLayoutItem* item : row) {
                const QSize size = item->sizeHint().boundedTo(QSize(room, QWIDGETSIZE_MAX));
                const_cast<QLayoutItem*>(item)->setGeometry(
                    QRect(QPoint(left, top + (height - size.height()) / 2), size));
                left += size.width() + across_;
            }
        }
        top += height;
    }
    return top - area.top() + contentsMargins().top() + contentsMargins().bottom();
}

} // namespace velmora

#include "sizing/ui/FittedParts.h"

#include "sizing/ui/SizeLimits.h"
#include "sizing/ui/ViewMarks.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <functional>

namespace velmora {

namespace {

// Calls back on every resize and showing of the widgets it watches.
class ShowAndResizeWatch : public QObject {
public:
    ShowAndResizeWatch(std::function<void(QObject*, QEvent::Type)> react, QObject* parent)
        : QObject(parent), react_(std::move(react)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Resize || event->type() == QEvent::Show ||
            event->type() == QEvent::LayoutRequest) {
            react_(watched, event->type());
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void(QObject*, QEvent::Type)> react_;
};

} // namespace

FittedParts::FittedParts(QWidget& window, QWidget& content, QScrollArea& scroll, SizeLimits& limits)
    : content_(&content), scroll_(&scroll), limits_(limits) {
    for (QWidget* widget : content.findChildren<QWidget*>()) {
        if (FitsInView(*widget)) {
            const auto* label = qobject_cast<QLabel*>(widget);
            parts_.push_back({widget, widget->parentWidget()->layout() == nullptr,
                              qobject_cast<QAbstractScrollArea*>(widget) != nullptr,
                              label != nullptr && label->wordWrap(), QRect()});
        }
    }
    if (parts_.empty()) {
        return;
    }
    // A part shown is fitted to the view as it is laid out, and brought into view.
    auto* watch = new ShowAndResizeWatch(
        [this](QObject* watched, QEvent::Type type) {
            FitAll();
            if (type == QEvent::Show && watched != scroll_->viewport() &&
                FitsInView(*static_cast<QWidget*>(watched))) {
                ShowPart(*static_cast<QWidget*>(watched));
            }
        },
        &window);
    scroll.viewport()->installEventFilter(watch);
    for (const Part& part : parts_) {
        part.widget->installEventFilter(watch);
        if (part.wraps && part.placed) {
            // A new text of a wrapping label asks its panel to lay it out again.
            part.widget->parentWidget()->installEventFilter(watch);
        }
    }
    watch_ = watch;
}

FittedParts::~FittedParts() {
    delete watch_;
}

void FittedParts::ForgetPlaces() {
    for (Part& part : parts_) {
        part.natural = QRect();
    }
    limits_.Grown(*content_, 0);
}

void FittedParts::Fit() {
    below_.clear();
    for (Part& part : parts_) {
        if (part.placed && part.widget != nullptr) {
            part.natural = part.widget->geometry();
        }
    }
    for (const Part& part : parts_) {
        if (!part.wraps || !part.placed || part.widget == nullptr) {
            continue;
        }
        for (QObject* child : part.widget->parentWidget()->children()) {
            auto* sibling = qobject_cast<QWidget*>(child);
            if (sibling != nullptr && !sibling->isWindow() && !FitsInView(*sibling) &&
                sibling->y() >= part.natural.bottom()) {
                below_.emplace_back(sibling, sibling->geometry());
            }
        }
        break; // one wrapping label a screen
    }
    FitAll();
}

void FittedParts::FitAll() {
    if (scroll_ == nullptr || content_ == nullptr) {
        return;
    }
    const int seenWidth = scroll_->viewport()->width();
    const int seenHeight = scroll_->viewport()->height();
    for (const Part& part : parts_) {
        QWidget* widget = part.widget;
        if (widget == nullptr || part.placed) {
            continue;
        }
        // As wide and as high as the view, less the room left of it and above
        // its cell again on the other side.
        const int left = widget->mapTo(content_, QPoint(0, 0)).x();
        const QWidget* parent = widget->parentWidget();
        const int top =
            parent->mapTo(content_, QPoint(0, 0)).y() + parent->layout()->contentsMargins().top();
        limits_.Room(*widget,
                     QSize(std::max(seenWidth - 2 * left, 0), std::max(seenHeight - 2 * top, 0)));
        // Narrowed while being shown, it lays out what it holds at once: its
        // layout misses that resize.
        QLayout* inner = widget->layout();
        if (widget->isVisible() && inner != nullptr &&
            (inner->geometry().width() > widget->contentsRect().width() ||
             inner->geometry().height() > widget->contentsRect().height())) {
            inner->setGeometry(widget->contentsRect());
        }
    }
    FitPlaced(seenWidth, seenHeight);
}

void FittedParts::Grow(const Part& part, QRect& place) {
    const int needed = part.widget->heightForWidth(place.width());
    const int grown = std::max(0, needed - part.natural.height());
    if (grown > 0) {
        place.setHeight(needed);
    }
    for (const auto& [widget, natural] : below_) {
        const QRect moved = natural.translated(0, grown);
        if (widget != nullptr && widget->geometry() != moved) {
            widget->setGeometry(moved);
        }
    }
    limits_.Grown(*content_, grown); // the content holds what moved down
}

void FittedParts::FitPlaced(int seenWidth, int seenHeight) {
    const Part* box = nullptr;
    int bottom = 0;
    for (const Part& part : parts_) {
        if (part.placed && part.widget != nullptr && part.natural.isValid()) {
            bottom = std::max(bottom, part.natural.y() + part.natural.height());
            if (part.text && box == nullptr) {
                box = &part;
            }
        }
    }
    // As far from the view's foot as the text box is from its top; the box
    // keeps a line at least (on the smallest views, the parts then fit only
    // once scrolled to).
    int shorter = 0;
    if (box != nullptr) {
        const int fewLines = box->widget->fontMetrics().lineSpacing() + 8 +
                             2 * static_cast<const QFrame*>(box->widget.data())->frameWidth();
        shorter = std::clamp(bottom - (seenHeight - box->natural.y()), 0,
                             std::max(0, box->natural.height() - fewLines));
    }
    for (const Part& part : parts_) {
        QWidget* widget = part.widget;
        if (!part.placed || widget == nullptr || !part.natural.isValid()) {
            continue;
        }
        // As far from the view's right edge as from its left.
        const int left = widget->parentWidget()->mapTo(content_, part.natural.topLeft()).x();
        QRect place = part.natural;
        place.setWidth(
            std::min(place.width(), std::max(seenWidth - 2 * left, widget->minimumWidth())));
        if (&part == box) {
            place.setHeight(place.height() - shorter);
        } else if (box != nullptr && place.y() >= box->natural.y() + box->natural.height() - 1) {
            place.translate(0, -shorter); // below the box: it moves up with the box's foot
        }
        if (part.wraps) {
            Grow(part, place);
        }
        if (place != widget->geometry()) {
            widget->setGeometry(place);
        }
    }
}

void FittedParts::ShowPart(QWidget& part) const {
    // Seen from the screen's left edge on, and, once laid out (a part in a
    // layout is placed after it is shown), its whole height.
    scroll_->horizontalScrollBar()->setValue(0);
    QTimer::singleShot(0, &part, [scroll = scroll_, shown = QPointer<QWidget>(&part)] {
        if (scroll == nullptr || shown == nullptr || !shown->isVisible()) {
            return;
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        // The part's whole height, its top first (a text box would otherwise
        // have only its text cursor brought into view).
        QScrollBar* bar = scroll->verticalScrollBar();
        const int top = shown->mapTo(scroll->widget(), QPoint(0, 0)).y();
        const int foot = top + shown->height() - scroll->viewport()->height();
        if (top < bar->value()) {
            bar->setValue(top);
        } else if (foot > bar->value()) {
            bar->setValue(std::min(top, foot));
        }
    });
}

} // namespace velmora

#include "sizing/ui/KeptParts.h"

#include "sizing/ui/FlowLayout.h"
#include "sizing/ui/SizeLimits.h"
#include "sizing/ui/ViewMarks.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QWidget>
#include <algorithm>

namespace velmora {

namespace {

// The layout, `layout` or one inside it, that holds `widget` as one of its own items.
QLayout* HoldingLayout(QLayout& layout, const QWidget* widget) {
    if (layout.indexOf(const_cast<QWidget*>(widget)) >= 0) {
        return &layout;
    }
    for (int i = 0; i < layout.count(); ++i) {
        if (QLayout* inner = layout.itemAt(i)->layout()) {
            if (QLayout* holding = HoldingLayout(*inner, widget)) {
                return holding;
            }
        }
    }
    return nullptr;
}

} // namespace

KeptParts::KeptParts(QWidget& window, QWidget& content, QWidget& panel, SizeLimits& limits)
    : window_(&window), panel_(&panel), limits_(limits) {
    auto* flow = new FlowLayout(&panel, 12, 4);
    flow->setContentsMargins(6, 4, 6, 4);
    std::vector<Part> found;
    for (QWidget* widget : content.findChildren<QWidget*>()) {
        const int group = KeptInViewGroup(*widget);
        if (group >= 0) {
            Part part;
            part.widget = widget;
            part.group = group;
            found.push_back(part);
        }
    }
    // The parts of a group stand together, where its first part stands.
    for (const Part& part : found) {
        const auto same = [&part](const Part& other) {
            return part.group != 0 && other.group == part.group;
        };
        if (std::any_of(parts_.begin(), parts_.end(), same)) {
            continue;
        }
        parts_.push_back(part);
        if (part.group != 0) {
            for (const Part& other : found) {
                if (other.widget != part.widget && other.group == part.group) {
                    parts_.push_back(other);
                }
            }
        }
    }
}

bool KeptParts::Kept() const {
    return !pieces_.empty();
}

void KeptParts::Leave(Part& part) {
    QWidget* widget = part.widget;
    part.parent = widget->parentWidget();
    part.hidden = widget->isHidden();
    part.geometry = widget->geometry();
    part.box = nullptr;
    part.grid = nullptr;
    QLayout* layout = part.parent != nullptr && part.parent->layout() != nullptr
                          ? HoldingLayout(*part.parent->layout(), widget)
                          : nullptr;
    if (layout == nullptr) {
        return;
    }
    const int index = layout->indexOf(widget);
    part.index = index;
    part.alignment = layout->itemAt(index)->alignment();
    if (auto* box = qobject_cast<QBoxLayout*>(layout)) {
        part.box = box;
        part.stretch = box->stretch(index);
    } else if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
        part.grid = grid;
        grid->getItemPosition(index, &part.row, &part.column, &part.rowSpan, &part.columnSpan);
    }
    layout->removeWidget(widget);
}

void KeptParts::Keep(int width) {
    if (parts_.empty()) {
        return;
    }
    Return();
    // The order of the tab key, which moving a part to another parent changes.
    tabOrder_.clear();
    for (QWidget* widget = window_->nextInFocusChain(); widget != nullptr && widget != window_;
         widget = widget->nextInFocusChain()) {
        tabOrder_.emplace_back(widget);
    }
    for (Part& part : parts_) {
        if (part.widget != nullptr) {
            Leave(part);
        }
    }
    // A group as one piece; a button or label as large as its text needs, any
    // other part as large as it is in the content.
    const QMargins margins = panel_->layout()->contentsMargins();
    const int room = std::max(1, width - margins.left() - margins.right());
    for (std::size_t i = 0; i < parts_.size();) {
        std::size_t end = i + 1;
        while (end < parts_.size() && parts_[i].group != 0 &&
               parts_[end].group == parts_[i].group) {
            ++end;
        }
        auto* piece = new QWidget(panel_);
        auto* pieceLayout = new QHBoxLayout(piece);
        pieceLayout->setContentsMargins(0, 0, 0, 0);
        for (std::size_t k = i; k < end; ++k) {
            QWidget* widget = parts_[k].widget;
            if (widget == nullptr) {
                continue;
            }
            const QSize size = widget->size();
            widget->setParent(piece);
            if (qobject_cast<QAbstractButton*>(widget) != nullptr ||
                qobject_cast<QLabel*>(widget) != nullptr) {
                limits_.Kept(*widget, widget->sizeHint().boundedTo(QSize(room, QWIDGETSIZE_MAX)),
                             QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
            } else {
                limits_.Kept(*widget, size, size);
            }
            pieceLayout->addWidget(widget);
            widget->setVisible(!parts_[k].hidden);
        }
        panel_->layout()->addWidget(piece);
        pieces_.emplace_back(piece);
        i = end;
    }
    panel_->show();
}

void KeptParts::Return() {
    if (pieces_.empty()) {
        return;
    }
    // Back in the reverse order of leaving, so that each finds its place as it was.
    for (auto it = parts_.rbegin(); it != parts_.rend(); ++it) {
        QWidget* widget = it->widget;
        if (widget == nullptr || it->parent == nullptr) {
            continue;
        }
        widget->setParent(it->parent);
        limits_.Returned(*widget);
        if (it->box != nullptr) {
            it->box->insertWidget(it->index, widget, it->stretch, it->alignment);
        } else if (it->grid != nullptr) {
            it->grid->addWidget(widget, it->row, it->column, it->rowSpan, it->columnSpan,
                                it->alignment);
        } else {
            widget->setGeometry(it->geometry);
        }
        widget->setVisible(!it->hidden);
    }
    for (const QPointer<QWidget>& piece : pieces_) {
        delete piece;
    }
    pieces_.clear();
    panel_->hide();
    QWidget* previous = nullptr;
    for (const QPointer<QWidget>& widget : tabOrder_) {
        if (widget != nullptr && window_->isAncestorOf(widget) &&
            widget->focusPolicy() != Qt::NoFocus) {
            if (previous != nullptr) {
                QWidget::setTabOrder(previous, widget);
            }
            previous = widget;
        }
    }
}

} // namespace velmora

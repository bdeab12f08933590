#include "sizing/ui/MenuRows.h"

#include <QAction>
#include <QBoxLayout>
#include <QEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <algorithm>

namespace velmora {

namespace {

// The bar's width with all its items in one row.
int FullWidth(const QMenuBar& bar) {
    return bar.sizeHint().width();
}

int VisibleCount(const QMenuBar& bar) {
    const QList<QAction*> actions = bar.actions();
    return static_cast<int>(
        std::count_if(actions.begin(), actions.end(), [](QAction* a) { return a->isVisible(); }));
}

} // namespace

MenuRows::MenuRows(QMainWindow& window, QBoxLayout& frame)
    : QObject(&window), window_(&window), watchedWindow_(&window), frame_(&frame) {
    window.installEventFilter(this);
}

QMenuBar* MenuRows::Bar() const {
    return window_ != nullptr ? qobject_cast<QMenuBar*>(window_->menuWidget()) : nullptr;
}

QMenuBar* MenuRows::Row(std::size_t index) {
    while (rows_.size() <= index) {
        auto* row = new QMenuBar(frame_->parentWidget());
        row->setObjectName(QStringLiteral("mnuRow%1").arg(rows_.size() + 2));
        row->setFont(Bar()->font());
        row->setNativeMenuBar(false);
        frame_->insertWidget(static_cast<int>(rows_.size()), row);
        rows_.emplace_back(row);
    }
    return rows_[index];
}

int MenuRows::Height() const {
    int height = 0;
    for (const QPointer<QMenuBar>& row : rows_) {
        if (row != nullptr && !row->isHidden()) {
            height += row->sizeHint().height();
        }
    }
    return height;
}

void MenuRows::Arrange(int width) {
    QMenuBar* bar = Bar();
    if (bar == nullptr || frame_ == nullptr || arranging_ || width <= 0) {
        return;
    }
    arranging_ = true;
    // Every item back in the window's own bar, in its order, then as many as
    // do not fit moved on to the next row, row after row.
    for (const QPointer<QMenuBar>& row : rows_) {
        if (row == nullptr) {
            continue;
        }
        const QList<QAction*> moved = row->actions();
        for (QAction* action : moved) {
            row->removeAction(action);
        }
        bar->addActions(moved);
    }
    QMenuBar* from = bar;
    for (std::size_t next = 0; FullWidth(*from) > width && VisibleCount(*from) > 1; ++next) {
        QList<QAction*> over;
        while (FullWidth(*from) > width && VisibleCount(*from) > 1) {
            QAction* last = from->actions().constLast();
            from->removeAction(last);
            over.prepend(last);
        }
        QMenuBar* row = Row(next);
        row->setFont(bar->font());
        row->addActions(over);
        from = row;
    }
    for (const QPointer<QMenuBar>& row : rows_) {
        if (row != nullptr) {
            row->setVisible(!row->actions().isEmpty());
        }
    }
    arranging_ = false;
}

bool MenuRows::eventFilter(QObject* watched, QEvent* event) {
    // The event's type first, and the window compared as a plain object: while
    // the window is being destroyed it is no longer a main window to cast to.
    if (event->type() == QEvent::Resize && watched == watchedWindow_ && window_ != nullptr) {
        Arrange(window_->width());
    }
    return QObject::eventFilter(watched, event);
}

} // namespace velmora

#include "sizing/ui/ScrolledWindow.h"

#include "screens/ui/ScreenWindow.h"
#include "sizing/ui/KeptParts.h"
#include "sizing/ui/MenuRows.h"
#include "sizing/ui/SizeLimits.h"
#include "sizing/ui/Sizes.h"

#include <QBoxLayout>
#include <QLayout>
#include <QMainWindow>
#include <QScrollArea>
#include <QScrollBar>
#include <QWidget>
#include <algorithm>

namespace velmora {

namespace {

int MenuHeight(const QMainWindow& window, int width) {
    const QWidget* menu = window.menuWidget();
    if (menu == nullptr || menu->isHidden()) {
        return 0;
    }
    const int height = menu->heightForWidth(width);
    return height > 0 ? height : menu->sizeHint().height();
}

} // namespace

ScrolledWindow::ScrolledWindow(QWidget& window, bool designed, SizeLimits& limits)
    : window_(&window), limits_(limits), designed_(designed), baseWindow_(window.size()) {
    WrapInScrollArea();
    QSize content = baseWindow_;
    if (const auto* main = qobject_cast<const QMainWindow*>(&window)) {
        content.rheight() -= MenuHeight(*main, content.width());
    }
    baseContent_ = content.expandedTo(content_->minimumSizeHint());
}

void ScrolledWindow::WrapInScrollArea() {
    QWidget& window = *window_;
    auto* scroll = new QScrollArea(&window);
    scroll->setObjectName(QStringLiteral("scrollScreen"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setWidgetResizable(true);
    auto* kept = new QWidget(&window);
    kept->setObjectName(QStringLiteral("pnlKeptInView"));
    kept->hide();
    keptPanel_ = kept;
    if (auto* main = qobject_cast<QMainWindow*>(&window)) {
        QWidget* central = main->takeCentralWidget();
        scroll->setWidget(central);
        auto* screen = new QWidget(&window);
        screen->setObjectName(QStringLiteral("pnlScreen"));
        auto* frame = new QVBoxLayout(screen);
        frame->setContentsMargins(0, 0, 0, 0);
        frame->setSpacing(0);
        frame->addWidget(scroll, 1);
        frame->addWidget(kept);
        main->setCentralWidget(screen);
        menuRows_ = new MenuRows(*main, *frame);
        content_ = central;
        scroll_ = scroll;
        return;
    }
    // A screen that lays out or places its controls itself: they move with
    // their layout into one panel (within the same window, so the tab order
    // stays). The layout goes first: it would let go of a control taken from
    // under it.
    auto* content = new QWidget(&window);
    content->setObjectName(QStringLiteral("pnlContent"));
    if (QLayout* layout = window.layout()) {
        content->setLayout(layout);
    }
    const QObjectList children = window.children();
    for (QObject* child : children) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget == nullptr || widget == content || widget == scroll || widget == kept ||
            widget->isWindow()) {
            continue;
        }
        const QRect place = widget->geometry();
        widget->setParent(content);
        widget->setGeometry(place);
    }
    auto* frame = new QVBoxLayout(&window);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->setSpacing(0);
    frame->addWidget(scroll, 1);
    frame->addWidget(kept);
    scroll->setWidget(content);
    content_ = content;
    scroll_ = scroll;
}

void ScrolledWindow::ScrollHome() const {
    if (scroll_ != nullptr) {
        scroll_->horizontalScrollBar()->setValue(0);
        scroll_->verticalScrollBar()->setValue(0);
    }
}

void ScrolledWindow::Size(double factor, KeptParts& kept) {
    QWidget& window = *window_;
    if (window.isMaximized() || window.isFullScreen()) {
        return;
    }
    const QSize unlimited(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    limits_.Measured(*content_, QSize(0, 0), unlimited);
    if (QLayout* layout = content_->layout()) {
        layout->invalidate();
    }
    QSize content = content_->minimumSizeHint().expandedTo(QSize(0, 0));
    if (designed_) {
        content = content.expandedTo(Scaled(baseContent_, factor));
    }
    limits_.Measured(*content_, content, unlimited);
    QSize size = Scaled(baseWindow_, factor).expandedTo(content);
    if (designed_) {
        size = content;
        if (const auto* main = qobject_cast<const QMainWindow*>(&window)) {
            size.rheight() += MenuHeight(*main, size.width());
        }
    }
    const QSize room = FreeRoom(window);
    if (menuRows_ != nullptr) {
        menuRows_->Arrange(std::min(size.width(), room.width()));
        size.rheight() += menuRows_->Height();
    }
    // Larger than the screen: the parts kept in view stand below the content,
    // which scrolls. Where the content fits it shows no scroll bar at all.
    const bool tooWide = size.width() > room.width();
    const bool tooHigh = size.height() > room.height();
    if (tooWide || tooHigh) {
        kept.Keep(std::min(size.width(), room.width()));
    } else {
        kept.Return();
    }
    if (kept.Kept()) {
        keptPanel_->layout()->activate();
        const int width = std::min(size.width(), room.width());
        const int height = keptPanel_->hasHeightForWidth() ? keptPanel_->heightForWidth(width)
                                                           : keptPanel_->sizeHint().height();
        size.rheight() += std::max(height, keptPanel_->sizeHint().height());
        size.setWidth(std::max(size.width(), keptPanel_->minimumSizeHint().width()));
    }
    const bool scrollsAcross = size.width() > room.width();
    const bool scrollsDown = size.height() > room.height();
    if (scrollsAcross) {
        size.rheight() += scroll_->horizontalScrollBar()->sizeHint().height();
    }
    if (scrollsDown) {
        size.rwidth() += scroll_->verticalScrollBar()->sizeHint().width();
    }
    scroll_->setHorizontalScrollBarPolicy(scrollsAcross || size.width() > room.width()
                                              ? Qt::ScrollBarAsNeeded
                                              : Qt::ScrollBarAlwaysOff);
    scroll_->setVerticalScrollBarPolicy(scrollsDown || size.height() > room.height()
                                            ? Qt::ScrollBarAsNeeded
                                            : Qt::ScrollBarAlwaysOff);
    // The window's least size follows what it holds now, not what it held
    // with parts kept in view.
    if (QLayout* layout = window.layout()) {
        layout->activate();
    }
    const QPoint centre = window.frameGeometry().center();
    window.resize(size.boundedTo(room));
    if (window.isVisible()) {
        // A shown window grows or shrinks about its centre, and stays on the screen.
        CentreAt(window, centre);
    }
}

} // namespace velmora

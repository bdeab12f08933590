#pragma once
// A window whose content scrolls, so that the window never has to be larger
// than the free area of the desktop: its content moves into a scroll area, with
// a panel below it for the parts kept in view (KeptParts), and the window takes
// the size that its content needs at the chosen size, or as much of it as the
// desktop holds. A main window's menu bar wraps into rows (MenuRows).

#include <QPointer>
#include <QScrollArea>
#include <QSize>

class QWidget;

namespace velmora {

class KeptParts;
class MenuRows;
class SizeLimits;

class ScrolledWindow {
public:
    // Moves `window`'s content into a scroll area that fills the window, and
    // records the window's size as it is now, at 100 %. A `designed` window's
    // content keeps its designed size (times the factor); any other's follows
    // the window, down to what its layout needs.
    ScrolledWindow(QWidget& window, bool designed, SizeLimits& limits);

    QWidget* Window() const { return window_; }
    QWidget* Content() const { return content_; }
    QScrollArea* Scroll() const { return scroll_; }
    QWidget* KeptPanel() const { return keptPanel_; }

    // Sizes the window for `factor`, its measures already applied; a window
    // larger than the free area of its screen keeps `kept` in view and scrolls.
    void Size(double factor, KeptParts& kept);

    // Shows the content from its top left corner.
    void ScrollHome() const;

private:
    void WrapInScrollArea();

    QPointer<QWidget> window_;
    QPointer<QWidget> content_;
    QPointer<QScrollArea> scroll_;
    QPointer<QWidget> keptPanel_; // below the scroll area
    QPointer<MenuRows> menuRows_; // a main window's menu bar in rows
    SizeLimits& limits_;
    bool designed_ = false;
    QSize baseWindow_;
    QSize baseContent_;
};

} // namespace velmora

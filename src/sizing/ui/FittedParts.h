#pragma once
// The parts of a window fitted in view (FitsInView): never larger than what is
// seen of the window's scrolling content. A part in a layout narrows and
// shortens to the room in view (SizeLimits decides its largest size); parts
// placed by hand are narrowed, and the text box among them shortened, from
// their places at the chosen size; a placed label that wraps takes the lines
// its text needs at the width it narrows to, and what is placed below it moves
// down as far. A part shown is scrolled into view.

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QScrollArea>
#include <QSize>
#include <utility>
#include <vector>

class QWidget;

namespace velmora {

class SizeLimits;

class FittedParts {
public:
    FittedParts(QWidget& window, QWidget& content, QScrollArea& scroll, SizeLimits& limits);
    ~FittedParts();
    FittedParts(const FittedParts&) = delete;
    FittedParts& operator=(const FittedParts&) = delete;

    // Before the window is measured anew: the places of the placed parts are
    // not known until the controls are placed again.
    void ForgetPlaces();
    // Once the controls are placed at the chosen size (`factor`): takes their
    // places, and fits every part.
    void Fit();

private:
    struct Part {
        QPointer<QWidget> widget;
        bool placed = false;
        bool text = false;  // a text box: what shortens when the placed parts are too tall
        bool wraps = false; // a label that wraps: it grows to its text's lines when narrowed
        QRect natural;      // a placed part, as the measures placed it; invalid until then
    };
    void FitAll();
    // The placed parts, each narrowed to the width in view, and shortened
    // together: the text box among them gives up what they are taller than the
    // view, and the parts below it move up.
    void FitPlaced(int seenWidth, int seenHeight);
    // Makes `place` of the wrapping label `part` as high as its text needs, and
    // moves what stands below it down as far.
    void Grow(const Part& part, QRect& place);
    // Scrolls the view to a fitted part that was just shown.
    void ShowPart(QWidget& part) const;

    QPointer<QWidget> content_;
    QPointer<QScrollArea> scroll_;
    SizeLimits& limits_;
    std::vector<Part> parts_;
    // Below the wrapping label: the controls placed there, at their places
    // before it grew.
    std::vector<std::pair<QPointer<QWidget>, QRect>> below_;
    QPointer<QObject> watch_; // fits the parts again as the view or a part changes
};

} // namespace velmora

#pragma once
// What a screen says about its parts for a size at which it is larger than the
// desktop: the parts that stay in view, and the parts that fit in what is seen.

class QWidget;

namespace velmora {

// Marks `part` of a screen as one that stays in view: when the screen at the
// chosen size is larger than the desktop, it stands below the content that
// scrolls instead of scrolling with it. Parts marked with the same `group`
// stand together, in the order marked; a part without a group stands alone.
// A push button needs no mark: every one stays in view (KeptInViewGroup).
void KeepInView(QWidget& part, int group = 0);

// The group `part` was marked with, 0 for one standing alone; -1 when it is
// not kept in view. A push button of the screen that is not marked stands
// alone, unless it belongs to a part fitted in view (FitInView), which shows
// its own buttons within what is seen, or to a part kept in view, which
// takes it along.
int KeptInViewGroup(const QWidget& part);

// Marks `part` of a screen (a help text over the screen, or its button) as one
// that is never larger than what is seen of the screen: when the screen at the
// chosen size is larger than the desktop and scrolls, the part narrows to the
// width in view, as far from its right edge as from its left, so that its
// lines wrap where they can be read; a text box shortens to the height in view
// with its button still below it; and a part shown is scrolled into view.
void FitInView(QWidget& part);
bool FitsInView(const QWidget& part);

} // namespace velmora

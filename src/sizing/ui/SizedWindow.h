#pragma once
// One window that follows the chosen size, through the four jobs that make
// it: its content scrolls within a window no larger than the desktop
// (ScrolledWindow), its measures follow the size (WindowMeasures), the parts
// kept in view stand below the content when it scrolls (KeptParts) and the
// parts fitted in view fit what is seen of it (FittedParts). SizeLimits
// decides the sizes that these jobs ask for.

#include "sizing/ui/FittedParts.h"
#include "sizing/ui/KeptParts.h"
#include "sizing/ui/ScrolledWindow.h"
#include "sizing/ui/SizeLimits.h"
#include "sizing/ui/WindowMeasures.h"

class QWidget;

namespace velmora {

class SizedWindow {
public:
    // Takes `window` in as it is now, at 100 % (see ScrolledWindow for `designed`).
    SizedWindow(QWidget& window, bool designed);

    QWidget* Window() const { return scrolled_.Window(); }

    // Shows the window at `factor` times its recorded measures; a window
    // larger than the free area of its screen is made to fit.
    void Apply(double factor);

    // Shows the window's content from its top left corner, as the window opens.
    void ScrollHome() const { scrolled_.ScrollHome(); }

private:
    SizeLimits limits_;
    ScrolledWindow scrolled_;
    WindowMeasures measures_;
    KeptParts kept_;
    FittedParts fitted_;
};

} // namespace velmora

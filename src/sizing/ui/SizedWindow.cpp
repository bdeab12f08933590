#include "sizing/ui/SizedWindow.h"

#include <QWidget>

namespace velmora {

SizedWindow::SizedWindow(QWidget& window, bool designed)
    : scrolled_(window, designed, limits_), measures_(window, *scrolled_.Content(), limits_),
      kept_(window, *scrolled_.Content(), *scrolled_.KeptPanel(), limits_),
      fitted_(window, *scrolled_.Content(), *scrolled_.Scroll(), limits_) {}

void SizedWindow::Apply(double factor) {
    if (Window() == nullptr) {
        return;
    }
    // Measured and sized with every part in its place; whether parts must be
    // kept in view is decided anew for the new size.
    kept_.Return();
    fitted_.ForgetPlaces();
    measures_.Apply(factor);
    scrolled_.Size(factor, kept_);
    fitted_.Fit();
}

} // namespace velmora

#pragma once
// The program's style: the style the desktop chose, with the parts that a
// larger size must enlarge besides the text (the circles of radio buttons,
// the boxes of check marks, the width of scroll bars) made that many times
// larger. It is installed once, as the application's style, so that every
// window and dialog takes it; Zoom gives it the chosen size.

#include <QProxyStyle>

namespace velmora {

class SizedStyle : public QProxyStyle {
    Q_OBJECT

public:
    // Over `base`, which it takes.
    explicit SizedStyle(QStyle* base);

    double Factor() const { return factor_; }
    // The parts' sizes are `factor` times their own from now on; windows that
    // are shown take the change when their style changes (see Zoom).
    void SetFactor(double factor) { factor_ = factor; }

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;

private:
    double factor_ = 1.0;
};

// The application's style, a SizedStyle: installed over the style in use the
// first time, the same one after. QApplication owns it.
SizedStyle& InstallSizedStyle();

} // namespace velmora

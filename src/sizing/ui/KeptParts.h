#pragma once
// The parts of a window that stay in view when the window at the chosen size
// is larger than the desktop: they leave the content that scrolls for a panel
// below it, laid out in centred rows (FlowLayout), and go back to their places
// when the window fits again. Which parts they are, the marks say
// (KeptInViewGroup): every push button, and what a screen marks.

#include <QLayout>
#include <QPointer>
#include <QRect>
#include <vector>

class QBoxLayout;
class QGridLayout;
class QWidget;

namespace velmora {

class SizeLimits;

class KeptParts {
public:
    // The parts that `content` holds now; `panel` (below the content, hidden
    // while nothing is kept) is where they go.
    KeptParts(QWidget& window, QWidget& content, QWidget& panel, SizeLimits& limits);

    // Moves the parts into the panel, for a window `width` wide; and back.
    void Keep(int width);
    void Return();
    bool Kept() const;

private:
    // A part, and where it stands in the content.
    struct Part {
        QPointer<QWidget> widget;
        int group = 0;
        QPointer<QWidget> parent;
        QPointer<QBoxLayout> box;
        QPointer<QGridLayout> grid;
        int index = 0;
        int stretch = 0;
        int row = 0;
        int column = 0;
        int rowSpan = 1;
        int columnSpan = 1;
        Qt::Alignment alignment;
        QRect geometry;
        bool hidden = false;
    };
    void Leave(Part& part);

    QPointer<QWidget> window_;
    QPointer<QWidget> panel_;
    SizeLimits& limits_;
    std::vector<Part> parts_;
    std::vector<QPointer<QWidget>> pieces_;   // in the panel while parts are kept there
    std::vector<QPointer<QWidget>> tabOrder_; // as it was before parts were kept in view
};

} // namespace velmora

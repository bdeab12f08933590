#pragma once
// What a window measured at 100 %, and the same measures at another size:
// every font, the places and sizes of its controls, its layouts' margins and
// spacing, its tables' column widths and row heights. The least and largest
// sizes it works out go to SizeLimits, which decides them.

#include <QFont>
#include <QMargins>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <vector>

class QLayout;
class QTableView;
class QWidget;

namespace velmora {

class SizeLimits;

class WindowMeasures {
public:
    // Records `window` and the controls that `content` holds, as they are now.
    WindowMeasures(QWidget& window, QWidget& content, SizeLimits& limits);

    // Gives every recorded font, layout, table and control `factor` times its
    // measures.
    void Apply(double factor);

private:
    struct FontBase {
        QPointer<QWidget> widget;
        QFont font;
    };
    struct ControlBase {
        QPointer<QWidget> widget;
        QSize minimum;
        QSize maximum;
        QRect geometry;
        QSize hint; // a laid-out button's or label's own size, kept in proportion when larger
        bool placed = false;      // placed by hand (its parent has no layout)
        bool sizesItself = false; // a table as large as its cells, which follows them itself
        QSize chrome;             // the frame: it keeps its width
    };
    struct SpacerBase {
        int index = 0;
        QSize size;
    };
    struct LayoutBase {
        QPointer<QLayout> layout;
        QMargins margins;
        int spacing = -1;
        int horizontalSpacing = -1;
        int verticalSpacing = -1;
        std::vector<SpacerBase> spacers;
        std::vector<int> rowMinimums;
        std::vector<int> columnMinimums;
    };
    struct ViewBase {
        QPointer<QTableView> view;
        std::vector<int> columns; // -1: hidden when recorded, left alone
        std::vector<int> rows;
        int defaultRow = 0;
    };

    void RecordContainer(QWidget& container);
    void RecordLayout(QLayout& layout);
    void RecordControl(QWidget& control, bool placed);
    void RecordViews(QWidget& window);
    void ApplyFonts(double factor);
    void ApplyLayouts(double factor) const;
    void ApplyViews(double factor) const;
    void ApplyControls(double factor) const;

    SizeLimits& limits_;
    bool fontsScaled_ = false;
    std::vector<FontBase> fonts_;
    std::vector<ControlBase> controls_;
    std::vector<LayoutBase> layouts_;
    std::vector<ViewBase> views_;
};

} // namespace velmora

#pragma once
// One window that follows the chosen size: what it measured at 100 % (every
// font, the places and sizes of its controls, its layouts' margins and spacing,
// its grids' column widths and row heights), and how to show it at another
// size. Its content moves into a scroll area, so that the window never has to
// be larger than the screen: it shows scroll bars instead, and the parts kept
// in view (KeepInView) then stand below the scroll area, always seen, while
// the parts fitted in view (FitInView) narrow to the width seen, shorten
// to the height seen, and are scrolled to when shown.

#include <QFont>
#include <QMargins>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <vector>

class QBoxLayout;
class QGridLayout;
class QLayout;
class QScrollArea;
class QTableView;
class QWidget;

namespace velmora {

// `font` at `factor` times its size; a size in pixels is rounded down, so that
// a text fitted to its place at 100 % still fits.
QFont ScaledFont(const QFont& font, double factor);

class ScaledWindow {
public:
    // Records `window` as it is now, at 100 %, once its content has moved into
    // a scroll area that fills the window. A `designed` window's content keeps
    // its designed size (times the factor); any other's follows the window,
    // down to what its layout needs.
    ScaledWindow(QWidget& window, bool designed);
    ~ScaledWindow();
    ScaledWindow(const ScaledWindow&) = delete;
    ScaledWindow& operator=(const ScaledWindow&) = delete;

    QWidget* Window() const { return window_; }
    // The widget that holds the window's controls, inside the scroll area.
    QWidget* Content() const { return content_; }

    // Shows the window at `factor` times its recorded measures; a window
    // larger than the free area of its screen is made to fit.
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
        bool placed = false;       // placed by hand (its parent has no layout)
        bool sizedToCells = false; // a grid exactly as large as its cells
        QSize chrome;              // the frame: it keeps its width
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
    // A part kept in view, and where it stands in the content.
    struct KeptPart {
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
        QSize minimum;
        QSize maximum;
        bool hidden = false;
    };
    // A part that narrows to the width in view and shortens to the height in
    // view. A part placed by hand is fitted from its place at the chosen size;
    // a part in a layout from its largest size at 100 %.
    struct FittedPart {
        QPointer<QWidget> widget;
        bool placed = false;
        bool text = false; // a text box: what shortens when the placed parts are too tall
        QSize largest;     // a part in a layout
        QRect natural;     // a placed part, as ApplyControls placed it; invalid until then
    };
    struct ViewBase {
        QPointer<QTableView> view;
        std::vector<int> columns; // -1: hidden when recorded, left alone
        std::vector<int> rows;
        int defaultRow = 0;
    };

    void WrapInScrollArea();
    void RecordContainer(QWidget& container);
    void RecordLayout(QLayout& layout);
    void RecordControl(QWidget& control, bool placed);
    void RecordViews();
    void ApplyFonts(double factor);
    void ApplyLayouts(double factor) const;
    void ApplyViews(double factor) const;
    void ApplyControls(double factor) const;
    void ApplyWindowSize(double factor);
    void RecordKeptParts();
    // Moves the parts kept in view out of the content into rows below it, as
    // many in a row as `width` holds; and back.
    void KeepPartsInView(int width);
    void ReturnKeptParts();
    void RecordFittedParts();
    void FitPartsInView() const;
    // The placed parts, each narrowed to the width in view, and shortened
    // together: the text box among them gives up what they are taller than the
    // view, and the parts below it move up.
    void FitPlacedParts(int seenWidth, int seenHeight) const;
    // Scrolls the view to a fitted part that was just shown.
    void ShowFittedPart(QWidget& part) const;

    QPointer<QWidget> window_;
    QPointer<QWidget> content_;
    QPointer<QScrollArea> scroll_;
    bool designed_ = false;
    double factor_ = 1.0;
    QSize baseWindow_;
    QSize baseContent_;
    bool fontsScaled_ = false;
    std::vector<FontBase> fonts_;
    std::vector<ControlBase> controls_;
    std::vector<LayoutBase> layouts_;
    std::vector<ViewBase> views_;
    std::vector<KeptPart> kept_;
    QPointer<QWidget> keptPanel_;             // below the scroll area
    QPointer<QWidget> keptRows_;              // inside it while parts are kept there
    std::vector<QPointer<QWidget>> tabOrder_; // as it was before parts were kept in view
    std::vector<FittedPart> fitted_;
    QPointer<QObject> fitWatch_; // fits the parts again as the view or a part changes
};

} // namespace velmora

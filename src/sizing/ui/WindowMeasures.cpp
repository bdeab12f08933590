#include "sizing/ui/WindowMeasures.h"

#include "sizing/ui/ScaledFont.h"
#include "sizing/ui/SizeLimits.h"
#include "sizing/ui/Sizes.h"

#include <QAbstractButton>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QTableView>
#include <QWidget>
#include <cmath>

namespace velmora {

namespace {

// A length of which `chrome` (a frame) keeps its size; no limit and
// no length stay as they are.
int ScaledLength(int length, int chrome, double factor) {
    if (length <= chrome || length >= QWIDGETSIZE_MAX) {
        return length;
    }
    return chrome + Scaled(length - chrome, factor);
}

QSize ScaledSize(QSize size, QSize chrome, double factor) {
    return {ScaledLength(size.width(), chrome.width(), factor),
            ScaledLength(size.height(), chrome.height(), factor)};
}

// Plain panels whose children are the screen's controls; a grid, a text box or
// a button has children of its own that it places itself.
bool IsContainer(const QWidget& widget) {
    const QMetaObject* type = widget.metaObject();
    return type == &QWidget::staticMetaObject || type == &QFrame::staticMetaObject ||
           type == &QGroupBox::staticMetaObject;
}

// A frame keeps its width at every size; a scroll bar grows with the size
// (SizedStyle), as what it scrolls does.
QSize Chrome(const QWidget& widget) {
    if (const auto* frame = qobject_cast<const QFrame*>(&widget)) {
        return {2 * frame->frameWidth(), 2 * frame->frameWidth()};
    }
    return {0, 0};
}

// A table made exactly as large as its cells, without scroll bars: it follows
// its cells itself as their sizes change.
bool SizesItself(const QWidget& widget) {
    const auto* view = qobject_cast<const QAbstractItemView*>(&widget);
    return view != nullptr && view->minimumSize() == view->maximumSize() &&
           view->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOff &&
           view->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOff;
}

// Sections scaled so that every run of them scales as a whole: the grid's
// width stays the sum of its columns.
void ScaleSections(QHeaderView& header, const std::vector<int>& sizes, double factor) {
    double end = 0;
    int placed = 0;
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        if (sizes[i] < 0) {
            continue;
        }
        end += sizes[i];
        const int next = Scaled(static_cast<int>(std::lround(end)), factor);
        header.resizeSection(static_cast<int>(i), next - placed);
        placed = next;
    }
}

} // namespace

WindowMeasures::WindowMeasures(QWidget& window, QWidget& content, SizeLimits& limits)
    : limits_(limits) {
    RecordContainer(content);
    fonts_.push_back({&window, window.font()});
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        fonts_.push_back({widget, widget->font()});
    }
    RecordViews(window);
}

void WindowMeasures::RecordContainer(QWidget& container) {
    if (QLayout* layout = container.layout()) {
        RecordLayout(*layout);
    }
    const bool placed = container.layout() == nullptr;
    for (QObject* child : container.children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget == nullptr || widget->isWindow()) {
            continue;
        }
        RecordControl(*widget, placed);
        if (IsContainer(*widget)) {
            RecordContainer(*widget);
        }
    }
}

void WindowMeasures::RecordLayout(QLayout& layout) {
    LayoutBase base;
    base.layout = &layout;
    base.margins = layout.contentsMargins();
    if (auto* grid = qobject_cast<QGridLayout*>(&layout)) {
        base.horizontalSpacing = grid->horizontalSpacing();
        base.verticalSpacing = grid->verticalSpacing();
        for (int row = 0; row < grid->rowCount(); ++row) {
            base.rowMinimums.push_back(grid->rowMinimumHeight(row));
        }
        for (int col = 0; col < grid->columnCount(); ++col) {
            base.columnMinimums.push_back(grid->columnMinimumWidth(col));
        }
    } else {
        base.spacing = layout.spacing();
    }
    for (int i = 0; i < layout.count(); ++i) {
        QLayoutItem* item = layout.itemAt(i);
        if (QSpacerItem* spacer = item->spacerItem()) {
            if (!spacer->sizeHint().isNull()) {
                base.spacers.push_back({i, spacer->sizeHint()});
            }
        } else if (QLayout* inner = item->layout()) {
            RecordLayout(*inner);
        }
    }
    layouts_.push_back(std::move(base));
}

void WindowMeasures::RecordControl(QWidget& control, bool placed) {
    ControlBase base;
    base.widget = &control;
    base.minimum = control.minimumSize();
    base.maximum = control.maximumSize();
    base.geometry = control.geometry();
    base.placed = placed;
    // The style's margins keep their size; the layout keeps the button's
    // proportions when it is larger.
    if (!placed &&
        (qobject_cast<QAbstractButton*>(&control) != nullptr || qobject_cast<QLabel*>(&control))) {
        base.hint = control.sizeHint();
    }
    base.sizesItself = SizesItself(control);
    base.chrome = Chrome(control);
    controls_.push_back(base);
}

void WindowMeasures::RecordViews(QWidget& window) {
    for (QTableView* view : window.findChildren<QTableView*>()) {
        // A view inside a grid (its frozen title rows) follows that grid.
        if (qobject_cast<QAbstractItemView*>(view->parentWidget()) != nullptr) {
            continue;
        }
        ViewBase base;
        base.view = view;
        for (int col = 0; col < view->horizontalHeader()->count(); ++col) {
            base.columns.push_back(view->isColumnHidden(col) ? -1 : view->columnWidth(col));
        }
        for (int row = 0; row < view->verticalHeader()->count(); ++row) {
            base.rows.push_back(view->isRowHidden(row) ? -1 : view->rowHeight(row));
        }
        base.defaultRow = view->verticalHeader()->defaultSectionSize();
        views_.push_back(std::move(base));
    }
}

void WindowMeasures::Apply(double factor) {
    ApplyFonts(factor);
    ApplyLayouts(factor);
    ApplyViews(factor);
    ApplyControls(factor);
}

void WindowMeasures::ApplyFonts(double factor) {
    if (factor == 1.0 && !fontsScaled_) {
        return; // as made: nothing to undo
    }
    for (const FontBase& base : fonts_) {
        if (base.widget != nullptr) {
            base.widget->setFont(ScaledFont(base.font, factor));
        }
    }
    fontsScaled_ = true;
}

void WindowMeasures::ApplyLayouts(double factor) const {
    for (const LayoutBase& base : layouts_) {
        QLayout* layout = base.layout;
        if (layout == nullptr) {
            continue;
        }
        const QMargins& m = base.margins;
        layout->setContentsMargins(Scaled(m.left(), factor), Scaled(m.top(), factor),
                                   Scaled(m.right(), factor), Scaled(m.bottom(), factor));
        if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
            grid->setHorizontalSpacing(Scaled(base.horizontalSpacing, factor));
            grid->setVerticalSpacing(Scaled(base.verticalSpacing, factor));
            for (std::size_t row = 0; row < base.rowMinimums.size(); ++row) {
                grid->setRowMinimumHeight(static_cast<int>(row),
                                          Scaled(base.rowMinimums[row], factor));
            }
            for (std::size_t col = 0; col < base.columnMinimums.size(); ++col) {
                grid->setColumnMinimumWidth(static_cast<int>(col),
                                            Scaled(base.columnMinimums[col], factor));
            }
        } else if (base.spacing >= 0) {
            layout->setSpacing(Scaled(base.spacing, factor));
        }
        for (const SpacerBase& spacer : base.spacers) {
            QLayoutItem* item = layout->itemAt(spacer.index);
            if (QSpacerItem* space = item != nullptr ? item->spacerItem() : nullptr) {
                const QSize size = Scaled(spacer.size, factor);
                space->changeSize(size.width(), size.height(),
                                  space->sizePolicy().horizontalPolicy(),
                                  space->sizePolicy().verticalPolicy());
            }
        }
        layout->invalidate();
    }
}

void WindowMeasures::ApplyViews(double factor) const {
    for (const ViewBase& base : views_) {
        QTableView* view = base.view;
        if (view == nullptr) {
            continue;
        }
        // The default first: setting it resizes every row.
        view->verticalHeader()->setDefaultSectionSize(Scaled(base.defaultRow, factor));
        ScaleSections(*view->horizontalHeader(), base.columns, factor);
        ScaleSections(*view->verticalHeader(), base.rows, factor);
    }
}

void WindowMeasures::ApplyControls(double factor) const {
    for (const ControlBase& base : controls_) {
        QWidget* widget = base.widget;
        if (widget == nullptr) {
            continue;
        }
        const QPoint place(Scaled(base.geometry.x(), factor), Scaled(base.geometry.y(), factor));
        if (base.sizesItself) {
            if (base.placed) {
                widget->move(place);
            }
            continue;
        }
        QSize minimum = ScaledSize(base.minimum, base.chrome, factor);
        if (factor > 1.0 && base.hint.isValid()) {
            minimum = minimum.expandedTo(
                Scaled(base.hint, factor).boundedTo(ScaledSize(base.maximum, base.chrome, factor)));
        }
        limits_.Measured(*widget, minimum, ScaledSize(base.maximum, base.chrome, factor));
        if (base.placed) {
            QSize size = ScaledSize(base.geometry.size(), base.chrome, factor);
            // A label keeps room for its whole text, which may come out a pixel
            // wider; one that wraps takes more lines instead (FittedParts).
            const auto* label = qobject_cast<QLabel*>(widget);
            if (label != nullptr && !label->wordWrap() && base.minimum != base.maximum) {
                size = size.expandedTo(widget->sizeHint());
            }
            widget->setGeometry(QRect(place, size));
        }
    }
}

} // namespace velmora

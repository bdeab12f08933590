#include "app/ui/ScaledWindow.h"

#include "grid/ui/StringGrid.h"
#include "screens/ui/ScreenWindow.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <functional>

namespace velmora {

namespace {

int Scaled(int length, double factor) {
    return static_cast<int>(std::lround(length * factor));
}

QSize Scaled(QSize size, double factor) {
    return {Scaled(size.width(), factor), Scaled(size.height(), factor)};
}

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

bool IsSizedToCells(const QWidget& widget) {
    const auto* grid = qobject_cast<const StringGrid*>(&widget);
    return grid != nullptr && grid->minimumSize() == grid->maximumSize() &&
           grid->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOff &&
           grid->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOff;
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

// The layout, `layout` or one inside it, that holds `widget` as one of its own items.
QLayout* HoldingLayout(QLayout& layout, const QWidget* widget) {
    if (layout.indexOf(const_cast<QWidget*>(widget)) >= 0) {
        return &layout;
    }
    for (int i = 0; i < layout.count(); ++i) {
        if (QLayout* inner = layout.itemAt(i)->layout()) {
            if (QLayout* holding = HoldingLayout(*inner, widget)) {
                return holding;
            }
        }
    }
    return nullptr;
}

// Calls back on every resize and showing of the widgets it watches.
class ShowAndResizeWatch : public QObject {
public:
    ShowAndResizeWatch(std::function<void(QObject*, QEvent::Type)> react, QObject* parent)
        : QObject(parent), react_(std::move(react)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Resize || event->type() == QEvent::Show) {
            react_(watched, event->type());
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void(QObject*, QEvent::Type)> react_;
};

int MenuHeight(const QMainWindow& window, int width) {
    const QWidget* menu = window.menuWidget();
    if (menu == nullptr || menu->isHidden()) {
        return 0;
    }
    const int height = menu->heightForWidth(width);
    return height > 0 ? height : menu->sizeHint().height();
}

} // namespace

QFont ScaledFont(const QFont& font, double factor) {
    QFont scaled = font;
    if (font.pixelSize() > 0) {
        scaled.setPixelSize(
            std::max(1, static_cast<int>(std::floor(font.pixelSize() * factor + 1e-6))));
    } else if (font.pointSizeF() > 0) {
        scaled.setPointSizeF(font.pointSizeF() * factor);
    }
    return scaled;
}

ScaledWindow::ScaledWindow(QWidget& window, bool designed)
    : window_(&window), designed_(designed), baseWindow_(window.size()) {
    WrapInScrollArea();
    QSize content = baseWindow_;
    if (const auto* main = qobject_cast<const QMainWindow*>(&window)) {
        content.rheight() -= MenuHeight(*main, content.width());
    }
    baseContent_ = content.expandedTo(content_->minimumSizeHint());
    RecordContainer(*content_);
    fonts_.push_back({&window, window.font()});
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        fonts_.push_back({widget, widget->font()});
    }
    RecordViews();
    RecordKeptParts();
    RecordFittedParts();
}

ScaledWindow::~ScaledWindow() {
    delete fitWatch_;
}

void ScaledWindow::RecordFittedParts() {
    for (QWidget* widget : content_->findChildren<QWidget*>()) {
        if (FitsInView(*widget)) {
            fitted_.push_back({widget, widget->parentWidget()->layout() == nullptr,
                               qobject_cast<QAbstractScrollArea*>(widget) != nullptr,
                               widget->maximumSize(), QRect()});
        }
    }
    if (fitted_.empty()) {
        return;
    }
    // A part shown is fitted to the view as it is laid out, and brought into view.
    auto* watch = new ShowAndResizeWatch(
        [this](QObject* watched, QEvent::Type type) {
            FitPartsInView();
            if (type == QEvent::Show && watched != scroll_->viewport()) {
                ShowFittedPart(*static_cast<QWidget*>(watched));
            }
        },
        window_);
    scroll_->viewport()->installEventFilter(watch);
    for (const FittedPart& part : fitted_) {
        part.widget->installEventFilter(watch);
    }
    fitWatch_ = watch;
}

void ScaledWindow::FitPartsInView() const {
    const int seenWidth = scroll_->viewport()->width();
    const int seenHeight = scroll_->viewport()->height();
    // At most `room`, and at most `largest` (a size at 100 %) at the chosen size.
    const auto fitted = [this](int largest, int room) {
        return largest >= QWIDGETSIZE_MAX ? room : std::min(Scaled(largest, factor_), room);
    };
    for (const FittedPart& part : fitted_) {
        QWidget* widget = part.widget;
        if (widget == nullptr || part.placed) {
            continue;
        }
        // As wide and as high as the view, less the room left of it and above
        // its cell again on the other side.
        const int left = widget->mapTo(content_, QPoint(0, 0)).x();
        const QWidget* parent = widget->parentWidget();
        const int top =
            parent->mapTo(content_, QPoint(0, 0)).y() + parent->layout()->contentsMargins().top();
        const int widest =
            fitted(part.largest.width(), std::max(seenWidth - 2 * left, widget->minimumWidth()));
        const int highest =
            fitted(part.largest.height(), std::max(seenHeight - 2 * top, widget->minimumHeight()));
        if (widest != widget->maximumWidth() || highest != widget->maximumHeight()) {
            widget->setMaximumSize(widest, highest);
        }
        // Narrowed while being shown, it lays out what it holds at once: its
        // layout misses that resize.
        QLayout* inner = widget->layout();
        if (widget->isVisible() && inner != nullptr &&
            (inner->geometry().width() > widget->contentsRect().width() ||
             inner->geometry().height() > widget->contentsRect().height())) {
            inner->setGeometry(widget->contentsRect());
        }
    }
    FitPlacedParts(seenWidth, seenHeight);
}

void ScaledWindow::FitPlacedParts(int seenWidth, int seenHeight) const {
    const FittedPart* box = nullptr;
    int bottom = 0;
    for (const FittedPart& part : fitted_) {
        if (part.placed && part.widget != nullptr && part.natural.isValid()) {
            bottom = std::max(bottom, part.natural.y() + part.natural.height());
            if (part.text && box == nullptr) {
                box = &part;
            }
        }
    }
    // As far from the view's foot as the text box is from its top; the box
    // keeps two lines at least (on the smallest views, the parts then fit
    // only once scrolled to).
    int shorter = 0;
    if (box != nullptr) {
        const int fewLines = 2 * box->widget->fontMetrics().lineSpacing();
        shorter = std::clamp(bottom - (seenHeight - box->natural.y()), 0,
                             std::max(0, box->natural.height() - fewLines));
    }
    for (const FittedPart& part : fitted_) {
        QWidget* widget = part.widget;
        if (!part.placed || widget == nullptr || !part.natural.isValid()) {
            continue;
        }
        // As far from the view's right edge as from its left.
        const int left = widget->parentWidget()->mapTo(content_, part.natural.topLeft()).x();
        QRect place = part.natural;
        place.setWidth(
            std::min(place.width(), std::max(seenWidth - 2 * left, widget->minimumWidth())));
        if (&part == box) {
            place.setHeight(place.height() - shorter);
        } else if (box != nullptr && place.y() >= box->natural.y() + box->natural.height() - 1) {
            place.translate(0, -shorter); // below the box: it moves up with the box's foot
        }
        if (place != widget->geometry()) {
            widget->setGeometry(place);
        }
    }
}

void ScaledWindow::ShowFittedPart(QWidget& part) const {
    // Seen from the screen's left edge on, and, once laid out (a part in a
    // layout is placed after it is shown), its whole height.
    scroll_->horizontalScrollBar()->setValue(0);
    QTimer::singleShot(0, &part, [scroll = scroll_, shown = QPointer<QWidget>(&part)] {
        if (scroll == nullptr || shown == nullptr || !shown->isVisible()) {
            return;
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        // The part's whole height, its top first (a text box would otherwise
        // have only its text cursor brought into view).
        QScrollBar* bar = scroll->verticalScrollBar();
        const int top = shown->mapTo(scroll->widget(), QPoint(0, 0)).y();
        const int foot = top + shown->height() - scroll->viewport()->height();
        if (top < bar->value()) {
            bar->setValue(top);
        } else if (foot > bar->value()) {
            bar->setValue(std::min(top, foot));
        }
    });
}

void ScaledWindow::RecordKeptParts() {
    for (QWidget* widget : content_->findChildren<QWidget*>()) {
        const int group = KeptInViewGroup(*widget);
        if (group >= 0) {
            KeptPart part;
            part.widget = widget;
            part.group = group;
            kept_.push_back(part);
        }
    }
    // The parts of a group stand together, where its first part stands.
    std::vector<KeptPart> ordered;
    for (const KeptPart& part : kept_) {
        const auto same = [&part](const KeptPart& other) {
            return part.group != 0 && other.group == part.group;
        };
        if (std::any_of(ordered.begin(), ordered.end(), same)) {
            continue;
        }
        ordered.push_back(part);
        if (part.group != 0) {
            for (const KeptPart& other : kept_) {
                if (other.widget != part.widget && other.group == part.group) {
                    ordered.push_back(other);
                }
            }
        }
    }
    kept_ = std::move(ordered);
}

void ScaledWindow::KeepPartsInView(int width) {
    if (kept_.empty()) {
        return;
    }
    ReturnKeptParts();
    // The order of the tab key, which moving a part to another parent changes.
    tabOrder_.clear();
    for (QWidget* widget = window_->nextInFocusChain(); widget != nullptr && widget != window_;
         widget = widget->nextInFocusChain()) {
        tabOrder_.emplace_back(widget);
    }
    for (KeptPart& part : kept_) {
        QWidget* widget = part.widget;
        if (widget == nullptr) {
            continue;
        }
        part.parent = widget->parentWidget();
        part.hidden = widget->isHidden();
        part.minimum = widget->minimumSize();
        part.maximum = widget->maximumSize();
        part.geometry = widget->geometry();
        part.box = nullptr;
        part.grid = nullptr;
        QLayout* layout = part.parent != nullptr && part.parent->layout() != nullptr
                              ? HoldingLayout(*part.parent->layout(), widget)
                              : nullptr;
        if (layout != nullptr) {
            const int index = layout->indexOf(widget);
            part.index = index;
            part.alignment = layout->itemAt(index)->alignment();
            if (auto* box = qobject_cast<QBoxLayout*>(layout)) {
                part.box = box;
                part.stretch = box->stretch(index);
            } else if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
                part.grid = grid;
                grid->getItemPosition(index, &part.row, &part.column, &part.rowSpan,
                                      &part.columnSpan);
            }
            layout->removeWidget(widget);
        }
    }
    // The parts in rows, a group as one piece; a button or label as large as
    // its text needs, any other part as large as it is in the content.
    auto* rows = new QWidget(keptPanel_);
    auto* rowsLayout = new QVBoxLayout(rows);
    const QMargins margins(6, 4, 6, 4);
    rowsLayout->setContentsMargins(margins);
    rowsLayout->setSpacing(4);
    const int room = std::max(1, width - margins.left() - margins.right());
    QHBoxLayout* row = nullptr;
    int used = 0;
    for (std::size_t i = 0; i < kept_.size();) {
        std::size_t end = i + 1;
        while (end < kept_.size() && kept_[i].group != 0 && kept_[end].group == kept_[i].group) {
            ++end;
        }
        auto* piece = new QWidget(rows);
        auto* pieceLayout = new QHBoxLayout(piece);
        pieceLayout->setContentsMargins(0, 0, 0, 0);
        for (std::size_t k = i; k < end; ++k) {
            QWidget* widget = kept_[k].widget;
            if (widget == nullptr) {
                continue;
            }
            const QSize size = widget->size();
            widget->setParent(piece);
            if (qobject_cast<QAbstractButton*>(widget) != nullptr ||
                qobject_cast<QLabel*>(widget) != nullptr) {
                widget->setMinimumSize(widget->sizeHint().boundedTo(QSize(room, QWIDGETSIZE_MAX)));
                widget->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
            } else {
                widget->setFixedSize(size);
            }
            pieceLayout->addWidget(widget);
            widget->setVisible(!kept_[k].hidden);
        }
        const int pieceWidth = piece->sizeHint().width();
        if (row == nullptr || used + rowsLayout->spacing() + pieceWidth > room) {
            row = new QHBoxLayout();
            row->setSpacing(12);
            row->addStretch(1);
            row->addStretch(1);
            rowsLayout->addLayout(row);
            used = 0;
        } else {
            used += row->spacing();
        }
        row->insertWidget(row->count() - 1, piece);
        used += pieceWidth;
        i = end;
    }
    keptPanel_->layout()->addWidget(rows);
    keptRows_ = rows;
    keptPanel_->show();
}

void ScaledWindow::ReturnKeptParts() {
    if (keptRows_ == nullptr) {
        return;
    }
    // Back in the reverse order of leaving, so that each finds its place as it was.
    for (auto it = kept_.rbegin(); it != kept_.rend(); ++it) {
        QWidget* widget = it->widget;
        if (widget == nullptr || it->parent == nullptr) {
            continue;
        }
        widget->setParent(it->parent);
        widget->setMinimumSize(it->minimum);
        widget->setMaximumSize(it->maximum);
        if (it->box != nullptr) {
            it->box->insertWidget(it->index, widget, it->stretch, it->alignment);
        } else if (it->grid != nullptr) {
            it->grid->addWidget(widget, it->row, it->column, it->rowSpan, it->columnSpan,
                                it->alignment);
        } else {
            widget->setGeometry(it->geometry);
        }
        widget->setVisible(!it->hidden);
    }
    delete keptRows_;
    keptPanel_->hide();
    QWidget* previous = nullptr;
    for (const QPointer<QWidget>& widget : tabOrder_) {
        if (widget != nullptr && window_->isAncestorOf(widget) &&
            widget->focusPolicy() != Qt::NoFocus) {
            if (previous != nullptr) {
                QWidget::setTabOrder(previous, widget);
            }
            previous = widget;
        }
    }
}

void ScaledWindow::WrapInScrollArea() {
    QWidget& window = *window_;
    auto* scroll = new QScrollArea(&window);
    scroll->setObjectName(QStringLiteral("scrollScreen"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setWidgetResizable(true);
    auto* kept = new QWidget(&window);
    kept->setObjectName(QStringLiteral("pnlKeptInView"));
    auto* keptLayout = new QVBoxLayout(kept);
    keptLayout->setContentsMargins(0, 0, 0, 0);
    kept->hide();
    keptPanel_ = kept;
    if (auto* main = qobject_cast<QMainWindow*>(&window)) {
        QWidget* central = main->takeCentralWidget();
        scroll->setWidget(central);
        auto* screen = new QWidget(&window);
        screen->setObjectName(QStringLiteral("pnlScreen"));
        auto* frame = new QVBoxLayout(screen);
        frame->setContentsMargins(0, 0, 0, 0);
        frame->setSpacing(0);
        frame->addWidget(scroll, 1);
        frame->addWidget(kept);
        main->setCentralWidget(screen);
        content_ = central;
        scroll_ = scroll;
        return;
    }
    // A screen that lays out or places its controls itself: they move with
    // their layout into one panel (within the same window, so the tab order
    // stays). The layout goes first: it would let go of a control taken from
    // under it.
    auto* content = new QWidget(&window);
    content->setObjectName(QStringLiteral("pnlContent"));
    if (QLayout* layout = window.layout()) {
        content->setLayout(layout);
    }
    const QObjectList children = window.children();
    for (QObject* child : children) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget == nullptr || widget == content || widget == scroll || widget == kept ||
            widget->isWindow()) {
            continue;
        }
        const QRect place = widget->geometry();
        widget->setParent(content);
        widget->setGeometry(place);
    }
    auto* frame = new QVBoxLayout(&window);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->setSpacing(0);
    frame->addWidget(scroll, 1);
    frame->addWidget(kept);
    scroll->setWidget(content);
    content_ = content;
    scroll_ = scroll;
}

void ScaledWindow::RecordContainer(QWidget& container) {
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

void ScaledWindow::RecordLayout(QLayout& layout) {
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

void ScaledWindow::RecordControl(QWidget& control, bool placed) {
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
    base.sizedToCells = IsSizedToCells(control);
    base.chrome = Chrome(control);
    controls_.push_back(base);
}

void ScaledWindow::RecordViews() {
    for (QTableView* view : window_->findChildren<QTableView*>()) {
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

void ScaledWindow::Apply(double factor) {
    if (window_ == nullptr) {
        return;
    }
    // Measured and sized with every part in its place; whether parts must be
    // kept in view is decided anew for the new size.
    ReturnKeptParts();
    factor_ = factor;
    for (FittedPart& part : fitted_) {
        part.natural = QRect(); // known again once the controls are placed
    }
    ApplyFonts(factor);
    ApplyLayouts(factor);
    ApplyViews(factor);
    ApplyControls(factor);
    ApplyWindowSize(factor);
    for (FittedPart& part : fitted_) {
        if (part.placed && part.widget != nullptr) {
            part.natural = part.widget->geometry();
        }
    }
    FitPartsInView();
}

void ScaledWindow::ApplyFonts(double factor) {
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

void ScaledWindow::ApplyLayouts(double factor) const {
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

void ScaledWindow::ApplyViews(double factor) const {
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

void ScaledWindow::ApplyControls(double factor) const {
    for (const ControlBase& base : controls_) {
        QWidget* widget = base.widget;
        if (widget == nullptr) {
            continue;
        }
        const QPoint place(Scaled(base.geometry.x(), factor), Scaled(base.geometry.y(), factor));
        if (base.sizedToCells) {
            static_cast<StringGrid*>(widget)->SizeToCells();
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
        widget->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        widget->setMinimumSize(minimum);
        widget->setMaximumSize(ScaledSize(base.maximum, base.chrome, factor));
        if (base.placed) {
            QSize size = ScaledSize(base.geometry.size(), base.chrome, factor);
            // A label keeps room for its whole text, which may come out a pixel wider.
            if (qobject_cast<QLabel*>(widget) != nullptr && base.minimum != base.maximum) {
                size = size.expandedTo(widget->sizeHint());
            }
            widget->setGeometry(QRect(place, size));
        }
    }
}

void ScaledWindow::ApplyWindowSize(double factor) {
    QWidget& window = *window_;
    if (window.isMaximized() || window.isFullScreen()) {
        return;
    }
    content_->setMinimumSize(0, 0);
    if (QLayout* layout = content_->layout()) {
        layout->invalidate();
    }
    QSize content = content_->minimumSizeHint().expandedTo(QSize(0, 0));
    if (designed_) {
        content = content.expandedTo(Scaled(baseContent_, factor));
    }
    content_->setMinimumSize(content);
    QSize size = Scaled(baseWindow_, factor).expandedTo(content);
    if (designed_) {
        size = content;
        if (const auto* main = qobject_cast<const QMainWindow*>(&window)) {
            size.rheight() += MenuHeight(*main, size.width());
        }
    }
    // Larger than the screen: the parts kept in view stand below the content,
    // which scrolls. Where the content fits it shows no scroll bar at all.
    const QSize room = FreeRoom(window);
    const bool tooWide = size.width() > room.width();
    const bool tooHigh = size.height() > room.height();
    if (tooWide || tooHigh) {
        KeepPartsInView(std::min(size.width(), room.width()));
    } else {
        ReturnKeptParts();
    }
    if (keptRows_ != nullptr) {
        keptPanel_->layout()->activate();
        const int width = std::min(size.width(), room.width());
        const int height = keptPanel_->hasHeightForWidth() ? keptPanel_->heightForWidth(width)
                                                           : keptPanel_->sizeHint().height();
        size.rheight() += std::max(height, keptPanel_->sizeHint().height());
        size.setWidth(std::max(size.width(), keptPanel_->minimumSizeHint().width()));
    }
    const bool scrollsAcross = size.width() > room.width();
    const bool scrollsDown = size.height() > room.height();
    if (scrollsAcross) {
        size.rheight() += scroll_->horizontalScrollBar()->sizeHint().height();
    }
    if (scrollsDown) {
        size.rwidth() += scroll_->verticalScrollBar()->sizeHint().width();
    }
    scroll_->setHorizontalScrollBarPolicy(scrollsAcross || size.width() > room.width()
                                              ? Qt::ScrollBarAsNeeded
                                              : Qt::ScrollBarAlwaysOff);
    scroll_->setVerticalScrollBarPolicy(scrollsDown || size.height() > room.height()
                                            ? Qt::ScrollBarAsNeeded
                                            : Qt::ScrollBarAlwaysOff);
    // The window's least size follows what it holds now, not what it held
    // with parts kept in view.
    if (QLayout* layout = window.layout()) {
        layout->activate();
    }
    const QPoint centre = window.frameGeometry().center();
    window.resize(size.boundedTo(room));
    if (window.isVisible()) {
        // A shown window grows or shrinks about its centre, and stays on the screen.
        CentreAt(window, centre);
    }
}

} // namespace velmora

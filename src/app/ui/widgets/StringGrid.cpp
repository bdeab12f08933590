#include "app/ui/widgets/StringGrid.h"

#include "app/EditMask.h"
#include "app/ui/Dialogs.h"
#include "app/ui/widgets/CellDelegate.h"
#include "app/ui/widgets/FrozenTitleRows.h"

#include <QApplication>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTimer>

namespace velmora {

StringGrid::StringGrid(Dialogs& dialogs, QWidget* parent)
    : QTableWidget(parent), dialogs_(dialogs), delegate_(new CellDelegate(*this)) {
    setItemDelegate(delegate_);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked);
    setTabKeyNavigation(true);
    setWordWrap(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SetDefaultRowHeight(20);

    connect(this, &QTableWidget::currentCellChanged, this,
            [this](int row, int col, int /*previousRow*/, int /*previousCol*/) {
                if (row >= 0 && col >= 0 && selectCell_) {
                    selectCell_(col, row);
                }
            });
    connect(qApp, &QApplication::focusChanged, this, &StringGrid::FocusChanged);
}

StringGrid::~StringGrid() {
    // The grid's parts go after this body: none of them, and no change of the
    // focus that their going causes, may still call into the grid.
    disconnect(qApp, nullptr, this, nullptr);
    for (QLineEdit* editor : viewport()->findChildren<QLineEdit*>()) {
        disconnect(editor, nullptr, this, nullptr);
    }
    qApp->removeEventFilter(this);
    delete frozenRows_; // it watches this grid, which must still be whole
}

void StringGrid::SetSize(int cols, int rows) {
    setColumnCount(cols);
    setRowCount(rows);
    ShapeAllItems();
}

void StringGrid::SetFixedRows(int count) {
    fixedRows_ = count;
    ShapeAllItems();
    if (count > 0 && frozenRows_ == nullptr) {
        frozenRows_ = new FrozenTitleRows(*this);
    }
    if (frozenRows_ != nullptr) {
        frozenRows_->SetRows(count);
    }
}

void StringGrid::SetFixedCols(int count) {
    fixedCols_ = count;
    ShapeAllItems();
}

void StringGrid::SetColWidths(std::initializer_list<int> widths) {
    int col = 0;
    for (int width : widths) {
        setColumnWidth(col++, width);
    }
}

void StringGrid::SetDefaultRowHeight(int height) {
    verticalHeader()->setDefaultSectionSize(height);
    for (int row = 0; row < rowCount(); ++row) {
        setRowHeight(row, height);
    }
}

void StringGrid::SizeToCells() {
    int width = 2 * frameWidth();
    for (int col = 0; col < columnCount(); ++col) {
        width += isColumnHidden(col) ? 0 : columnWidth(col);
    }
    int height = 2 * frameWidth();
    for (int row = 0; row < rowCount(); ++row) {
        height += isRowHidden(row) ? 0 : rowHeight(row);
    }
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFixedSize(width, height);
}

void StringGrid::SetEditable(bool editable) {
    editable_ = editable;
    if (!editable && editor_ != nullptr) {
        CancelEditing();
    }
    ShapeAllItems();
}

void StringGrid::ShapeItem(QTableWidgetItem* item, int col, int row) const {
    if (IsTitle(col, row)) {
        // Title cells can neither be edited nor become the current cell; their
        // text keeps the normal colour.
        item->setFlags(Qt::NoItemFlags);
        item->setBackground(palette().brush(QPalette::Button));
        item->setForeground(palette().brush(QPalette::ButtonText));
    } else {
        Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        if (editable_) {
            flags |= Qt::ItemIsEditable;
        }
        item->setFlags(flags);
        item->setData(Qt::BackgroundRole, QVariant());
        item->setData(Qt::ForegroundRole, QVariant());
    }
}

void StringGrid::ShapeAllItems() {
    for (int row = 0; row < rowCount(); ++row) {
        for (int col = 0; col < columnCount(); ++col) {
            QTableWidgetItem* cell = item(row, col);
            if (cell == nullptr) {
                cell = new QTableWidgetItem();
                setItem(row, col, cell);
            }
            ShapeItem(cell, col, row);
        }
    }
}

QString StringGrid::Cells(int col, int row) const {
    const QTableWidgetItem* cell = item(row, col);
    return cell == nullptr ? QString() : cell->text();
}

void StringGrid::SetCells(int col, int row, const QString& text) {
    if (row < 0 || row >= rowCount() || col < 0 || col >= columnCount()) {
        return;
    }
    QTableWidgetItem* cell = item(row, col);
    if (cell == nullptr) {
        cell = new QTableWidgetItem();
        ShapeItem(cell, col, row);
        setItem(row, col, cell);
    }
    cell->setText(text); // an open editor of this cell follows (CellDelegate::setEditorData)
}

QModelIndex StringGrid::NeighbourCell(bool next) const {
    const int cols = columnCount();
    const int rows = rowCount();
    int col = currentColumn();
    int row = currentRow();
    if (col < 0 || row < 0) {
        return QModelIndex();
    }
    while (true) {
        if (next) {
            if (++col >= cols) {
                col = 0;
                if (++row >= rows) {
                    return QModelIndex();
                }
            }
        } else {
            if (--col < 0) {
                col = cols - 1;
                if (--row < 0) {
                    return QModelIndex();
                }
            }
        }
        if (!IsTitle(col, row) && !isColumnHidden(col) && !isRowHidden(row)) {
            return model()->index(row, col);
        }
    }
}

bool StringGrid::focusNextPrevChild(bool next) {
    if (tabKeyNavigation() && hasFocus()) {
        const QModelIndex target = NeighbourCell(next);
        if (target.isValid()) {
            setCurrentIndex(target);
            return true;
        }
    }
    return QAbstractScrollArea::focusNextPrevChild(next);
}

bool StringGrid::Contains(const QWidget* widget) const {
    return widget != nullptr && (widget == this || isAncestorOf(widget));
}

void StringGrid::FocusChanged(QWidget* old, QWidget* now) {
    if (exit_ && Contains(old) && now != nullptr && !Contains(now) && now->window() == window()) {
        const Qt::MouseButtons held = QGuiApplication::mouseButtons();
        exit_();
        // A mouse press moves the focus before it reaches the pressed control. When
        // the boxes of the exit handler took the release, the press gets its
        // release after all (GiveReleaseAfterExit): a button pressed to leave the
        // grid clicks once the boxes are closed instead of staying down.
        const Qt::MouseButtons released = held & ~QGuiApplication::mouseButtons();
        if (released != Qt::NoButton) {
            releaseTakenByExit_ = released;
            qApp->installEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                releaseTakenByExit_ = Qt::NoButton;
                StopWatchingApplication();
            });
        }
    }
}

void StringGrid::StopWatchingApplication() {
    if (editor_ == nullptr && releaseTakenByExit_ == Qt::NoButton) {
        qApp->removeEventFilter(this);
    }
}

void StringGrid::GiveReleaseAfterExit(QWidget& pressed, const QMouseEvent& press) {
    const Qt::MouseButton button = press.button();
    if (!(releaseTakenByExit_ & button)) {
        return;
    }
    releaseTakenByExit_ = Qt::NoButton;
    const QPointF position = press.position();
    const QPointF global = press.globalPosition();
    QPointer<QWidget> target(&pressed);
    // Queued: the press itself is still on its way to the control.
    QTimer::singleShot(0, &pressed, [target, position, global, button] {
        if (target != nullptr) {
            QMouseEvent release(QEvent::MouseButtonRelease, position, global, button, Qt::NoButton,
                                Qt::NoModifier);
            QCoreApplication::sendEvent(target, &release);
        }
    });
}

QString StringGrid::EditMaskFor(int col, int row) const {
    return getEditMask_ ? getEditMask_(col, row) : QString();
}

void StringGrid::EditorOpened(QLineEdit* editor, int col, int row) {
    editor_ = editor;
    editCol_ = col;
    editRow_ = row;
    originalText_ = Cells(col, row);
    editMask_ = EditMaskFor(col, row);
    // Watch presses elsewhere in the window: a cell that may not be left must
    // keep them from moving the focus or clicking a button.
    qApp->installEventFilter(this);
    connect(editor, &QObject::destroyed, this, [this] { StopWatchingApplication(); });
    openEditor_ = editor;
    emit EditStarted(col, row);
}

void StringGrid::EditorTextEdited(const QString& text) {
    const int col = editCol_;
    const int row = editRow_;
    if (QTableWidgetItem* cell = item(row, col)) {
        cell->setText(text);
    }
    if (setEditText_) {
        setEditText_(col, row, text);
    }
    emit EditTextSet(col, row);
}

bool StringGrid::MayLeaveEditor() {
    if (editor_ == nullptr) {
        return true;
    }
    const QString text = editor_->text();
    if (text == originalText_ ||
        EditMask(editMask_.toStdString()).IsComplete(text.toStdU32String())) {
        return true;
    }
    // A mouse press gives the focus before it reaches the pressed widget:
    // remember where the focus went, so that the press is refused silently.
    // Forgotten only after the box: the box's own event loop runs while the
    // press is still on its way.
    refusedFocus_ = QApplication::focusWidget();
    QApplication::beep();
    dialogs_.Error(QString::fromLatin1(kInvalidInput));
    QTimer::singleShot(0, this, [this] { refusedFocus_ = nullptr; });
    if (editor_ != nullptr) {
        editor_->setFocus(Qt::OtherFocusReason);
    }
    return false;
}

bool StringGrid::TookRefusedFocus(const QWidget* pressed) const {
    if (refusedFocus_ == nullptr || refusedFocus_ == editor_) {
        return false;
    }
    for (const QWidget* w = pressed; w != nullptr; w = w->parentWidget()) {
        if (w == refusedFocus_ || w->focusProxy() == refusedFocus_) {
            return true;
        }
        if (w->isWindow()) {
            break;
        }
    }
    return false;
}

bool StringGrid::LeaveEditor() {
    if (!MayLeaveEditor()) {
        return false;
    }
    FinishEditing();
    return true;
}

void StringGrid::FinishEditing() {
    if (editor_ == nullptr) {
        return;
    }
    QLineEdit* editor = editor_;
    editor_ = nullptr;
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void StringGrid::CancelEditing() {
    if (editor_ == nullptr) {
        return;
    }
    QLineEdit* editor = editor_;
    const bool changed = editor->text() != originalText_;
    editor->setText(originalText_);
    if (changed) {
        if (QTableWidgetItem* cell = item(editRow_, editCol_)) {
            cell->setText(originalText_);
        }
        if (setEditText_) {
            setEditText_(editCol_, editRow_, originalText_);
        }
        emit EditTextSet(editCol_, editRow_);
    }
    editor_ = nullptr;
    closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
}

void StringGrid::TabFromEditor(bool next) {
    FinishEditing();
    setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    focusNextPrevChild(next);
}

bool StringGrid::eventFilter(QObject* watched, QEvent* event) {
    if (releaseTakenByExit_ != Qt::NoButton && event->type() == QEvent::MouseButtonPress) {
        if (auto* widget = qobject_cast<QWidget*>(watched)) {
            GiveReleaseAfterExit(*widget, *static_cast<QMouseEvent*>(event));
        }
    }
    if (editor_ != nullptr && (event->type() == QEvent::MouseButtonPress ||
                               event->type() == QEvent::MouseButtonDblClick)) {
        auto* widget = qobject_cast<QWidget*>(watched);
        const bool elsewhere = widget != nullptr && widget->window() == window() &&
                               widget != editor_ && !editor_->isAncestorOf(widget) &&
                               (!Contains(widget) || widget == viewport()) &&
                               qobject_cast<QMenuBar*>(widget) == nullptr;
        if (elsewhere && TookRefusedFocus(widget)) {
            return true; // already refused when the press moved the focus
        }
        if (elsewhere && !MayLeaveEditor()) {
            return true; // the press goes nowhere
        }
    }
    return QTableWidget::eventFilter(watched, event);
}

void StringGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    if (editor == editor_) {
        editor_ = nullptr;
    }
    const bool open = editor != nullptr && editor == openEditor_;
    QTableWidget::closeEditor(editor, hint);
    if (open) {
        openEditor_ = nullptr;
        emit EditEnded(editCol_, editRow_);
    }
}

bool StringGrid::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    // A click on the selected cell edits it. Qt would wait a double click's
    // time before opening that editor and drop every key typed meanwhile, so the
    // editor opens at once, as for a double click.
    if (trigger == SelectedClicked) {
        return QTableWidget::edit(index, DoubleClicked, nullptr);
    }
    return QTableWidget::edit(index, trigger, event);
}

void StringGrid::scrollTo(const QModelIndex& index, ScrollHint hint) {
    QTableWidget::scrollTo(index, hint);
    // A row scrolled up under the title rows comes down to just below them.
    if (frozenRows_ == nullptr || frozenRows_->isHidden() || index.row() < fixedRows_) {
        return;
    }
    QScrollBar* bar = verticalScrollBar();
    while (bar->value() > bar->minimum() &&
           rowViewportPosition(index.row()) < frozenRows_->height()) {
        bar->setValue(bar->value() - 1);
    }
}

void StringGrid::hideEvent(QHideEvent* event) {
    // A screen that is left keeps what was typed; the editor closes.
    FinishEditing();
    QTableWidget::hideEvent(event);
}

} // namespace velmora

#include "grid/ui/StringGrid.h"

#include "grid/EditMask.h"
#include "grid/ui/CellDelegate.h"
#include "grid/ui/CellEdit.h"
#include "grid/ui/CellHint.h"
#include "grid/ui/ErrorBox.h"
#include "grid/ui/FrozenTitleRows.h"
#include "grid/ui/GridModel.h"

#include <QAccessible>
#include <QApplication>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTimer>
#include <optional>
#include <string>

namespace velmora {

namespace {

// How long a cell that the program changed stays marked.
constexpr int kMarkMilliseconds = 4000;

} // namespace

StringGrid::StringGrid(ErrorBox& errors, QWidget* parent)
    : QTableView(parent), errors_(errors), model_(new GridModel(this)),
      delegate_(new CellDelegate(
          [this](int col, int row) { return EditMaskFor(col, row); },
          [this](QLineEdit& editor, int col, int row) { EditorOpened(editor, col, row); }, this)),
      markTimer_(new QTimer(this)) {
    markTimer_->setSingleShot(true);
    connect(markTimer_, &QTimer::timeout, this, &StringGrid::ClearMarks);
    GiveTitleColours();
    setModel(model_);
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
    // A grid as large as its cells follows them when they change size (as the
    // chosen size changes its type and its cells).
    for (QHeaderView* header : {horizontalHeader(), verticalHeader()}) {
        connect(header, &QHeaderView::sectionResized, this, [this] {
            if (sizedToCells_) {
                SizeToCells();
            }
        });
    }

    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current, const QModelIndex& /*previous*/) {
                // A note under a cell goes when another cell is taken up.
                CellHint::Hide(*viewport());
                if (current.isValid() && selectCell_) {
                    selectCell_(current.column(), current.row());
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

int StringGrid::ColCount() const {
    return model_->columnCount();
}

int StringGrid::RowCount() const {
    return model_->rowCount();
}

void StringGrid::SetSize(int cols, int rows) {
    model_->Resize(cols, rows);
}

void StringGrid::SetFixedRows(int count) {
    fixedRows_ = count;
    model_->SetFixed(fixedRows_, fixedCols_);
    if (frozenRows_ != nullptr) {
        frozenRows_->SetRows(count);
    } else if (count > 0) {
        // Most grids with title rows never scroll; they never need the second view.
        connect(verticalScrollBar(), &QScrollBar::rangeChanged, this,
                &StringGrid::FreezeTitleRowsWhenScrolling, Qt::UniqueConnection);
        FreezeTitleRowsWhenScrolling();
    }
}

void StringGrid::FreezeTitleRowsWhenScrolling() {
    if (frozenRows_ != nullptr || fixedRows_ == 0 || verticalScrollBar()->maximum() == 0) {
        return;
    }
    disconnect(verticalScrollBar(), &QScrollBar::rangeChanged, this,
               &StringGrid::FreezeTitleRowsWhenScrolling);
    frozenRows_ = new FrozenTitleRows(*this);
    frozenRows_->SetRows(fixedRows_);
}

void StringGrid::SetFixedCols(int count) {
    fixedCols_ = count;
    model_->SetFixed(fixedRows_, fixedCols_);
}

void StringGrid::SetColWidths(std::initializer_list<int> widths) {
    int col = 0;
    for (int width : widths) {
        setColumnWidth(col++, width);
    }
}

void StringGrid::SetDefaultRowHeight(int height) {
    verticalHeader()->setDefaultSectionSize(height);
    for (int row = 0; row < RowCount(); ++row) {
        if (rowHeight(row) != height) {
            setRowHeight(row, height);
        }
    }
}

void StringGrid::SizeToCells() {
    int width = 2 * frameWidth();
    for (int col = 0; col < ColCount(); ++col) {
        width += isColumnHidden(col) ? 0 : columnWidth(col);
    }
    int height = 2 * frameWidth();
    for (int row = 0; row < RowCount(); ++row) {
        height += isRowHidden(row) ? 0 : rowHeight(row);
    }
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFixedSize(width, height);
    sizedToCells_ = true;
}

void StringGrid::SetEditable(bool editable) {
    editable_ = editable;
    if (!editable) {
        EndEdit(Ending::Abandon);
    }
    model_->SetEditable(editable);
}

QString StringGrid::Cells(int col, int row) const {
    return model_->Text(col, row);
}

void StringGrid::SetCells(int col, int row, const QString& text) {
    // An open editor of this cell follows (CellDelegate::setEditorData).
    model_->SetText(col, row, text);
    if (IsEditing() && edit_->Is(col, row)) {
        edit_->ProgramSet(text); // may be left as it is, and is what the cell holds now
    }
}

void StringGrid::SetColTitle(int col, const QString& title) {
    model_->SetColTitle(col, title);
}

void StringGrid::SetCellTip(int col, int row, const QString& tip) {
    model_->SetTip(col, row, tip);
}

QString StringGrid::ShownText(int col, int row) const {
    const QModelIndex index = model_->index(row, col);
    if (!index.isValid()) {
        return QString();
    }
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = visualRect(index);
    return delegate_->ShownText(option, index);
}

void StringGrid::MarkChanged(int col, int row, const QString& note) {
    model_->SetMarked(col, row);
    if (!model_->IsMarked(col, row)) {
        return; // outside the grid
    }
    markTimer_->start(kMarkMilliseconds);
    const QRect cell = visualRect(model_->index(row, col));
    if (note.isEmpty() || !viewport()->isVisible() || !viewport()->rect().intersects(cell)) {
        return;
    }
    if (IsEditing()) {
        CellHint::Hide(*Editor()); // the two notes would lie over each other
    }
    CellHint::ShowUnder(*viewport(), cell, note);
}

bool StringGrid::IsMarked(int col, int row) const {
    return model_->IsMarked(col, row);
}

void StringGrid::ClearMarks() {
    markTimer_->stop();
    model_->ClearMarks();
    CellHint::Hide(*viewport());
}

void StringGrid::SetCurrentCell(int col, int row) {
    setCurrentIndex(model_->index(row, col));
}

QModelIndex StringGrid::NeighbourCell(bool next) const {
    const int cols = ColCount();
    const int rows = RowCount();
    int col = Col();
    int row = Row();
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
            return model_->index(row, col);
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

void StringGrid::initViewItemOption(QStyleOptionViewItem* option) const {
    QTableView::initViewItemOption(option);
    if (Contains(QApplication::focusWidget())) {
        return;
    }
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        option->palette.setBrush(group, QPalette::Highlight,
                                 option->palette.brush(group, QPalette::Base));
        option->palette.setBrush(group, QPalette::HighlightedText,
                                 option->palette.brush(group, QPalette::Text));
    }
}

void StringGrid::FocusChanged(QWidget* old, QWidget* now) {
    if (Contains(old) != Contains(now)) {
        viewport()->update(); // the current cell shows or stops showing
    }
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
    if (!IsEditing() && releaseTakenByExit_ == Qt::NoButton) {
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

QString StringGrid::CellName(int col, int row) const {
    QString column =
        model_->headerData(col, Qt::Horizontal, Qt::AccessibleTextRole).toString().trimmed();
    if (column.isEmpty()) {
        column = accessibleName();
    }
    // The row by its title where the grid has title columns, else by its
    // number among the rows that are not titles, when there is more than one.
    QString line;
    if (fixedCols_ > 0) {
        line = Cells(0, row).trimmed();
    } else if (RowCount() - fixedRows_ > 1) {
        line = QStringLiteral("row %1").arg(row - fixedRows_ + 1);
    }
    if (column.isEmpty() || line.isEmpty()) {
        return column + line;
    }
    return column + QStringLiteral(", ") + line;
}

QLineEdit* StringGrid::Editor() const {
    return edit_ != nullptr ? edit_->Editor() : nullptr;
}

void StringGrid::EditorOpened(QLineEdit& editor, int col, int row) {
    // The editor is read out by the cell it edits.
    editor.setAccessibleName(CellName(col, row));
    edit_ = std::make_unique<CellEdit>(editor, col, row, Cells(col, row), EditMaskFor(col, row));
    // Watch presses elsewhere in the window: a cell that may not be left must
    // keep them from moving the focus or clicking a button.
    qApp->installEventFilter(this);
    connect(&editor, &QObject::destroyed, this, [this] { StopWatchingApplication(); });
    emit EditStarted(col, row);
    connect(&editor, &QLineEdit::textEdited, this, &StringGrid::EditorTextEdited);
}

void StringGrid::HandOn(int col, int row, const QString& text) {
    if (setEditText_) {
        setEditText_(col, row, text);
    }
    emit EditTextSet(col, row);
}

void StringGrid::EditorTextEdited(const QString& text) {
    if (edit_ == nullptr) {
        return;
    }
    const int col = edit_->Col();
    const int row = edit_->Row();
    model_->SetText(col, row, text);
    const CellEdit::Typed typed = edit_->Type(text);
    if (typed.store && setEditText_) {
        setEditText_(col, row, *typed.store);
    }
    emit EditTextSet(col, row);
    // The handler may have ended the edit (a box, the screen left).
    if (!typed.note.isEmpty() && IsEditing()) {
        CellHint::Show(*Editor(), typed.note, CellHint::Lasting::UntilNextKey);
    }
}

bool StringGrid::MayLeaveEditor() {
    QLineEdit* editor = Editor();
    if (editor == nullptr) {
        return true;
    }
    const EditMask::Leaving leaving = edit_->Leave(editor->text());
    if (leaving.verdict == EditMask::Leaving::Verdict::Kept) {
        return true;
    }
    // A mouse press gives the focus before it reaches the pressed widget:
    // remember where the focus went, so that the press is refused silently.
    // Forgotten only after the box, if any: the box's own event loop runs while
    // the press is still on its way.
    refusedFocus_ = QApplication::focusWidget();
    QApplication::beep();
    if (leaving.verdict == EditMask::Leaving::Verdict::Incomplete) {
        errors_.Error(QString::fromLatin1(kInvalidInput));
    }
    QTimer::singleShot(0, this, [this] { refusedFocus_ = nullptr; });
    if (IsEditing()) {
        KeepFocusInEditor();
        CellHint::Show(*Editor(), QString::fromStdString(leaving.note),
                       CellHint::Lasting::UntilNextKey);
    }
    return false;
}

void StringGrid::KeepFocusInEditor() {
    QLineEdit* editor = Editor();
    editor->activateWindow(); // the box's window may have taken the activation along
    editor->setFocus(Qt::OtherFocusReason);
    // When the focus was on its way to another control, that move ends after
    // this and tells assistive technology of that control, which never got the
    // focus. Tell it again of the editor once the move is over.
    QTimer::singleShot(0, editor, [focused = QPointer<QLineEdit>(editor)] {
        if (focused != nullptr && focused->hasFocus()) {
            QAccessibleEvent focus(focused.data(), QAccessible::Focus);
            QAccessible::updateAccessibility(&focus);
        }
    });
}

bool StringGrid::TookRefusedFocus(const QWidget* pressed) const {
    if (refusedFocus_ == nullptr || refusedFocus_ == Editor()) {
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
    return EndEdit(Ending::Leave);
}

bool StringGrid::EndEdit(Ending ending) {
    QLineEdit* editor = Editor();
    if (editor == nullptr) {
        return true;
    }
    switch (ending) {
    case Ending::Abandon:
        if (const std::optional<QString> back = edit_->Abandon(editor->text())) {
            editor->setText(*back);
            model_->SetText(edit_->Col(), edit_->Row(), *back);
            HandOn(edit_->Col(), edit_->Row(), *back);
        } else {
            editor->setText(edit_->Original());
        }
        if (edit_ == nullptr || edit_->Editor() != editor) {
            return true; // the handler closed it already
        }
        edit_->StartEnding();
        closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
        return true;
    case Ending::Leave:
    case Ending::LeaveForward:
    case Ending::LeaveBack:
        if (!MayLeaveEditor()) {
            return false;
        }
        break;
    case Ending::Close:
        break;
    }
    edit_->StartEnding();
    commitData(editor);
    if (edit_ == nullptr || edit_->Widget() != editor) {
        return true; // the set-edit-text handler closed it already
    }
    closeEditor(editor, QAbstractItemDelegate::NoHint);
    if (ending == Ending::LeaveForward || ending == Ending::LeaveBack) {
        const bool next = ending == Ending::LeaveForward;
        setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        focusNextPrevChild(next);
    }
    return true;
}

void StringGrid::commitData(QWidget* editor) {
    if (editor != nullptr && edit_ != nullptr && editor == edit_->Widget()) {
        // What the editor leaves in its cell: the number's own zeros filled in,
        // nothing of a refused entry.
        auto* line = static_cast<QLineEdit*>(editor);
        const CellEdit::Closed closed = edit_->Close(line->text());
        if (closed.text) {
            line->setText(*closed.text);
        }
        if (closed.store) {
            HandOn(edit_->Col(), edit_->Row(), *closed.store);
        }
    }
    QTableView::commitData(editor);
}

void StringGrid::EndEditAsked(QAbstractItemDelegate::EndEditHint hint) {
    switch (hint) {
    case QAbstractItemDelegate::RevertModelCache: // Escape
        EndEdit(Ending::Abandon);
        return;
    case QAbstractItemDelegate::EditNextItem: // Tab
        EndEdit(Ending::LeaveForward);
        return;
    case QAbstractItemDelegate::EditPreviousItem: // Shift+Tab
        EndEdit(Ending::LeaveBack);
        return;
    case QAbstractItemDelegate::SubmitModelCache: // Return
    case QAbstractItemDelegate::NoHint:           // the focus went to another control of the window
        EndEdit(Ending::Leave);
        return;
    }
}

bool StringGrid::eventFilter(QObject* watched, QEvent* event) {
    if (releaseTakenByExit_ != Qt::NoButton && event->type() == QEvent::MouseButtonPress) {
        if (auto* widget = qobject_cast<QWidget*>(watched)) {
            GiveReleaseAfterExit(*widget, *static_cast<QMouseEvent*>(event));
        }
    }
    QLineEdit* editor = Editor();
    if (editor != nullptr && (event->type() == QEvent::MouseButtonPress ||
                              event->type() == QEvent::MouseButtonDblClick)) {
        auto* widget = qobject_cast<QWidget*>(watched);
        const bool elsewhere = widget != nullptr && widget->window() == window() &&
                               widget != editor && !editor->isAncestorOf(widget) &&
                               (!Contains(widget) || widget == viewport()) &&
                               qobject_cast<QMenuBar*>(widget) == nullptr;
        if (elsewhere && TookRefusedFocus(widget)) {
            return true; // already refused when the press moved the focus
        }
        if (elsewhere && !MayLeaveEditor()) {
            return true; // the press goes nowhere
        }
    }
    return QTableView::eventFilter(watched, event);
}

void StringGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    // What the delegate asks is the grid's to decide. The table also closes the
    // editor itself when the current cell moves elsewhere; that close stands.
    if (editor != nullptr && editor == Editor() && sender() == delegate_) {
        EndEditAsked(hint);
        return;
    }
    std::unique_ptr<CellEdit> ended;
    if (editor != nullptr && edit_ != nullptr && editor == edit_->Widget()) {
        ended = std::move(edit_);
        // The notes go with the editor: none stays over the cell used next.
        CellHint::Hide(*editor);
        CellHint::Hide(*viewport());
    }
    QTableView::closeEditor(editor, hint);
    if (ended != nullptr) {
        emit EditEnded(ended->Col(), ended->Row());
        if (Cells(ended->Col(), ended->Row()) != ended->Original()) {
            emit EditStored(ended->Col(), ended->Row());
        }
    }
}

bool StringGrid::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    // A click on the selected cell edits it. Qt would wait a double click's
    // time before opening that editor and drop every key typed meanwhile, so the
    // editor opens at once, as for a double click.
    if (trigger == SelectedClicked) {
        return QTableView::edit(index, DoubleClicked, nullptr);
    }
    if (trigger == AnyKeyPressed && event != nullptr && event->type() == QEvent::KeyPress &&
        RefusesAsFirstKey(index, *static_cast<QKeyEvent*>(event))) {
        // The key would replace the cell's text and the mask refuses it: the
        // editor opens empty and the key is refused there, as any later key.
        if (!QTableView::edit(index, trigger, nullptr)) {
            return false;
        }
        if (QLineEdit* editor = Editor()) {
            editor->selectAll();
            editor->del();
            QCoreApplication::sendEvent(editor, event);
        }
        return true;
    }
    return QTableView::edit(index, trigger, event);
}

bool StringGrid::RefusesAsFirstKey(const QModelIndex& index, const QKeyEvent& key) const {
    const QString typed = key.text();
    if (typed.isEmpty() || !typed.at(0).isPrint() ||
        (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        return false;
    }
    const EditMask mask(EditMaskFor(index.column(), index.row()).toStdString());
    return !mask.Admit(Cells(index.column(), index.row()).toStdU32String(), typed.toStdU32String());
}

void StringGrid::scrollTo(const QModelIndex& index, ScrollHint hint) {
    QTableView::scrollTo(index, hint);
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

bool StringGrid::event(QEvent* event) {
    const bool handled = QTableView::event(event);
    switch (event->type()) {
    case QEvent::PaletteChange:
    case QEvent::EnabledChange:
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
    case QEvent::Show:
    case QEvent::Hide:
        GiveTitleColours();
        break;
    default:
        break;
    }
    return handled;
}

void StringGrid::GiveTitleColours() {
    // Title cells are shaded; their text keeps the normal colour.
    model_->SetTitleColours(palette().brush(QPalette::Button),
                            palette().brush(QPalette::ButtonText));
}

void StringGrid::hideEvent(QHideEvent* event) {
    // A screen that is left keeps what was typed; the editor closes.
    EndEdit(Ending::Close);
    ClearMarks();
    QTableView::hideEvent(event);
}

} // namespace velmora

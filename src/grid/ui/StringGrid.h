#pragma once
// A grid of text cells: optional fixed title rows and columns, fixed column
// widths, in-place editing through a line edit that applies each cell's edit
// mask, and the events the screens handle:
//   get edit mask (col, row)      -> the mask for the cell that starts editing
//   set edit text (col, row, text) on every change of the edited text
//   select cell (col, row)        when a cell becomes the current one
//   exit                          when the focus leaves the grid for another
//                                 control of the same window
// A key typed into the current cell, F2, a double click or a click on the
// current cell opens its editor at once.
// Tab moves to the next cell and, from the last cell, on to the next control.
// Escape restores the text the cell had when editing began. A key that the
// mask refuses beeps and shows under the cell what it takes ("Whole numbers
// only"). A number cell takes a number as written ("$60,000") and hands the
// set-edit-text handler its digits ("60000"); when it is left, it fills its own
// zeros ("67" in "000" is kept as "067"). A fraction ("4.5") or a number or name
// longer than the cell is refused whole: while it stands in the editor the
// handler has the cell's previous text, a note under the cell says why, and the
// cell cannot be left with it (the grid beeps, keeps the focus in the cell and
// shows the note again; no box). Any other changed cell whose text does not
// fill its mask cannot be left either: the grid beeps, shows "Invalid input
// value.  Use escape key to abandon changes" in an error box and keeps the
// focus in the cell. The open editor shows, under the cell, the form it takes;
// a key that opens the editor and that the mask refuses leaves it empty. A text
// that the program set into the cell while it was edited may be left as it is.
// Cells are addressed (column, row) from 0, title cells included. The grid is a
// view of a GridModel that keeps the cells' texts; what a cell is (title or
// not, editable or not) follows from its place, so a long grid costs little
// more to make than a short one. Beside the handlers, the grid signals when a
// cell's editor opens, when the edited text was handed to the set-edit-text
// handler, and when the editor closes (after Return, Tab, Escape, a click
// elsewhere or hiding the grid), and when it closed on a changed text. The
// notes under a cell go when its editor closes or another cell becomes the
// current one.
// Its CellDelegate makes the editors and asks the grid to close them; the grid
// decides whether the cell may be left. The title cells' colours come from the
// grid's palette, which the grid hands to its model. A cell that the program
// changed while the user typed elsewhere can be marked for a few seconds, with
// a note under it that says why.

#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QString>
#include <QTableView>
#include <functional>
#include <initializer_list>
#include <memory>

class QTimer;

namespace velmora {

class ErrorBox;
class CellDelegate;
class CellEdit;
class FrozenTitleRows;
class GridModel;

class StringGrid : public QTableView {
    Q_OBJECT

public:
    using GetEditMaskHandler = std::function<QString(int col, int row)>;
    using SetEditTextHandler = std::function<void(int col, int row, const QString& text)>;
    using SelectCellHandler = std::function<void(int col, int row)>;
    using ExitHandler = std::function<void()>;

    static constexpr const char* kInvalidInput =
        "Invalid input value.  Use escape key to abandon changes";

    explicit StringGrid(ErrorBox& errors, QWidget* parent = nullptr);
    ~StringGrid() override;

    void SetSize(int cols, int rows);
    int ColCount() const;
    int RowCount() const;
    // Title rows at the top and title columns at the left: shown shaded, never
    // edited or selected. The title rows stay in view while the rows below scroll
    // (through a second view of them, made once the grid first can scroll).
    void SetFixedRows(int count);
    void SetFixedCols(int count);
    int FixedRows() const { return fixedRows_; }
    int FixedCols() const { return fixedCols_; }
    void SetColWidth(int col, int width) { setColumnWidth(col, width); }
    void SetColWidths(std::initializer_list<int> widths);
    void SetDefaultRowHeight(int height);
    // Makes the grid exactly as large as its visible cells, without scroll bars;
    // it stays so as its cells change size.
    void SizeToCells();
    // Whether the user may edit the cells that are not titles.
    void SetEditable(bool editable);
    bool IsEditable() const { return editable_; }

    // The text of a cell; "" outside the grid.
    QString Cells(int col, int row) const;
    // Sets a cell's text (also in the open editor of that cell) without
    // calling the set-edit-text handler.
    void SetCells(int col, int row, const QString& text);
    // The title of a column, by which assistive technology names it.
    void SetColTitle(int col, const QString& title);
    // The tip shown over a cell; "" for none.
    void SetCellTip(int col, int row, const QString& tip);
    // The text a cell is drawn with: its text, or as much of it as fits the
    // cell followed by an ellipsis.
    QString ShownText(int col, int row) const;

    // Marks cell (col, row) as one that the program changed, through the
    // model's background, and shows `note` under it while it is in view (in
    // place of the note of an open editor). The mark goes after a few seconds,
    // when the grid is hidden, or with ClearMarks.
    void MarkChanged(int col, int row, const QString& note);
    bool IsMarked(int col, int row) const;
    // Takes every mark and the note of a marked cell away, e.g. when the cells
    // are filled anew.
    void ClearMarks();

    int Col() const { return currentIndex().column(); }
    int Row() const { return currentIndex().row(); }
    void SetCurrentCell(int col, int row);

    // The editor of the cell being edited, or null.
    QLineEdit* Editor() const;
    bool IsEditing() const { return Editor() != nullptr; }
    // Leaves the cell being edited as a key that moves on would (the mask is
    // checked and a refusal shown); false when the cell may not be left yet.
    bool LeaveEditor();

    // What assistive technology calls cell (col, row), and its editor: the
    // column's title and the row's ("Value, row 3", "Self ($/mo), Pensions").
    QString CellName(int col, int row) const;

    // The mask the cell is edited with, as the get-edit-mask handler gives it.
    QString EditMaskFor(int col, int row) const;

    void OnGetEditMask(GetEditMaskHandler handler) { getEditMask_ = std::move(handler); }
    void OnSetEditText(SetEditTextHandler handler) { setEditText_ = std::move(handler); }
    void OnSelectCell(SelectCellHandler handler) { selectCell_ = std::move(handler); }
    void OnExit(ExitHandler handler) { exit_ = std::move(handler); }

    // Also keeps the row out from under the title rows.
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

signals:
    void EditStarted(int col, int row);
    void EditTextSet(int col, int row);
    void EditEnded(int col, int row);
    // After EditEnded, when the cell was left with a text other than the one it
    // had when editing began: the screen may show the stored value its own way
    // (67 for "067").
    void EditStored(int col, int row);

protected:
    bool event(QEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    // The text an editor leaves in its cell is the one the cell keeps ("067"
    // for "67"); a refused entry leaves nothing of itself.
    void commitData(QWidget* editor) override;
    // The current cell shows selected only while the grid has the keyboard
    // focus, so that one current cell in a window stands out.
    void initViewItemOption(QStyleOptionViewItem* option) const override;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;

private:
    bool IsTitle(int col, int row) const { return row < fixedRows_ || col < fixedCols_; }
    // Whether the mask of the cell refuses `key` typed over the cell's whole text.
    bool RefusesAsFirstKey(const QModelIndex& index, const QKeyEvent& key) const;
    // Makes the second view of the title rows once the grid can scroll.
    void FreezeTitleRowsWhenScrolling();
    QModelIndex NeighbourCell(bool next) const;
    void FocusChanged(QWidget* old, QWidget* now);
    void StopWatchingApplication();
    void GiveReleaseAfterExit(QWidget& pressed, const QMouseEvent& press);
    bool Contains(const QWidget* widget) const;

    // Hands the model the colours of the title cells as the palette gives them
    // now: they differ while the grid is disabled or its window not active.
    void GiveTitleColours();

    // Editing: the delegate tells of each editor it makes and asks to close it.
    void EditorOpened(QLineEdit& editor, int col, int row);
    void EditorTextEdited(const QString& text);
    // How an edit ends: every way goes through EndEdit, which leaves the cell
    // only when it may be left.
    enum class Ending {
        Abandon,      // Escape: the cell gets back the text it had
        Leave,        // Return, the focus going elsewhere: checked, then closed
        LeaveForward, // Tab: checked, closed, and on to the next cell
        LeaveBack,    // Shift+Tab
        Close,        // the grid hidden: closed with what it holds, unchecked
    };
    // False when the cell may not be left (it keeps the focus).
    bool EndEdit(Ending ending);
    // The delegate asks to end the edit.
    void EndEditAsked(QAbstractItemDelegate::EndEditHint hint);
    // Whether the edited cell may be left; if not, refuses with the error box
    // and keeps the focus in the editor.
    bool MayLeaveEditor();
    // Gives the keyboard focus back to the editor of a cell that may not be
    // left, and tells assistive technology that the editor has it.
    void KeepFocusInEditor();
    bool TookRefusedFocus(const QWidget* pressed) const;
    // Hands `text` to the set-edit-text handler as the cell's stored text.
    void HandOn(int col, int row, const QString& text);

    ErrorBox& errors_;
    GridModel* model_;
    CellDelegate* delegate_;
    FrozenTitleRows* frozenRows_ = nullptr; // made when a grid with title rows first scrolls
    int fixedRows_ = 0;
    int fixedCols_ = 0;
    bool editable_ = true;
    bool sizedToCells_ = false; // SizeToCells: follows its cells from then on

    // The edit going on, from its editor's opening to its closing.
    std::unique_ptr<CellEdit> edit_;
    QPointer<QWidget> refusedFocus_;
    QTimer* markTimer_;
    Qt::MouseButtons releaseTakenByExit_ = Qt::NoButton;

    GetEditMaskHandler getEditMask_;
    SetEditTextHandler setEditText_;
    SelectCellHandler selectCell_;
    ExitHandler exit_;
};

} // namespace velmora

#pragma once
// The in-place editor of a StringGrid cell: a frameless line edit with the
// cell's edit mask. The keys that leave or abandon the cell end the edit the
// way an item delegate does, by asking the view to close the editor:
//   Return                      SubmitModelCache
//   Tab, Shift+Tab              EditNextItem, EditPreviousItem
//   Escape                      RevertModelCache
//   the focus going to another control of the window   NoHint
// The view decides whether the cell may be left; a cell it keeps stays open,
// with the focus back in its editor. A message box or another window taking
// the focus does not end the edit. Ctrl+Z, Ctrl+Shift+Z and Ctrl+Y go to the
// window.
// A cell's text that does not fit its cell is drawn cut, ending in the view's
// elide mode's ellipsis ("1.234…"), while the model keeps it whole.

#include <QStyledItemDelegate>
#include <functional>

class QLineEdit;

namespace velmora {

class CellDelegate : public QStyledItemDelegate {
public:
    // The edit mask of a cell.
    using MaskOf = std::function<QString(int col, int row)>;
    // Hears of each editor made, before it is shown or gets the key that opened it.
    using EditorMade = std::function<void(QLineEdit& editor, int col, int row)>;

    CellDelegate(MaskOf maskOf, EditorMade editorMade, QObject* parent);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

    // The text that the cell of `index` is drawn with, laid out as `option`
    // (the view's option for the cell) says.
    QString ShownText(QStyleOptionViewItem option, const QModelIndex& index) const;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    MaskOf maskOf_;
    EditorMade editorMade_;
};

} // namespace velmora

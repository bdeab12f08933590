#pragma once
// The in-place editor of a StringGrid cell: a frameless line edit with the
// cell's edit mask. Keys that leave or abandon the cell are handed to the grid,
// which decides whether the cell may be left.

#include <QStyledItemDelegate>

namespace velmora {

class StringGrid;

class CellDelegate : public QStyledItemDelegate {
public:
    explicit CellDelegate(StringGrid& grid);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    StringGrid& grid_;
};

} // namespace velmora

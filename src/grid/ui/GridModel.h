#pragma once
// The cells of a StringGrid: their texts and tips, kept row by row, with what
// each cell is (title or not, editable or not) worked out from its place
// rather than stored per cell, so that a grid of many rows costs little more
// than its texts. A few cells may be marked as changed by the program: they
// give a background of their own (and a text colour that reads on it).

#include <QAbstractTableModel>
#include <QBrush>
#include <QList>
#include <QString>
#include <vector>

namespace velmora {

class GridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit GridModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // A column's title, as assistive technology names the column: the one set,
    // else the text of its top title cell, else its number from 1.
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Keeps the texts of the cells that stay; new cells are empty.
    void Resize(int cols, int rows);
    void SetFixed(int rows, int cols);
    void SetEditable(bool editable);
    // The background and the text of the title cells (none until set).
    void SetTitleColours(const QBrush& shade, const QBrush& text);
    bool IsTitle(int col, int row) const { return row < fixedRows_ || col < fixedCols_; }

    // "" outside the grid.
    QString Text(int col, int row) const;
    // Does nothing outside the grid or when the text is the same.
    void SetText(int col, int row, const QString& text);
    void SetTip(int col, int row, const QString& tip);
    void SetColTitle(int col, const QString& title);

    // Marks a cell as changed by the program; does nothing outside the grid.
    void SetMarked(int col, int row);
    bool IsMarked(int col, int row) const;
    void ClearMarks();

private:
    bool Inside(int col, int row) const {
        return col >= 0 && row >= 0 && col < cols_ && row < rows_;
    }
    std::size_t At(int col, int row) const {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(cols_) +
               static_cast<std::size_t>(col);
    }
    void Changed(int col, int row, int role);
    // Tells the views of a change in the top `rows` rows and the left `cols` columns.
    void TopAndLeftChanged(int rows, int cols, const QList<int>& roles = {});
    // The cells laid out for `cols` columns and `rows` rows, keeping those that stay.
    std::vector<QString> Reshaped(std::vector<QString>& cells, int cols, int rows) const;
    void Relayout(int cols, int rows);

    int cols_ = 0;
    int rows_ = 0;
    int fixedRows_ = 0;
    int fixedCols_ = 0;
    bool editable_ = true;
    QBrush titleShade_;
    QBrush titleText_;
    std::vector<QString> texts_;
    std::vector<QString> tips_;       // empty until a cell gets a tip
    std::vector<QString> colTitles_;  // empty until a column gets a title
    std::vector<std::size_t> marked_; // the marked cells, by At(col, row)
};

} // namespace velmora

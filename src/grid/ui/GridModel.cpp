#include "grid/ui/GridModel.h"

#include <QColor>
#include <algorithm>

namespace velmora {

namespace {

// A marked cell: a warm yellow that stands out from the plain and the selected
// cells alike, with dark text on it whatever the palette.
const QColor kMarkShade(255, 214, 102);
const QColor kMarkText(Qt::black);

} // namespace

GridModel::GridModel(QObject* parent) : QAbstractTableModel(parent) {}

int GridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : cols_;
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    const int col = index.column();
    const int row = index.row();
    if (!Inside(col, row)) {
        return QVariant();
    }
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return texts_[At(col, row)];
    case Qt::ToolTipRole:
        return tips_.empty() || tips_[At(col, row)].isEmpty() ? QVariant()
                                                              : QVariant(tips_[At(col, row)]);
    case Qt::BackgroundRole:
        if (IsTitle(col, row)) {
            return QVariant(titleShade_);
        }
        return IsMarked(col, row) ? QVariant(QBrush(kMarkShade)) : QVariant();
    case Qt::ForegroundRole:
        if (IsTitle(col, row)) {
            return QVariant(titleText_);
        }
        return IsMarked(col, row) ? QVariant(QBrush(kMarkText)) : QVariant();
    default:
        return QVariant();
    }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && section >= 0 && section < cols_ &&
        (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)) {
        const std::size_t col = static_cast<std::size_t>(section);
        if (col < colTitles_.size() && !colTitles_[col].isEmpty()) {
            return colTitles_[col];
        }
        if (fixedRows_ > 0 && !Text(section, 0).trimmed().isEmpty()) {
            return Text(section, 0).trimmed();
        }
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

void GridModel::SetColTitle(int col, const QString& title) {
    if (col < 0) {
        return;
    }
    const std::size_t at = static_cast<std::size_t>(col);
    if (colTitles_.size() <= at) {
        colTitles_.resize(at + 1);
    }
    colTitles_[at] = title;
    emit headerDataChanged(Qt::Horizontal, col, col);
}

bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !Inside(index.column(), index.row())) {
        return false;
    }
    SetText(index.column(), index.row(), value.toString());
    return true;
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
    const int col = index.column();
    const int row = index.row();
    if (!Inside(col, row) || IsTitle(col, row)) {
        // Title cells can neither be edited nor become the current cell.
        return Qt::NoItemFlags;
    }
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (editable_) {
        flags |= Qt::ItemIsEditable;
    }
    return flags;
}

std::vector<QString> GridModel::Reshaped(std::vector<QString>& cells, int cols, int rows) const {
    std::vector<QString> shaped(static_cast<std::size_t>(cols) * static_cast<std::size_t>(rows));
    for (int row = 0; row < std::min(rows, rows_); ++row) {
        for (int col = 0; col < std::min(cols, cols_); ++col) {
            shaped[static_cast<std::size_t>(row) * static_cast<std::size_t>(cols) +
                   static_cast<std::size_t>(col)] = std::move(cells[At(col, row)]);
        }
    }
    return shaped;
}

void GridModel::Relayout(int cols, int rows) {
    marked_.clear(); // their places move
    texts_ = Reshaped(texts_, cols, rows);
    if (!tips_.empty()) {
        tips_ = Reshaped(tips_, cols, rows);
    }
    cols_ = cols;
    rows_ = rows;
}

void GridModel::Resize(int cols, int rows) {
    cols = std::max(cols, 0);
    rows = std::max(rows, 0);
    // Rows and columns come and go one side at a time, as the views expect.
    if (rows < rows_) {
        beginRemoveRows(QModelIndex(), rows, rows_ - 1);
        Relayout(cols_, rows);
        endRemoveRows();
    }
    if (cols < cols_) {
        beginRemoveColumns(QModelIndex(), cols, cols_ - 1);
        Relayout(cols, rows_);
        endRemoveColumns();
    }
    if (cols > cols_) {
        beginInsertColumns(QModelIndex(), cols_, cols - 1);
        Relayout(cols, rows_);
        endInsertColumns();
    }
    if (rows > rows_) {
        beginInsertRows(QModelIndex(), rows_, rows - 1);
        Relayout(cols_, rows);
        endInsertRows();
    }
}

void GridModel::SetFixed(int rows, int cols) {
    if (rows == fixedRows_ && cols == fixedCols_) {
        return;
    }
    const int changedRows = std::max(rows, fixedRows_);
    const int changedCols = std::max(cols, fixedCols_);
    fixedRows_ = rows;
    fixedCols_ = cols;
    // Only the cells that were or are now titles look different.
    TopAndLeftChanged(changedRows, changedCols);
}

void GridModel::TopAndLeftChanged(int rows, int cols, const QList<int>& roles) {
    rows = std::min(rows, rows_);
    cols = std::min(cols, cols_);
    if (rows_ == 0 || cols_ == 0) {
        return;
    }
    if (rows > 0) {
        emit dataChanged(index(0, 0), index(rows - 1, cols_ - 1), roles);
    }
    if (cols > 0) {
        emit dataChanged(index(0, 0), index(rows_ - 1, cols - 1), roles);
    }
}

void GridModel::SetTitleColours(const QBrush& shade, const QBrush& text) {
    if (shade == titleShade_ && text == titleText_) {
        return;
    }
    titleShade_ = shade;
    titleText_ = text;
    TopAndLeftChanged(fixedRows_, fixedCols_, {Qt::BackgroundRole, Qt::ForegroundRole});
}

void GridModel::SetEditable(bool editable) {
    editable_ = editable; // flags are asked for afresh at each use
}

QString GridModel::Text(int col, int row) const {
    return Inside(col, row) ? texts_[At(col, row)] : QString();
}

void GridModel::SetText(int col, int row, const QString& text) {
    if (!Inside(col, row)) {
        return;
    }
    QString& cell = texts_[At(col, row)];
    if (cell == text) {
        return;
    }
    cell = text;
    Changed(col, row, Qt::DisplayRole);
}

void GridModel::SetTip(int col, int row, const QString& tip) {
    if (!Inside(col, row) || (tips_.empty() && tip.isEmpty())) {
        return;
    }
    if (tips_.empty()) {
        tips_.resize(texts_.size());
    }
    QString& cell = tips_[At(col, row)];
    if (cell != tip) {
        cell = tip;
        Changed(col, row, Qt::ToolTipRole);
    }
}

void GridModel::SetMarked(int col, int row) {
    if (!Inside(col, row) || IsMarked(col, row)) {
        return;
    }
    marked_.push_back(At(col, row));
    Changed(col, row, Qt::BackgroundRole);
}

bool GridModel::IsMarked(int col, int row) const {
    return Inside(col, row) &&
           std::find(marked_.begin(), marked_.end(), At(col, row)) != marked_.end();
}

void GridModel::ClearMarks() {
    const std::vector<std::size_t> marked = std::move(marked_);
    marked_.clear();
    const std::size_t cols = static_cast<std::size_t>(cols_);
    for (const std::size_t at : marked) {
        Changed(static_cast<int>(at % cols), static_cast<int>(at / cols), Qt::BackgroundRole);
    }
}

void GridModel::Changed(int col, int row, int role) {
    const QModelIndex cell = index(row, col);
    if (role == Qt::DisplayRole) {
        emit dataChanged(cell, cell, {Qt::DisplayRole, Qt::EditRole});
    } else if (role == Qt::BackgroundRole) {
        emit dataChanged(cell, cell, {Qt::BackgroundRole, Qt::ForegroundRole});
    } else {
        emit dataChanged(cell, cell, {role});
    }
}

} // namespace velmora

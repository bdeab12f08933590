#include "grid/ui/GridModel.h"

#include <algorithm>

namespace velmora {

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
        return IsTitle(col, row) ? QVariant(titleShade_) : QVariant();
    case Qt::ForegroundRole:
        return IsTitle(col, row) ? QVariant(titleText_) : QVariant();
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

void GridModel::Changed(int col, int row, int role) {
    const QModelIndex cell = index(row, col);
    if (role == Qt::DisplayRole) {
        emit dataChanged(cell, cell, {Qt::DisplayRole, Qt::EditRole});
    } else {
        emit dataChanged(cell, cell, {role});
    }
}

} // namespace velmora

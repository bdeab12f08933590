#include "grid/ui/FrozenTitleRows.h"

#include <QApplication>
#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

namespace velmora {

FrozenTitleRows::FrozenTitleRows(QTableView& grid)
    : QTableView(&grid), grid_(grid), gridViewport_(grid.viewport()) {
    setObjectName(QStringLiteral("FrozenTitleRows"));
    setModel(grid.model());
    setFocusPolicy(Qt::NoFocus);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setMinimumSectionSize(1);
    setWordWrap(false);
    hide();

    connect(grid.horizontalHeader(), &QHeaderView::sectionResized, this, &FrozenTitleRows::Follow);
    connect(grid.verticalHeader(), &QHeaderView::sectionResized, this, &FrozenTitleRows::Follow);
    connect(grid.verticalScrollBar(), &QScrollBar::rangeChanged, this, &FrozenTitleRows::Follow);
    connect(grid.horizontalScrollBar(), &QScrollBar::valueChanged, horizontalScrollBar(),
            &QScrollBar::setValue);
    gridViewport_->installEventFilter(this);
}

void FrozenTitleRows::SetRows(int rows) {
    rows_ = rows;
    Follow();
}

void FrozenTitleRows::Follow() {
    const bool needed = rows_ > 0 && grid_.verticalScrollBar()->maximum() > 0;
    setVisible(needed);
    if (!needed) {
        return;
    }
    setShowGrid(grid_.showGrid());
    setGridStyle(grid_.gridStyle());
    setTextElideMode(grid_.textElideMode());
    for (int col = 0; col < grid_.model()->columnCount(); ++col) {
        // A column being hidden has its width 0 before it counts as hidden.
        const int width = grid_.columnWidth(col);
        const bool hidden = grid_.isColumnHidden(col) || width == 0;
        setColumnHidden(col, hidden);
        if (!hidden) {
            setColumnWidth(col, width);
        }
    }
    int height = 0;
    for (int row = 0; row < std::min(rows_, grid_.model()->rowCount()); ++row) {
        setRowHeight(row, grid_.rowHeight(row));
        setRowHidden(row, grid_.isRowHidden(row));
        height += grid_.isRowHidden(row) ? 0 : grid_.rowHeight(row);
    }
    const QRect area = grid_.viewport()->geometry();
    setGeometry(area.x(), area.y(), area.width(), std::min(height, area.height()));
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(grid_.horizontalScrollBar()->value());
    raise();
}

bool FrozenTitleRows::eventFilter(QObject* watched, QEvent* event) {
    if (watched == gridViewport_ &&
        (event->type() == QEvent::Resize || event->type() == QEvent::Move)) {
        Follow();
    }
    return QTableView::eventFilter(watched, event);
}

void FrozenTitleRows::wheelEvent(QWheelEvent* event) {
    QApplication::sendEvent(grid_.viewport(), event);
}

} // namespace velmora

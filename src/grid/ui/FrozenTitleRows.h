#pragma once
// The title rows of a grid kept in view while the rows below them scroll: a
// second view of the grid's own cells that lies over the top of the grid's
// viewport, shows only the title rows and follows the grid's column widths,
// row heights and sideways scrolling. It is shown only while the grid can
// scroll; otherwise the grid's own title rows are always in view.

#include <QTableView>

namespace velmora {

class FrozenTitleRows : public QTableView {
    Q_OBJECT

public:
    explicit FrozenTitleRows(QTableView& grid);

    void SetRows(int rows);
    int Rows() const { return rows_; }
    // Places and shapes the view after a change of the grid.
    void Follow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Turning the wheel over the titles scrolls the rows.
    void wheelEvent(QWheelEvent* event) override;

private:
    QTableView& grid_;
    QWidget* gridViewport_;
    int rows_ = 0;
};

} // namespace velmora

#pragma once
// Compare Ways: a window beside the Years Ahead screen with the years under
// each of the four ways of selling, one line per way (when the money runs out,
// the tax over the years, the investments at the end and their regular IRA
// part), the best figure of each column marked, a chart of the investments one
// line per way, and a sentence that says what the comparison shows. Escape or
// Ctrl+W closes it.

#include "projection/WaysCompared.h"

#include <QWidget>

class QLabel;
class QTableWidget;

namespace velmora {

class WaysChartView;

class WaysWindow : public QWidget {
    Q_OBJECT

public:
    explicit WaysWindow(QWidget* yearsScreen);

    // Shows this comparison.
    void Show(projection::WaysCompared ways);
    const projection::WaysCompared& Ways() const { return ways_; }

signals:
    void ExportRequested();

private:
    projection::WaysCompared ways_;
    QTableWidget* table_ = nullptr;
    WaysChartView* chart_ = nullptr;
    QLabel* sentence_ = nullptr;
};

} // namespace velmora

#pragma once
// Compare Ways: a dialog (not modal) beside the Years Ahead screen with the years under
// each of the four ways of selling, one line per way (when the money runs out,
// the tax over the years, the investments at the end and their regular IRA
// part), the best figure of each column marked, a chart of the investments one
// line per way, and a sentence that says what the comparison shows. As a
// dialog it takes the chosen size's type and is fitted to the desktop; the
// table and chart scroll where the desktop is too small. Escape closes it.

#include "projection/WaysCompared.h"

#include <QDialog>

class QLabel;
class QTableWidget;

namespace velmora {

class WaysChartView;

class WaysWindow : public QDialog {
    Q_OBJECT

public:
    explicit WaysWindow(QWidget* yearsScreen);

    // Shows this comparison.
    void Show(projection::WaysCompared ways);
    const projection::WaysCompared& Ways() const { return ways_; }

signals:
    void ExportRequested();

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Sized for its type, within the desktop.
    void FitDesktop();
    // The table's columns as wide as their texts and the table as high as its rows.
    void FitTable();

    projection::WaysCompared ways_;
    QTableWidget* table_ = nullptr;
    WaysChartView* chart_ = nullptr;
    QLabel* sentence_ = nullptr;
    double baseType_ = 0;
};

} // namespace velmora

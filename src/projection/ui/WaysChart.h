#pragma once
// The investments at each year's end under each way of selling: one line per
// way, in the colours and type of the program's other charts. The same drawing
// serves the screen and the printed report.

#include "projection/WaysCompared.h"

#include <QRectF>
#include <QWidget>

class QPainter;

namespace velmora {

// Each way's colour: the four colours the charts give the risk categories.
QColor WayColour(std::size_t way);

void DrawWaysChart(QPainter& painter, const QRectF& area, const projection::WaysCompared& ways,
                   double scale = 1.0);

class WaysChartView : public QWidget {
public:
    explicit WaysChartView(QWidget* parent);
    void Show(const projection::WaysCompared* ways);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const projection::WaysCompared* ways_ = nullptr;
    double baseType_;
};

} // namespace velmora

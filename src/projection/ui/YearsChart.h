#pragma once
// The chart of the years ahead, drawn with QPainter into any rectangle of any
// paint device (the screen, a PDF page, a printer page): for every year a bar
// of the investments at the year's end, stacked by risk category (Zero at the
// bottom), and the year's budget as a line across the bars, with a legend.
// At scale 2 every text, gap and line is twice as large.

#include "projection/Projection.h"

#include <QRectF>
#include <QWidget>

class QPainter;

namespace velmora {

void DrawYearsChart(QPainter& painter, const QRectF& area, const projection::Projection& years,
                    double scale = 1.0);

// The chart on a screen: a white panel that draws the years it is given, its
// text growing with the panel's type (the chosen size).
class YearsChartView : public QWidget {
    Q_OBJECT

public:
    explicit YearsChartView(QWidget* parent);

    void Show(const projection::Projection* years);
    double Scale() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const projection::Projection* years_ = nullptr;
    double baseType_;
};

} // namespace velmora

#include "results/ui/ChartWindow.h"

#include "Workspace.h"
#include "results/ui/ChartPainter.h"
#include "screens/ui/CloseKeys.h"
#include "screens/ui/ScreenWindow.h"
#include "sizing/ui/ViewMarks.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <cmath>
#include <functional>

namespace velmora {

namespace {

constexpr double kMargin = 8;

// The size of a font's type, in the unit it was given in.
double TypeSize(const QFont& font) {
    return font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF();
}

// A white panel that draws one chart over its whole face, at the scale of its
// type: a window made larger (Zoom) gives its panels larger type, and the
// chart's text, rows and margins grow with it.
class ChartView : public QWidget {
public:
    using Draw = std::function<void(QPainter&, const QRectF&, double scale)>;

    ChartView(Draw draw, QWidget* parent)
        : QWidget(parent), draw_(std::move(draw)), baseType_(TypeSize(font())) {}

    double Scale() const {
        const double now = TypeSize(font());
        return baseType_ > 0 && now > 0 ? now / baseType_ : 1.0;
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        const double scale = Scale();
        const double margin = kMargin * scale;
        draw_(painter, QRectF(rect()).adjusted(margin, margin, -margin, -margin), scale);
    }

private:
    Draw draw_;
    double baseType_; // as made, at the designed size
};

QLabel* Heading(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

} // namespace

ChartWindow::ChartWindow(const Workspace& workspace, QWidget& resultsScreen)
    : QWidget(&resultsScreen, Qt::Window), workspace_(workspace), resultsScreen_(resultsScreen) {
    setObjectName("ChartWindow");
    setWindowTitle(QStringLiteral("Charts"));
    setAccessibleName(QStringLiteral("Charts"));

    shares_ =
        new ChartView([this](QPainter& painter, const QRectF& area,
                             double scale) { charts::DrawShares(painter, area, data_, scale); },
                      this);
    shares_->setObjectName("chartShares");
    shares_->setAccessibleName(QStringLiteral("Shares of the Portfolio Risk Categories"));
    shares_->setMinimumHeight(200);

    bars_ = new ChartView(
        [this](QPainter& painter, const QRectF& area, double scale) {
            charts::DrawErrBars(painter, area, data_, 0, -1, scale);
        },
        this);
    bars_->setObjectName("chartErr");
    bars_->setAccessibleName(QStringLiteral("ERR of every holding"));
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName("scrollErr");
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidget(bars_);

    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    close->setObjectName("btnCloseCharts");
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    KeepInView(*close); // seen below the charts when they are larger than the desktop

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Heading(QStringLiteral("Portfolio Risk Categories"), this));
    layout->addWidget(shares_, 2);
    layout->addWidget(Heading(
        QStringLiteral("ERR = Effective Rate of Return (%), lowest first in each category"), this));
    layout->addWidget(scroll, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    layout->addLayout(buttons);

    resultsScreen_.installEventFilter(this);
    bars_->installEventFilter(this);
    InstallCloseKeys(*this);
    resize(640, 640);
    Refresh();
}

void ChartWindow::Refresh() {
    data_ = charts::ChartDataFrom(workspace_);
    FitErrChart();
    shares_->update();
    bars_->update();
}

double ChartWindow::Scale() const {
    return static_cast<const ChartView*>(bars_)->Scale();
}

void ChartWindow::FitErrChart() {
    const double scale = Scale();
    bars_->setMinimumHeight(
        static_cast<int>(std::ceil(charts::ErrBarsHeight(data_, scale) + 2 * kMargin * scale)));
}

bool ChartWindow::eventFilter(QObject* watched, QEvent* event) {
    // The ERR chart's rows grow with its type.
    if (watched == bars_ && event->type() == QEvent::FontChange) {
        FitErrChart();
    }
    // Leaving the results screen hides the charts with it; a window system's
    // hiding (minimizing) does not.
    if (watched == &resultsScreen_ && event->type() == QEvent::Hide && !event->spontaneous()) {
        hide();
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace velmora

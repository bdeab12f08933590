#include "results/ui/ChartWindow.h"

#include "Workspace.h"
#include "results/ui/ChartPainter.h"
#include "screens/ui/CloseKeys.h"

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

constexpr int kMargin = 8;

// A white panel that draws one chart over its whole face.
class ChartView : public QWidget {
public:
    using Draw = std::function<void(QPainter&, const QRectF&)>;

    ChartView(Draw draw, QWidget* parent) : QWidget(parent), draw_(std::move(draw)) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        draw_(painter, QRectF(rect()).adjusted(kMargin, kMargin, -kMargin, -kMargin));
    }

private:
    Draw draw_;
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

    shares_ = new ChartView(
        [this](QPainter& painter, const QRectF& area) { charts::DrawShares(painter, area, data_); },
        this);
    shares_->setObjectName("chartShares");
    shares_->setAccessibleName(QStringLiteral("Shares of the Portfolio Risk Categories"));
    shares_->setMinimumHeight(200);

    bars_ = new ChartView([this](QPainter& painter,
                                 const QRectF& area) { charts::DrawErrBars(painter, area, data_); },
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
    InstallCloseKeys(*this);
    resize(640, 640);
    Refresh();
}

void ChartWindow::Refresh() {
    data_ = charts::ChartDataFrom(workspace_);
    const double rows = charts::ErrBarRowCount(data_);
    bars_->setMinimumHeight(static_cast<int>(
        std::ceil(rows * charts::kErrRowHeight + charts::kErrScaleHeight + 2 * kMargin)));
    shares_->update();
    bars_->update();
}

bool ChartWindow::eventFilter(QObject* watched, QEvent* event) {
    // Leaving the results screen hides the charts with it; a window system's
    // hiding (minimizing) does not.
    if (watched == &resultsScreen_ && event->type() == QEvent::Hide && !event->spontaneous()) {
        hide();
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace velmora

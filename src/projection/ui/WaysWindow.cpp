#include "projection/ui/WaysWindow.h"

#include "projection/ProjectionTexts.h"
#include "projection/ui/WaysChart.h"
#include "screens/ui/CloseKeys.h"
#include "screens/ui/ControlNames.h"
#include "screens/ui/ScreenText.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QScreen>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <string>

namespace velmora {

namespace {

constexpr std::array<const char*, 5> kHeadings{"Way of selling", "Money", "Taxes over the years",
                                               "Investments at the end", "Regular IRA at the end"};

double TypeSize(const QFont& font) {
    return font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF();
}

QString Amount(std::int64_t value) {
    return FromCoreText(projection::GroupedText(static_cast<double>(value)));
}

} // namespace

WaysWindow::WaysWindow(QWidget* yearsScreen) : QDialog(yearsScreen) {
    setModal(false);
    setObjectName("frmCompareWays");
    setWindowTitle(QStringLiteral("Compare Ways"));
    auto* layout = new QVBoxLayout(this);
    // The table and the chart scroll where the desktop is too small for them;
    // the sentence and the buttons stay in view below.
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName("scrollWays");
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* content = new QWidget(scroll);
    auto* parts = new QVBoxLayout(content);
    parts->setContentsMargins(0, 0, 0, 0);
    scroll->setWidget(content);
    layout->addWidget(scroll, 1);

    table_ = new QTableWidget(4, static_cast<int>(kHeadings.size()), content);
    NameControl(*table_, "StringGridWays", QStringLiteral("The ways of selling side by side"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->setWordWrap(false);
    for (std::size_t c = 0; c < kHeadings.size(); ++c) {
        table_->setHorizontalHeaderItem(static_cast<int>(c),
                                        new QTableWidgetItem(QString::fromLatin1(kHeadings[c])));
    }
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Every cell whole: the columns as wide as their texts, the table scrolling
    // sideways where the window is narrower.
    table_->setTextElideMode(Qt::ElideNone);
    parts->addWidget(table_);

    chart_ = new WaysChartView(content);
    NameControl(*chart_, "pnlWaysChart",
                QStringLiteral("Investments at each year's end, one line per way of selling"));
    chart_->setMinimumHeight(120);
    parts->addWidget(chart_, 1);

    sentence_ = NamedLabel(this, "lblWaysSentence", QString());
    sentence_->setWordWrap(true);
    layout->addWidget(sentence_);

    auto* buttons = new QHBoxLayout;
    QPushButton* exportCsv =
        NamedButton(this, "btnExportWaysCsv", QStringLiteral("Export as &CSV..."),
                    QStringLiteral("Save the comparison for a spreadsheet"));
    connect(exportCsv, &QPushButton::clicked, this, &WaysWindow::ExportRequested);
    QPushButton* close = NamedButton(this, "btnCloseWays", QStringLiteral("Close"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    buttons->addWidget(exportCsv);
    buttons->addStretch();
    buttons->addWidget(close);
    layout->addLayout(buttons);
    InstallCloseKeys(*this);
    baseType_ = TypeSize(font());
    FitDesktop();
}

void WaysWindow::FitTable() {
    table_->resizeColumnsToContents();
    table_->resizeRowsToContents();
    int height = 2 * table_->frameWidth() + table_->horizontalHeader()->sizeHint().height();
    for (int row = 0; row < table_->rowCount(); ++row) {
        height += table_->rowHeight(row);
    }
    if (table_->horizontalHeader()->length() > table_->viewport()->width()) {
        height += table_->horizontalScrollBar()->sizeHint().height();
    }
    table_->setFixedHeight(height);
}

void WaysWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    FitTable();
}

void WaysWindow::FitDesktop() {
    // As large as the type and the table's columns ask for, within nine tenths
    // of the desktop.
    const double scale = baseType_ > 0 ? TypeSize(font()) / baseType_ : 1.0;
    table_->resizeColumnsToContents();
    const QMargins margins = layout()->contentsMargins();
    const int tableWidth = table_->horizontalHeader()->length() + 2 * table_->frameWidth() +
                           margins.left() + margins.right();
    const QSize wanted(std::max(static_cast<int>(600 * scale), tableWidth),
                       static_cast<int>(440 * scale));
    const QScreen* place = screen();
    const QSize room = place != nullptr ? place->availableGeometry().size() * 9 / 10 : wanted;
    setMinimumSize(0, 0);
    resize(wanted.boundedTo(room));
}

void WaysWindow::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        FitDesktop();
        FitTable();
    }
}

void WaysWindow::showEvent(QShowEvent* event) {
    FitDesktop();
    FitTable();
    QDialog::showEvent(event);
}

void WaysWindow::Show(projection::WaysCompared ways) {
    ways_ = std::move(ways);
    const projection::BestOfWays best = projection::Best(ways_);
    QFont bold = table_->font();
    bold.setBold(true);
    for (std::size_t i = 0; i < ways_.Lines.size(); ++i) {
        const projection::WayLine& line = ways_.Lines[i];
        const std::array<QString, 5> texts{
            FromCoreText(std::string(projection::WayWords(line.way))),
            FromCoreText(projection::LastsText(line)), Amount(line.Taxes),
            Amount(line.EndInvestments), Amount(line.EndRegularIra)};
        const std::array<bool, 5> marked{false, best.RunsOut[i], best.Taxes[i],
                                         best.EndInvestments[i], best.EndRegularIra[i]};
        for (std::size_t c = 0; c < texts.size(); ++c) {
            // The best figure of its column: bold, with a mark a screen reader says too.
            auto* item =
                new QTableWidgetItem(marked[c] ? texts[c] + QStringLiteral(" \u2713") : texts[c]);
            item->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                          : Qt::AlignRight | Qt::AlignVCenter);
            if (marked[c]) {
                item->setFont(bold);
                item->setData(Qt::AccessibleTextRole, texts[c] + QStringLiteral(", the best"));
            }
            if (c == 0) {
                item->setForeground(WayColour(i));
            }
            table_->setItem(static_cast<int>(i), static_cast<int>(c), item);
        }
    }
    FitTable();
    const QString sentence = FromCoreText(projection::WaysSentence(ways_)) + QLatin1Char('.');
    sentence_->setText(sentence);
    sentence_->setAccessibleName(sentence);
    chart_->Show(&ways_);
}

} // namespace velmora

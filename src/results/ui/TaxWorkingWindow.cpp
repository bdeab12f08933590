#include "results/ui/TaxWorkingWindow.h"

#include "Workspace.h"
#include "results/TaxWorking.h"
#include "screens/ui/CloseKeys.h"
#include "screens/ui/ControlNames.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace velmora {

namespace {

QString TitleOf(const Workspace& ws) {
    return QStringLiteral("How the tax was worked out, tax year %1").arg(ws.taxYear.Number());
}

} // namespace

TaxWorkingWindow::TaxWorkingWindow(const Workspace& workspace, QWidget& resultsScreen)
    : QWidget(&resultsScreen, Qt::Window), workspace_(workspace), resultsScreen_(resultsScreen) {
    setObjectName("TaxWorkingWindow");
    setWindowTitle(QStringLiteral("How the tax was worked out"));
    setAccessibleName(QStringLiteral("How the tax was worked out"));

    title_ = new QLabel(this);
    title_->setObjectName("lblTaxWorking");
    QFont bold = title_->font();
    bold.setBold(true);
    title_->setFont(bold);

    table_ = new QTableWidget(0, 3, this);
    table_->setObjectName("tableTaxWorking");
    table_->setAccessibleName(QStringLiteral("How the tax was worked out"));
    table_->setHorizontalHeaderLabels(
        {QString(), QStringLiteral("Without withdrawal"), QStringLiteral("With withdrawal")});
    table_->horizontalHeaderItem(0)->setData(Qt::AccessibleTextRole, QStringLiteral("Line"));
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->setShowGrid(false);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    table_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);

    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    close->setObjectName("btnCloseTaxWorking");
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    note_ = new QLabel(QString::fromStdString(TaxWorkingNote()), this);
    NameControl(*note_, "lblTaxWorkingNote", note_->text());
    note_->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title_);
    layout->addWidget(table_, 1);
    layout->addWidget(note_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    layout->addLayout(buttons);

    resultsScreen_.installEventFilter(this);
    InstallCloseKeys(*this);
    Refresh();
    // Every line in view at once where the desktop has the room.
    table_->resizeColumnsToContents();
    const int rows = table_->verticalHeader()->length() + table_->horizontalHeader()->height() +
                     2 * table_->frameWidth();
    const int columns = table_->horizontalHeader()->length() + 2 * table_->frameWidth();
    const QSize wanted(std::max(columns + 40, 520),
                       rows + 3 * title_->sizeHint().height() +
                           note_->heightForWidth(std::max(columns, 480)) + 66);
    const QScreen* screen = resultsScreen_.screen();
    const QSize room = screen != nullptr ? screen->availableGeometry().size() * 9 / 10 : wanted;
    resize(wanted.boundedTo(room));
}

void TaxWorkingWindow::Refresh() {
    title_->setText(TitleOf(workspace_));
    const std::vector<TaxWorkingLine> lines = TaxWorkingLines(workspace_);
    table_->setRowCount(static_cast<int>(lines.size()));
    QFont bold = table_->font();
    bold.setBold(true);
    for (int row = 0; row < static_cast<int>(lines.size()); ++row) {
        const TaxWorkingLine& line = lines[static_cast<std::size_t>(row)];
        auto* label = new QTableWidgetItem(QString::fromStdString(line.Label));
        if (line.Heading) {
            label->setFont(bold);
        }
        table_->setItem(row, 0, label);
        for (int column : {1, 2}) {
            const std::string& text = column == 1 ? line.WithoutWithdrawal : line.WithWithdrawal;
            auto* item = new QTableWidgetItem(QString::fromStdString(text));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(row, column, item);
        }
    }
}

bool TaxWorkingWindow::eventFilter(QObject* watched, QEvent* event) {
    // Leaving the results screen hides the working with it; a window system's
    // hiding (minimizing) does not.
    if (watched == &resultsScreen_ && event->type() == QEvent::Hide && !event->spontaneous()) {
        hide();
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace velmora

#include "projection/ui/TfrmYearsAhead.h"

#include "Workspace.h"
#include "projection/ProjectionTexts.h"
#include "projection/ui/ShortfallShade.h"
#include "projection/ui/WaysWindow.h"
#include "projection/ui/YearsChart.h"
#include "projection/ui/YearsExport.h"
#include "projection/ui/YearsSettings.h"
#include "screens/ui/ControlNames.h"
#include "screens/ui/ScreenText.h"
#include "screens/ui/ScreenWindow.h"
#include "screens/ui/Shell.h"
#include "sizing/ui/ViewMarks.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>
#include <algorithm>
#include <array>

namespace velmora {

namespace {

// The table's columns: the heading shown, what a screen reader says, the width.
struct Column {
    const char* heading;
    const char* spoken;
    int width;
};

constexpr std::array<Column, 11> kColumns{{
    {"Year", "Year", 38},
    {"Age", "Your age", 30},
    {"Spouse", "Your spouse's age", 44},
    {"Budget", "Budget", 64},
    {"Income", "Income", 64},
    {"Min. IRA", "Minimum IRA withdrawal", 60},
    {"Sold", "Sold in all", 64},
    {"Taxes", "Taxes with the sales", 56},
    {"Cash kept", "Cash kept after the budget", 64},
    {"Investments", "Investments at the year's end", 80},
    {"Sales", "What is sold", 400},
}};
constexpr int kSpouseColumn = 2;
constexpr std::size_t kTaxesColumn = 7;

// Type size of the screen, as the results screen's.
constexpr int kPixelSize = 11;

// A label and the box after it on one line, from `x`; gives where the line goes on.
int PlaceLabelled(QLabel& label, QWidget& box, int x, int y, int boxWidth) {
    label.adjustSize();
    label.move(x, y + (22 - label.height()) / 2);
    box.setGeometry(x + label.width() + 4, y, boxWidth, 22);
    return box.geometry().right() + 16;
}

QTableWidgetItem* Cell(const QString& text, bool number) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(number ? Qt::AlignRight | Qt::AlignVCenter
                                  : Qt::AlignLeft | Qt::AlignVCenter);
    return item;
}

QString Amount(double value) {
    return FromCoreText(projection::GroupedText(value));
}

} // namespace

TfrmYearsAhead::TfrmYearsAhead(const ScreenContext& context)
    : workspace_(context.workspace), shell_(context.shell),
      export_(std::make_unique<YearsExport>(context.dialogs, *this)) {
    setObjectName("frmYearsAhead");
    setWindowTitle(QStringLiteral("Years Ahead"));
    CreateMenus();
    auto* central = new QWidget(this);
    central->setObjectName("pnlYearsAhead");
    QFont type = central->font();
    type.setPixelSize(kPixelSize);
    central->setFont(type);
    setCentralWidget(central);
    CreateControls(central);
    KeepInView(*central->findChild<QWidget*>(QStringLiteral("btnReturn")));
    resize(640, 467);
}

TfrmYearsAhead::~TfrmYearsAhead() = default;

void TfrmYearsAhead::CreateMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName("mnuFile");
    NamedAction(*this, file, "hlpSave", QStringLiteral("&Save"), &TfrmYearsAhead::hlpSaveClick);
    NamedAction(*this, file, "mnuExportCsv", QStringLiteral("Export Years as &CSV..."),
                &TfrmYearsAhead::mnuExportCsvClick);
    QAction* back = NamedAction(*this, file, "mnuReturn", QStringLiteral("&Return to Results"),
                                &TfrmYearsAhead::btnReturnClick);
    back->setShortcut(QKeySequence(Qt::Key_Escape));
    file->addSeparator();
    NamedAction(*this, file, "hlpExit", QStringLiteral("E&xit"), &TfrmYearsAhead::hlpExitClick);
    NamedAction(*this, nullptr, "hlpContent", QStringLiteral("&Help"),
                &TfrmYearsAhead::hlpContentClick);
}

void TfrmYearsAhead::CreateControls(QWidget* parent) {
    lblSummary = NamedLabel(parent, "lblSummary", QString(), true);
    lblSummary->setWordWrap(true);
    lblSummary->setGeometry(8, 2, 624, 44);
    FitInView(*lblSummary); // wraps within what is seen of the screen

    QLabel* through = NamedLabel(parent, "lblThroughAge", QStringLiteral("Through age"));
    editThroughAge = new QSpinBox(parent);
    NameControl(*editThroughAge, "editThroughAge", through->text());
    editThroughAge->setRange(projection::kThroughAgeRange.Lowest,
                             projection::kThroughAgeRange.Highest);
    int x = PlaceLabelled(*through, *editThroughAge, 8, 48, 52);
    through->setBuddy(editThroughAge);
    // Whose age it is: the younger's, named, with the age now.
    lblThroughWhom = NamedLabel(parent, "lblThroughWhom", QString());
    lblThroughWhom->setGeometry(x - 12, 48, 196, 22);
    x += 184;

    QLabel* earnings =
        NamedLabel(parent, "lblEarningsEndAge", QStringLiteral("Earnings end at age"));
    editEarningsEndAge = new QSpinBox(parent);
    NameControl(*editEarningsEndAge, "editEarningsEndAge", earnings->text());
    editEarningsEndAge->setRange(projection::kEarningsEndAgeRange.Lowest,
                                 projection::kEarningsEndAgeRange.Highest);
    x = PlaceLabelled(*earnings, *editEarningsEndAge, x, 48, 52);
    earnings->setBuddy(editEarningsEndAge);

    chkPensionsIndexed = new QCheckBox(QStringLiteral("Pensions rise with inflation"), parent);
    NameControl(*chkPensionsIndexed, "chkPensionsIndexed", chkPensionsIndexed->text());
    chkPensionsIndexed->adjustSize();
    chkPensionsIndexed->move(8, 72 + (22 - chkPensionsIndexed->height()) / 2);

    QLabel* way = NamedLabel(parent, "lblWay", QStringLiteral("Selling"));
    cmbWay = new QComboBox(parent);
    NameControl(*cmbWay, "cmbWay", QStringLiteral("Way of selling"));
    for (const projection::Way choice : projection::kWays) {
        cmbWay->addItem(FromCoreText(std::string(projection::WayWords(choice))));
    }
    x = PlaceLabelled(*way, *cmbWay, chkPensionsIndexed->geometry().right() + 16, 72, 150);
    way->setBuddy(cmbWay);
    QPushButton* compare = NamedButton(
        parent, "btnCompareWays", QStringLiteral("Compare &Ways..."),
        QStringLiteral("The years under each of the four ways of selling, side by side"));
    compare->setGeometry(x - 8, 71, 112, 24);
    connect(compare, &QPushButton::clicked, this, &TfrmYearsAhead::btnCompareWaysClick);

    // The law the years follow, under either tax year.
    lblTaxLaw = NamedLabel(parent, "lblTaxLaw", QString());
    lblTaxLaw->setGeometry(8, 96, 624, 16);

    connect(editThroughAge, &QSpinBox::valueChanged, this, &TfrmYearsAhead::SettingChanged);
    connect(editEarningsEndAge, &QSpinBox::valueChanged, this, &TfrmYearsAhead::SettingChanged);
    connect(chkPensionsIndexed, &QCheckBox::toggled, this, &TfrmYearsAhead::SettingChanged);
    connect(cmbWay, &QComboBox::currentIndexChanged, this, &TfrmYearsAhead::SettingChanged);

    StringGridYears = new QTableWidget(0, static_cast<int>(kColumns.size()), parent);
    NameControl(*StringGridYears, "StringGridYears", QStringLiteral("The years ahead"));
    StringGridYears->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGridYears->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGridYears->verticalHeader()->hide();
    StringGridYears->verticalHeader()->setDefaultSectionSize(17);
    StringGridYears->setWordWrap(false);
    StringGridYears->setTabKeyNavigation(false); // Tab leaves the table, as any other control
    for (std::size_t c = 0; c < kColumns.size(); ++c) {
        auto* heading = new QTableWidgetItem(QString::fromLatin1(kColumns[c].heading));
        heading->setData(Qt::AccessibleTextRole, QString::fromLatin1(kColumns[c].spoken));
        heading->setToolTip(QString::fromLatin1(kColumns[c].spoken));
        StringGridYears->setHorizontalHeaderItem(static_cast<int>(c), heading);
        StringGridYears->setColumnWidth(static_cast<int>(c), kColumns[c].width);
    }
    StringGridYears->setGeometry(8, 114, 624, 132);

    chart_ = new YearsChartView(parent);
    NameControl(*chart_, "pnlYearsChart",
                QStringLiteral("Investments at each year's end by risk category, and the budget"));
    chart_->setGeometry(8, 250, 624, 156);

    QPushButton* exportCsv =
        NamedButton(parent, "btnExportCsv", QStringLiteral("Export as &CSV..."),
                    QStringLiteral("Save the table of the years for a spreadsheet"));
    exportCsv->setGeometry(8, 412, 120, 25);
    connect(exportCsv, &QPushButton::clicked, this, &TfrmYearsAhead::mnuExportCsvClick);

    QPushButton* back = NamedButton(parent, "btnReturn", QStringLiteral("Return to Results"));
    QFont bold = back->font();
    bold.setBold(true);
    back->setFont(bold);
    back->setGeometry(488, 412, 144, 25);
    connect(back, &QPushButton::clicked, this, &TfrmYearsAhead::btnReturnClick);
}

void TfrmYearsAhead::FormActivate() {
    QSettings settings;
    const projection::Settings kept = KeptYearsSettings(settings);
    {
        const QSignalBlocker a(editThroughAge);
        const QSignalBlocker b(editEarningsEndAge);
        const QSignalBlocker c(chkPensionsIndexed);
        const QSignalBlocker d(cmbWay);
        editThroughAge->setValue(kept.ThroughAge);
        editEarningsEndAge->setValue(kept.EarningsEndAge);
        chkPensionsIndexed->setChecked(kept.PensionsIndexed);
        cmbWay->setCurrentIndex(static_cast<int>(kept.way));
    }
    Recalculate();
}

projection::Settings TfrmYearsAhead::ChosenSettings() const {
    const int way =
        std::clamp(cmbWay->currentIndex(), 0, static_cast<int>(projection::kWays.size()) - 1);
    return {.ThroughAge = editThroughAge->value(),
            .EarningsEndAge = editEarningsEndAge->value(),
            .PensionsIndexed = chkPensionsIndexed->isChecked(),
            .way = projection::kWays[static_cast<std::size_t>(way)]};
}

void TfrmYearsAhead::SettingChanged() {
    QSettings settings;
    KeepYearsSettings(settings, ChosenSettings());
    Recalculate();
}

void TfrmYearsAhead::Recalculate() {
    years_ = projection::Project(workspace_.plan, workspace_.taxYear, ChosenSettings());
    QString summary = FromCoreText(projection::Summary(years_));
    if (!summary.isEmpty()) {
        summary += QLatin1Char('.');
    }
    if (const std::string stop = projection::StopText(years_); !stop.empty()) {
        summary += (summary.isEmpty() ? QString() : QStringLiteral(" ")) + FromCoreText(stop);
    }
    lblSummary->setText(summary);
    lblSummary->setAccessibleName(summary);
    const QString whom = FromCoreText(projection::ThroughWhom(years_));
    lblThroughWhom->setText(whom);
    lblThroughWhom->setAccessibleName(whom);
    const QString law = FromCoreText(projection::LawLine(years_));
    lblTaxLaw->setText(law);
    lblTaxLaw->setAccessibleName(law);
    ShowTable();
    chart_->Show(&years_);
    if (ways_ != nullptr && ways_->isVisible()) {
        ways_->Show(projection::CompareWays(workspace_.plan, workspace_.taxYear, ChosenSettings()));
    }
}

void TfrmYearsAhead::btnCompareWaysClick() {
    if (ways_ == nullptr) {
        ways_ = new WaysWindow(this);
        connect(ways_, &WaysWindow::ExportRequested, this,
                [this] { export_->ExportWaysCsv(ways_->Ways()); });
    }
    ways_->Show(projection::CompareWays(workspace_.plan, workspace_.taxYear, ChosenSettings()));
    ways_->show();
    ways_->raise();
}

void TfrmYearsAhead::ShowTable() {
    const bool married = !years_.Years.empty() && years_.Years.front().Married;
    StringGridYears->setColumnHidden(kSpouseColumn, !married);
    StringGridYears->setRowCount(static_cast<int>(years_.Years.size()));
    for (int row = 0; row < static_cast<int>(years_.Years.size()); ++row) {
        const projection::ProjectedYear& year = years_.Years[static_cast<std::size_t>(row)];
        const projection::YearFigures f = projection::FiguresOf(year);
        QString sold = FromPlanText(projection::SalesText(year));
        if (year.Shortfall > 0) {
            sold += (sold.isEmpty() ? QString() : QStringLiteral("; ")) + Amount(f.Shortfall) +
                    QStringLiteral(" cannot be met");
        }
        const std::array<QString, kColumns.size()> texts{QString::number(year.Year),
                                                         QString::number(year.AgeSelf),
                                                         married ? QString::number(year.AgeSpouse)
                                                                 : QString(),
                                                         Amount(f.Budget),
                                                         Amount(f.Income),
                                                         Amount(f.MinimumIra),
                                                         Amount(f.Sold),
                                                         Amount(f.Taxes),
                                                         Amount(f.Surplus),
                                                         Amount(f.EndInvestments),
                                                         sold};
        const bool runShort = RunShort(years_, year);
        for (std::size_t c = 0; c < texts.size(); ++c) {
            QTableWidgetItem* item = Cell(texts[c], c + 1 < texts.size());
            if (runShort) {
                item->setBackground(ShortfallShade());
            }
            item->setToolTip(c == kTaxesColumn
                                 ? texts[c] + QStringLiteral(", of which on the sales ") +
                                       Amount(f.TaxOnSales)
                                 : texts[c]);
            StringGridYears->setItem(row, static_cast<int>(c), item);
        }
    }
}

void TfrmYearsAhead::btnReturnClick() {
    shell_.Show(Screen::Results);
}

void TfrmYearsAhead::mnuExportCsvClick() {
    export_->ExportCsv(years_);
}

void TfrmYearsAhead::hlpSaveClick() {
    shell_.Save();
}

void TfrmYearsAhead::hlpExitClick() {
    shell_.ExitSequence();
}

void TfrmYearsAhead::hlpContentClick() {
    shell_.HelpContents();
}

} // namespace velmora

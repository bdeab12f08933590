#include "results/ui/TfrmCalc.h"

#include "app/ui/PlanText.h"
#include "app/ui/ScreenNames.h"
#include "app/ui/Shell.h"
#include "app/ui/widgets/StringGrid.h"
#include "Workspace.h"
#include "results/CategoryRows.h"
#include "results/QuickHelpTexts.h"
#include "results/ResultBoxList.h"
#include "results/ResultsCalculation.h"
#include "results/RiskRanking.h"
#include "results/ui/ResultsExport.h"

#include <QAction>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>

namespace velmora {

namespace {

// Base type size of the screen; smaller where the machine's font is too wide
// for a label to fit before the box beside it.
constexpr int kLargestPixelSize = 11;
constexpr int kSmallestPixelSize = 8;
constexpr int kBoxHeight = 21;

struct LabelPlace {
    const char* name;
    const char* text;
    int x;
    int y;
    bool bold;
    int room; // widest the text may be without reaching what stands to its right; 0: no limit
};

const LabelPlace kLabels[] = {
    {"lblNote", "ERR = Effective Rate of Return (%)", 8, 12, false, 182},
    {"lblBonds", "B: Bonds, CDs, Bank", 432, 8, false, 110},
    {"lblStocks", "S: Stock, Equities", 432, 24, false, 110},
    {"lblIRA", "I: IRA, standard", 544, 8, false, 94},
    {"lblRoth", "R: IRA, Roth", 544, 24, false, 94},
    {"lblZero", "Zero", 56, 32, true, 0},
    {"lblLow", "Low", 208, 32, true, 0},
    {"lblMedium", "Medium", 344, 32, true, 0},
    {"lblHigh", "High", 528, 32, true, 0},
    {"lblSubTotal", "sub total", 0, 232, true, 62},
    {"lblPercentOfTotal", "% of Total", 8, 256, true, 70},
    {"lblIncome", "INCOME", 8, 280, true, 150},
    {"lblContinuedEarnings", "Continued Earnings", 8, 296, false, 94},
    {"lblEntitlements", "Entitlements", 8, 320, false, 94},
    {"lblIntAndDiv", "Interest + Dividends", 8, 344, false, 94},
    {"lblMinimumIRA", "Minimum IRA", 8, 368, false, 94},
    {"lblExpenses", "EXPENSES", 168, 280, true, 126},
    {"lblAnnual", "Annual", 160, 296, false, 70},
    {"lblBudget", "Budget", 160, 312, false, 70},
    {"lblTaxesOn", "Taxes on:", 160, 328, false, 70},
    {"lblTaxesOnIncome", " - Income", 160, 344, false, 70},
    {"lblTaxesOnWithdrawals", " - Withdrawals", 160, 360, false, 70},
    {"lblTaxInformation", "TAX INFORMATION", 296, 280, true, 158},
    {"lblIncrementalTaxRates", "Incremental Tax Rates", 312, 296, false, 140},
    {"lblQualified", "Qualified", 360, 312, false, 90},
    {"lblRateColumns", " Ordinary   Div  CapGain", 320, 328, false, 126},
    {"lblFederal", "Federal", 296, 344, false, 38},
    {"lblStateAndLocal", "State + Local", 304, 368, false, 70},
    {"lblInvestmentTotal", "INVESTMENT TOTAL", 456, 280, true, 182},
    {"lblWithdrawalNeeded", "WITHDRAWAL NEEDED", 448, 320, true, 190},
};

struct BoxPlace {
    const char* name;
    const char* readable; // the words of the labels beside the box
    int x;
    int y;
    int width;
};

const BoxPlace kBoxes[] = {
    {"editTotalZero", "Zero sub total", 64, 232, 57},
    {"editTotalLow", "Low sub total", 216, 232, 65},
    {"editTotalMedium", "Medium sub total", 376, 232, 65},
    {"editTotalHigh", "High sub total", 536, 232, 57},
    {"editPerCent0", "Zero % of total", 80, 256, 25},
    {"editPerCent1", "Low % of total", 232, 256, 25},
    {"editPerCent2", "Medium % of total", 392, 256, 25},
    {"editPerCent3", "High % of total", 552, 256, 25},
    {"editContinuedEarnings", "Continued earnings", 104, 288, 49},
    {"editEntitlements", "Entitlements", 104, 312, 49},
    {"editIntAndDiv", "Interest + dividends", 104, 336, 49},
    {"editIRA", "Minimum IRA", 104, 360, 49},
    {"editBudget", "Annual budget", 232, 304, 49},
    {"editTaxOnIncome", "Taxes on income", 232, 336, 49},
    {"editTaxOnWithdrawals", "Taxes on withdrawals", 232, 360, 65},
    {"editTaxRate", "Federal ordinary rate", 336, 344, 25},
    {"editDivTaxRate", "Federal qualified dividend rate", 376, 344, 25},
    {"editCGTaxRate", "Federal capital gain rate", 408, 344, 25},
    {"editStateTaxRate", "State + local rate", 376, 368, 25},
    {"editTotalInvestments", "Investment total", 504, 296, 65},
    {"editWithDrawalNeeded", "Withdrawal needed", 504, 336, 65},
};

// Boxes that take typing; nothing reads what is typed, the next calculation overwrites it.
bool AcceptsTyping(const QString& name) {
    return name == QLatin1String("editStateTaxRate") || name == QLatin1String("editCGTaxRate");
}

struct GridPlace {
    const char* name;
    const char* readable;
    int x;
};

// Category k is shown in grid k. The last grid stands two pixels right of its
// nominal place so that it does not cover the border of the grid beside it.
const GridPlace kGrids[] = {
    {"StringGrid0", "Zero", 0},
    {"StringGrid1", "Low", 158},
    {"StringGrid2", "Medium", 317},
    {"StringGrid3", "High", 472},
};
constexpr int kGridTop = 48;
constexpr int kGridWidth = 155;
constexpr int kGridHeight = 180;
constexpr int kGridRowHeight = 15;

QFont Bold(QFont font) {
    font.setBold(true);
    return font;
}

// The largest type size, from the base size down, at which every label fits
// its room; at each size a semi-condensed face is tried after the normal one.
QFont FittingFont(QFont font) {
    for (int size = kLargestPixelSize; size >= kSmallestPixelSize; --size) {
        for (int stretch : {int{QFont::Unstretched}, int{QFont::SemiCondensed}}) {
            font.setPixelSize(size);
            font.setStretch(stretch);
            const QFontMetrics plain(font);
            const QFontMetrics bold(Bold(font));
            bool fits = true;
            for (const LabelPlace& place : kLabels) {
                const QFontMetrics& metrics = place.bold ? bold : plain;
                fits = fits &&
                       (place.room == 0 ||
                        metrics.horizontalAdvance(QString::fromLatin1(place.text)) <= place.room);
            }
            if (fits) {
                return font;
            }
        }
    }
    return font;
}

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

TfrmCalc::TfrmCalc(Workspace& workspace, Dialogs& dialogs, Shell& shell)
    : workspace_(workspace), shell_(shell) {
    setObjectName("frmCalc");
    setWindowTitle(QStringLiteral("Calculation"));
    export_ = new ResultsExport(workspace_, dialogs, *this);
    CreateMenus();

    auto* central = new QWidget(this);
    central->setObjectName("pnlResults");
    central->setFont(FittingFont(font()));
    setCentralWidget(central);
    CreateLabels(central);
    CreateGrids(central, dialogs);
    CreateBoxes(central);
    CreateButtons(central);

    resize(640, 467);
}

void TfrmCalc::CreateMenus() {
    auto add = [this](QMenu* menu, const char* name, const QString& caption, auto handler) {
        QAction* action =
            menu != nullptr ? menu->addAction(caption) : menuBar()->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, handler);
    };
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName("mnuFile");
    add(file, "hlpSave", QStringLiteral("&Save"), &TfrmCalc::hlpSaveClick);
    add(file, "hlpPrint", QStringLiteral("&Print"), &TfrmCalc::hlpPrintClick);
    file->addSeparator();
    add(file, "mnuExportCsv", QStringLiteral("Export Results as &CSV..."),
        &TfrmCalc::mnuExportCsvClick);
    add(file, "mnuSaveReportPdf", QStringLiteral("Save Report as &PDF..."),
        &TfrmCalc::mnuSaveReportPdfClick);
    add(file, "mnuPrintReport", QStringLiteral("Print &Report..."), &TfrmCalc::mnuPrintReportClick);
    file->addSeparator();
    add(file, "hlpExit", QStringLiteral("E&xit"), &TfrmCalc::hlpExitClick);

    QMenu* quick = menuBar()->addMenu(QStringLiteral("&Quick Help"));
    quick->setObjectName("mnuQuickHelp");
    add(quick, "mnuGenereal", QStringLiteral("&General - This screen only"),
        &TfrmCalc::mnuGenerealClick);
    add(quick, "hlpRiskCategories", QStringLiteral("&RiskCategories"),
        &TfrmCalc::hlpRiskCategoriesClick);
    add(quick, "hlpRetentionValues", QStringLiteral("&Equivalent retes of return "),
        &TfrmCalc::hlpRetentionValuesClick);
    add(quick, "hlpIncome", QStringLiteral("&Income"), &TfrmCalc::hlpIncomeClick);
    add(quick, "hlpExpenses", QStringLiteral("Ex&penses"), &TfrmCalc::hlpExpensesClick);
    add(quick, "hlpTaxInfo", QStringLiteral("Income &Tax Information"), &TfrmCalc::hlpTaxInfoClick);
    add(quick, "hlpWithdrawalNeeded", QStringLiteral("&Withdrawal Needed"),
        &TfrmCalc::hlpWithdrawalNeededClick);

    add(nullptr, "hlpContent", QStringLiteral("&Help"), &TfrmCalc::hlpContentClick);
    add(nullptr, "mnuCharts", QStringLiteral("&Charts"), &TfrmCalc::mnuChartsClick);
}

void TfrmCalc::CreateLabels(QWidget* parent) {
    for (const LabelPlace& place : kLabels) {
        auto* label = new QLabel(QString::fromLatin1(place.text), parent);
        NameControl(*label, place.name, label->text().trimmed());
        if (place.bold) {
            label->setFont(Bold(label->font()));
        }
        label->move(place.x, place.y);
        label->adjustSize();
    }
    // "High" stands under the legend's second column: it ends before that column
    // starts, so that the two lines do not touch.
    auto* high = parent->findChild<QLabel*>(QStringLiteral("lblHigh"));
    const auto* roth = parent->findChild<QLabel*>(QStringLiteral("lblRoth"));
    if (high->geometry().right() >= roth->x()) {
        high->move(roth->x() - 1 - high->width(), high->y());
    }

    auto* title = new QLabel(QStringLiteral("Portfolio Risk Categories"), parent);
    NameControl(*title, "lblTitle", title->text());
    QFont large = Bold(title->font());
    large.setPixelSize(large.pixelSize() + 5);
    title->setFont(large);
    title->move(192, 8);
    title->adjustSize();
}

void TfrmCalc::CreateGrids(QWidget* parent, Dialogs& dialogs) {
    for (std::size_t k = 0; k < grids_.size(); ++k) {
        auto* grid = new StringGrid(dialogs, parent);
        NameControl(*grid, kGrids[k].name, QString::fromLatin1(kGrids[k].readable));
        grid->SetSize(3, kGridRows);
        grid->SetFixedRows(1);
        grid->SetColWidths({65, 40, 27});
        grid->SetDefaultRowHeight(kGridRowHeight);
        grid->SetEditable(false);
        grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        // Narrow columns cut long texts off rather than spend room on an ellipsis;
        // a cell's tip shows its whole text.
        grid->setTextElideMode(Qt::ElideNone);
        grid->SetCells(0, 0, QStringLiteral("Name"));
        grid->SetCells(1, 0, QStringLiteral("Value"));
        grid->SetCells(2, 0, QStringLiteral("ERR"));
        grid->setGeometry(kGrids[k].x, kGridTop, kGridWidth, kGridHeight);
        grids_[k] = grid;
    }
}

void TfrmCalc::CreateBoxes(QWidget* parent) {
    for (const BoxPlace& place : kBoxes) {
        auto* box = new QLineEdit(parent);
        const QString name = QString::fromLatin1(place.name);
        NameControl(*box, place.name, QString::fromLatin1(place.readable));
        box->setReadOnly(!AcceptsTyping(name));
        box->setGeometry(place.x, place.y, place.width, kBoxHeight);
        boxes_.insert(name, box);
    }
}

void TfrmCalc::CreateButtons(QWidget* parent) {
    auto* btnReturn = new QPushButton(QStringLiteral("Return to Data Entry"), parent);
    NameControl(*btnReturn, "btnReturn", btnReturn->text());
    btnReturn->setFont(Bold(btnReturn->font()));
    btnReturn->setGeometry(488, 368, 129, 25);
    connect(btnReturn, &QPushButton::clicked, this, &TfrmCalc::btnReturnClick);

    // The help memo and its button lie over the grids and boxes while shown.
    memoHelp = new QPlainTextEdit(parent);
    NameControl(*memoHelp, "memoHelp", QStringLiteral("Quick Help"));
    memoHelp->setReadOnly(true);
    memoHelp->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memoHelp->setFocusPolicy(Qt::ClickFocus);
    QPalette colours = memoHelp->palette();
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::Text, Qt::black);
    memoHelp->setPalette(colours);
    QFont memoFont = memoHelp->font();
    memoFont.setPixelSize(memoFont.pixelSize() + 5);
    memoFont.setStretch(QFont::Unstretched); // room enough for the text's own width
    memoHelp->setFont(memoFont);
    // One pixel shorter than the memo's nominal 313, so that it ends where the button starts.
    memoHelp->setGeometry(48, 32, 569, 312);
    memoHelp->hide();

    btnExitMemoHelp = new QPushButton(QStringLiteral("Exit this Help Screen"), parent);
    NameControl(*btnExitMemoHelp, "btnExitMemoHelp", btnExitMemoHelp->text());
    QFont large = Bold(btnExitMemoHelp->font());
    large.setPixelSize(large.pixelSize() + 7);
    large.setStretch(QFont::Unstretched);
    btnExitMemoHelp->setFont(large);
    btnExitMemoHelp->setGeometry(48, 344, 569, 57);
    btnExitMemoHelp->hide();
    connect(btnExitMemoHelp, &QPushButton::clicked, this, &TfrmCalc::btnExitMemoHelpClick);
}

void TfrmCalc::FormActivate() {
    Calculate();
}

void TfrmCalc::Calculate() {
    results::Calculate(workspace_);
    ShowBoxes();
    ShowGrids();
}

void TfrmCalc::LoadArrays() {
    results::LoadArrays(workspace_);
}

void TfrmCalc::SortCategory(int category, int low, int high) {
    results::SortCategory(workspace_, category, low, high);
}

void TfrmCalc::ShowBoxes() {
    for (const results::BoxText& box : results::BoxList(workspace_.results.boxes)) {
        if (QLineEdit* edit = boxes_.value(QString::fromLatin1(box.Name))) {
            edit->setText(Text(*box.Text));
            edit->setCursorPosition(0);
        }
    }
}

void TfrmCalc::ShowGrids() {
    // Every entry of a category is listed, so a category of more than a grid's
    // visible rows scrolls; rows past the last entry show the cleared slots.
    for (std::size_t k = 0; k < grids_.size(); ++k) {
        StringGrid* grid = grids_[k];
        const int count = workspace_.ranking.CategoryCount[k];
        for (int slot = 1; slot < kGridRows; ++slot) {
            const results::CategoryRow row =
                results::SlotRow(workspace_.ranking, static_cast<int>(k), slot);
            const QString texts[] = {FromPlanText(row.Name), Text(row.Value), Text(row.Err)};
            for (int col = 0; col < 3; ++col) {
                grid->SetCells(col, slot, texts[col]);
                grid->SetCellTip(col, slot, slot <= count ? texts[col] : QString());
            }
        }
        grid->scrollToTop();
    }
}

void TfrmCalc::ShowQuickHelp(std::span<const char* const> lines) {
    memoHelp->show();
    btnExitMemoHelp->show();
    memoHelp->raise();
    btnExitMemoHelp->raise();
    memoHelp->setPlainText(QString::fromLatin1(lines.front()));
    for (const char* line : lines.subspan(1)) {
        memoHelp->appendPlainText(QString::fromLatin1(line));
    }
    memoHelp->moveCursor(QTextCursor::Start);
}

void TfrmCalc::btnReturnClick() {
    shell_.Show(Screen::DataInput);
}

void TfrmCalc::mnuGenerealClick() {
    ShowQuickHelp(kQuickHelpGeneral);
}

void TfrmCalc::hlpRiskCategoriesClick() {
    ShowQuickHelp(kQuickHelpRiskCategories);
}

void TfrmCalc::hlpRetentionValuesClick() {
    ShowQuickHelp(kQuickHelpEquivalentRates);
}

void TfrmCalc::hlpIncomeClick() {
    ShowQuickHelp(kQuickHelpIncome);
}

void TfrmCalc::hlpExpensesClick() {
    ShowQuickHelp(kQuickHelpExpenses);
}

void TfrmCalc::hlpTaxInfoClick() {
    ShowQuickHelp(kQuickHelpTaxInformation);
}

void TfrmCalc::hlpWithdrawalNeededClick() {
    ShowQuickHelp(kQuickHelpWithdrawalNeeded);
}

void TfrmCalc::btnExitMemoHelpClick() {
    memoHelp->hide();
    btnExitMemoHelp->hide();
}

void TfrmCalc::hlpSaveClick() {
    shell_.Save();
}

void TfrmCalc::hlpPrintClick() {
    shell_.PrintHint();
}

void TfrmCalc::hlpExitClick() {
    shell_.ExitSequence();
}

void TfrmCalc::hlpContentClick() {
    shell_.HelpContents();
}

void TfrmCalc::mnuExportCsvClick() {
    export_->ExportCsv();
}

void TfrmCalc::mnuSaveReportPdfClick() {
    export_->SaveReportPdf();
}

void TfrmCalc::mnuPrintReportClick() {
    export_->PrintReport();
}

void TfrmCalc::mnuChartsClick() {
    export_->ShowCharts();
}

} // namespace velmora

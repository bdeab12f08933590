#include "results/ui/TfrmCalc.h"

#include "Workspace.h"
#include "grid/ui/StringGrid.h"
#include "history/ui/PlanHistory.h"
#include "plan/FilingStatus.h"
#include "plan/PlanEdit.h"
#include "results/CategoryRows.h"
#include "results/QuickHelpTexts.h"
#include "results/ResultBox.h"
#include "results/ResultsCalculation.h"
#include "results/RiskRanking.h"
#include "results/ui/ResultsExport.h"
#include "screens/ui/ControlNames.h"
#include "screens/ui/FontFit.h"
#include "screens/ui/ScreenText.h"
#include "screens/ui/ScreenWindow.h"
#include "screens/ui/Shell.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

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

// Texts with leading blanks stand exactly so on the screen (they line up under
// the label above); they are kept as they are on purpose.
const LabelPlace kLabels[] = {
    {"lblNote", "ERR = Effective Rate of Return (%)", 8, 12, false, 182},
    {"lblBonds", "B: Bonds, CDs, Bank", 432, 8, false, 110},
    {"lblStocks", "S: Stock, Equities", 432, 24, false, 110},
    {"lblIRA", "I: IRA, standard", 544, 8, false, 94},
    {"lblRoth", "R: IRA, Roth", 544, 24, false, 94},
    {"lblZero", Title(RiskCategory::Zero).data(), 56, 32, true, 0},
    {"lblLow", Title(RiskCategory::Low).data(), 208, 32, true, 0},
    {"lblMedium", Title(RiskCategory::Medium).data(), 344, 32, true, 0},
    {"lblHigh", Title(RiskCategory::High).data(), 528, 32, true, 0},
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

// The boxes in the order they are made (and so the order of the tab key).
struct BoxPlace {
    ResultBox box;
    int x;
    int y;
    int width;
};

const BoxPlace kBoxes[] = {
    {ResultBox::TotalZero, 64, 232, 57},
    {ResultBox::TotalLow, 216, 232, 65},
    {ResultBox::TotalMedium, 376, 232, 65},
    {ResultBox::TotalHigh, 536, 232, 57},
    {ResultBox::PerCent0, 80, 256, 25},
    {ResultBox::PerCent1, 232, 256, 25},
    {ResultBox::PerCent2, 392, 256, 25},
    {ResultBox::PerCent3, 552, 256, 25},
    {ResultBox::ContinuedEarnings, 104, 288, 49},
    {ResultBox::Entitlements, 104, 312, 49},
    {ResultBox::IntAndDiv, 104, 336, 49},
    {ResultBox::Ira, 104, 360, 49},
    {ResultBox::Budget, 232, 304, 49},
    {ResultBox::TaxOnIncome, 232, 336, 49},
    {ResultBox::TaxOnWithdrawals, 232, 360, 65},
    {ResultBox::TaxRate, 336, 344, 25},
    {ResultBox::DivTaxRate, 376, 344, 25},
    {ResultBox::CGTaxRate, 408, 344, 25},
    {ResultBox::StateTaxRate, 376, 368, 25},
    {ResultBox::TotalInvestments, 504, 296, 65},
    {ResultBox::WithdrawalNeeded, 504, 336, 65},
};

// Boxes that take typing; nothing reads what is typed, the next calculation overwrites it.
bool AcceptsTyping(ResultBox box) {
    return box == ResultBox::StateTaxRate || box == ResultBox::CGTaxRate;
}

// Category k is shown in grid k ("StringGrid0" to "StringGrid3"), at these
// left edges. The last grid stands two pixels right of its nominal place so
// that it does not cover the border of the grid beside it.
constexpr std::array<int, kCategories> kGridLeft{0, 158, 317, 472};
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
QFont FittingFont(const QFont& font) {
    std::vector<TextRoom> labels;
    for (const LabelPlace& place : kLabels) {
        if (place.room != 0) {
            labels.push_back({QString::fromLatin1(place.text), place.room, place.bold});
        }
    }
    return LargestFittingFont(font, {kLargestPixelSize, kSmallestPixelSize, QFont::SemiCondensed},
                              labels);
}

// Where a step is taken back: `screen`, with cell (col, row) of its grid
// `gridName` current once the screen shows.
StepPlace CellPlace(Shell& shell, Screen screen, const char* gridName, int col, int row) {
    StepPlace place{screen};
    // The other screen may not be made yet: its grid is looked up once it shows.
    place.reveal = [&shell, screen, gridName, col, row] {
        QWidget* window = shell.ScreenWidget(screen);
        auto* grid = window != nullptr ? window->findChild<StringGrid*>(gridName) : nullptr;
        if (grid != nullptr && grid->isVisible() && !grid->isColumnHidden(col)) {
            grid->SetCurrentCell(col, row);
            grid->setFocus(Qt::OtherFocusReason);
        }
    };
    return place;
}

} // namespace

TfrmCalc::TfrmCalc(const ScreenContext& context)
    : workspace_(context.workspace), shell_(context.shell), history_(context.history) {
    setObjectName("frmCalc");
    setWindowTitle(QStringLiteral("Calculation"));
    export_ = new ResultsExport(workspace_, context.dialogs, *this);
    CreateMenus();

    auto* central = new QWidget(this);
    central->setObjectName("pnlResults");
    central->setFont(FittingFont(font()));
    setCentralWidget(central);
    CreateLabels(central);
    CreateGrids(central, context.dialogs);
    CreateBoxes(central);
    CreateButtons(central);
    // The totals and the withdrawal needed, each with its label, and the way
    // back stay in view when the screen is larger than the desktop.
    KeepInView(*central->findChild<QWidget*>(QStringLiteral("lblInvestmentTotal")), 1);
    KeepInView(*central->findChild<QWidget*>(QStringLiteral("editTotalInvestments")), 1);
    KeepInView(*central->findChild<QWidget*>(QStringLiteral("lblWithdrawalNeeded")), 2);
    KeepInView(*central->findChild<QWidget*>(QStringLiteral("editWithDrawalNeeded")), 2);
    KeepInView(*central->findChild<QWidget*>(QStringLiteral("btnReturn")));

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
    // "&Print" above has the letter P and "Re&do" the letter D.
    add(file, "mnuSaveReportPdf", QStringLiteral("Save Report as PD&F..."),
        &TfrmCalc::mnuSaveReportPdfClick);
    add(file, "mnuPrintReport", QStringLiteral("Print &Report..."), &TfrmCalc::mnuPrintReportClick);
    file->addSeparator();
    add(file, "hlpExit", QStringLiteral("E&xit"), &TfrmCalc::hlpExitClick);

    QMenu* quick = menuBar()->addMenu(QStringLiteral("&Quick Help"));
    quick->setObjectName("mnuQuickHelp");
    // "mnuGenereal" is the item's documented control name, spelling and all; kept on purpose.
    add(quick, "mnuGenereal", QStringLiteral("&General - This screen only"),
        &TfrmCalc::mnuGenerealClick);
    add(quick, "hlpRiskCategories", QStringLiteral("&RiskCategories"),
        &TfrmCalc::hlpRiskCategoriesClick);
    // "retes" and the trailing blank are the item's caption as it has always read; kept on purpose.
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

    QLabel* title = NamedLabel(parent, "lblTitle", QStringLiteral("Portfolio Risk Categories"));
    QFont large = Bold(title->font());
    large.setPixelSize(large.pixelSize() + 5);
    title->setFont(large);
    title->move(192, 8);
    title->adjustSize();
}

void TfrmCalc::CreateGrids(QWidget* parent, Dialogs& dialogs) {
    for (const RiskCategory category : kRiskCategories) {
        const int k = Number(category);
        auto* grid = new StringGrid(dialogs, parent);
        const std::string name = "StringGrid" + std::to_string(k);
        NameControl(*grid, name.c_str(), FromCoreText(Title(category)));
        grid->SetSize(3, kGridRows);
        grid->SetFixedRows(1);
        grid->SetColWidths({65, 40, 27});
        grid->SetDefaultRowHeight(kGridRowHeight);
        grid->SetEditable(false);
        grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        // A text too long for its narrow column ends in an ellipsis, so that a
        // cut number never looks whole; a cell's tip shows its whole text.
        grid->setTextElideMode(Qt::ElideRight);
        grid->SetCells(0, 0, QStringLiteral("Name"));
        grid->SetCells(1, 0, QStringLiteral("Value"));
        grid->SetCells(2, 0, QStringLiteral("ERR"));
        grid->setGeometry(kGridLeft[k], kGridTop, kGridWidth, kGridHeight);
        grids_[k] = grid;
    }
}

void TfrmCalc::CreateBoxes(QWidget* parent) {
    for (const BoxPlace& place : kBoxes) {
        auto* box = new QLineEdit(parent);
        NameControl(*box, BoxName(place.box).data(), FromCoreText(BoxLabel(place.box)));
        box->setReadOnly(!AcceptsTyping(place.box));
        box->setGeometry(place.x, place.y, place.width, kBoxHeight);
        boxes_[static_cast<std::size_t>(place.box)] = box;
    }
}

void TfrmCalc::CreateButtons(QWidget* parent) {
    QPushButton* btnReturn =
        NamedButton(parent, "btnReturn", QStringLiteral("Return to Data Entry"));
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
    FitInView(*memoHelp);

    btnExitMemoHelp =
        NamedButton(parent, "btnExitMemoHelp", QStringLiteral("Exit this Help Screen"));
    QFont large = Bold(btnExitMemoHelp->font());
    large.setPixelSize(large.pixelSize() + 7);
    large.setStretch(QFont::Unstretched);
    btnExitMemoHelp->setFont(large);
    btnExitMemoHelp->setGeometry(48, 344, 569, 57);
    btnExitMemoHelp->hide();
    FitInView(*btnExitMemoHelp);
    connect(btnExitMemoHelp, &QPushButton::clicked, this, &TfrmCalc::btnExitMemoHelpClick);
}

void TfrmCalc::FormActivate() {
    const PlanData& plan = workspace_.plan;
    const PlanWatch watch = PlanWatch::Everything(plan);
    const std::int32_t selfBefore = plan.SocialSecuritySelf;
    const std::int32_t spouseBefore = plan.SocialSecuritySpouse;
    Calculate();
    PlanEdit edit = watch.Changes(plan);
    // Taking the step back shows what comes back where it can be seen: a
    // cleared Social Security amount on the entitlements screen, a regular
    // IRA's basis on the IRA screen. A single filer's spouse amount is seen
    // nowhere, so that step goes back on the data input screen, where Show
    // Results was pressed.
    StepPlace place{Screen::DataInput};
    if (plan.SocialSecuritySelf != selfBefore) {
        place = CellPlace(shell_, Screen::Entitlements, "StringGridEntitlements", 1, 1);
    } else if (plan.SocialSecuritySpouse != spouseBefore &&
               FilingStatusOf(plan.Married) == FilingStatus::Married) {
        place = CellPlace(shell_, Screen::Entitlements, "StringGridEntitlements", 2, 1);
    } else if (const int row = edit.FirstRow(PlanPart::Ira); row >= 0) {
        place = CellPlace(shell_, Screen::IRAs, "StringGridIRAs", 0, row);
    }
    history_.Record(place, QStringLiteral("Show Results"), std::move(edit));
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
    for (const ResultBoxEntry& entry : kResultBoxes) {
        QLineEdit* edit = boxes_[static_cast<std::size_t>(entry.Box)];
        edit->setText(FromCoreText(workspace_.results.boxes.*entry.Text));
        edit->setCursorPosition(0);
    }
}

void TfrmCalc::ShowGrids() {
    // Every entry of a category is listed, so a category of more than a grid's
    // visible rows scrolls; rows past the last entry show the cleared slots.
    for (const RiskCategory category : kRiskCategories) {
        StringGrid* grid = grids_[static_cast<std::size_t>(Number(category))];
        const int count = workspace_.ranking.CategoryCount[Number(category)];
        for (int slot = 1; slot < kGridRows; ++slot) {
            const results::CategoryRow row = results::SlotRow(workspace_.ranking, category, slot);
            const QString texts[] = {FromPlanText(row.Name), FromCoreText(row.Value),
                                     FromCoreText(row.Err)};
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
    // The line on the minimum IRA withdrawal names the age at which the year in
    // force asks for it.
    const std::string minimumIra = QuickHelpMinimumIraLine(workspace_.taxYear.Law());
    std::vector<const char*> lines(std::begin(kQuickHelpIncome), std::end(kQuickHelpIncome));
    for (const char*& line : lines) {
        if (std::string_view(line).starts_with(" - Minimum IRA (")) {
            line = minimumIra.c_str();
        }
    }
    ShowQuickHelp(lines);
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

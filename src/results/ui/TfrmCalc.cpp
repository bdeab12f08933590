#include "results/ui/TfrmCalc.h"

#include "Workspace.h"
#include "grid/ui/StringGrid.h"
#include "history/ui/PlanHistory.h"
#include "plan/FilingStatus.h"
#include "plan/NumberText.h"
#include "plan/PlanEdit.h"
#include "projection/Projection.h"
#include "projection/ProjectionTexts.h"
#include "results/CategoryRows.h"
#include "results/QuickHelpTexts.h"
#include "results/ResultBox.h"
#include "results/ResultsCalculation.h"
#include "results/RiskRanking.h"
#include "results/ui/ResultsExport.h"
#include "results/ui/ResultsLayout.h"
#include "results/ui/TaxWorkingWindow.h"
#include "screens/ui/ControlNames.h"
#include "screens/ui/ScreenText.h"
#include "screens/ui/ScreenWindow.h"
#include "screens/ui/Shell.h"
#include "tax/TaxYear.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

namespace {

// The boxes in the order they are made, and so the order of the tab key.
constexpr ResultBox kBoxOrder[] = {
    ResultBox::TotalZero,    ResultBox::TotalLow,         ResultBox::TotalMedium,
    ResultBox::TotalHigh,    ResultBox::PerCent0,         ResultBox::PerCent1,
    ResultBox::PerCent2,     ResultBox::PerCent3,         ResultBox::ContinuedEarnings,
    ResultBox::Entitlements, ResultBox::IntAndDiv,        ResultBox::Ira,
    ResultBox::Budget,       ResultBox::TaxOnIncome,      ResultBox::TaxOnWithdrawals,
    ResultBox::TaxRate,      ResultBox::DivTaxRate,       ResultBox::CGTaxRate,
    ResultBox::StateTaxRate, ResultBox::TotalInvestments, ResultBox::WithdrawalNeeded,
};

// Boxes that take typing; nothing reads what is typed, the next calculation overwrites it.
bool AcceptsTyping(ResultBox box) {
    return box == ResultBox::StateTaxRate || box == ResultBox::CGTaxRate;
}

QFont Bold(QFont font) {
    font.setBold(true);
    return font;
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
    central->setFont(ResultsFont(font()));
    setCentralWidget(central);
    MakeResultsLabels(*central);
    CreateGrids(central, context.dialogs);
    CreateBoxes(central);
    CreateButtons(central);
    const QSize content = PlaceResultsControls(*central);
    // The totals and the withdrawal needed, each with its label, and the way
    // back stay in view when the screen is larger than the desktop.
    KeepInView(*central->findChild<QWidget*>(QStringLiteral("lblInvestmentTotal")), 1);
    KeepInView(*central->findChild<QWidget*>(QStringLiteral("editTotalInvestments")), 1);
    KeepInView(*central->findChild<QWidget*>(QStringLiteral("lblWithdrawalNeeded")), 2);
    KeepInView(*central->findChild<QWidget*>(QStringLiteral("editWithDrawalNeeded")), 2);
    KeepInView(*central->findChild<QWidget*>(QStringLiteral("btnReturn")));

    const int menu = menuBar()->heightForWidth(content.width());
    resize(content.width(), content.height() + (menu > 0 ? menu : menuBar()->sizeHint().height()));
}

void TfrmCalc::CreateMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName("mnuFile");
    NamedAction(*this, file, "hlpSave", QStringLiteral("&Save"), &TfrmCalc::hlpSaveClick);
    NamedAction(*this, file, "hlpPrint", QStringLiteral("&Print"), &TfrmCalc::hlpPrintClick);
    file->addSeparator();
    NamedAction(*this, file, "mnuExportCsv", QStringLiteral("Export Results as &CSV..."),
                &TfrmCalc::mnuExportCsvClick);
    // "&Print" above has the letter P and "Re&do" the letter D.
    NamedAction(*this, file, "mnuSaveReportPdf", QStringLiteral("Save Report as PD&F..."),
                &TfrmCalc::mnuSaveReportPdfClick);
    NamedAction(*this, file, "mnuPrintReport", QStringLiteral("Print &Report..."),
                &TfrmCalc::mnuPrintReportClick);
    file->addSeparator();
    NamedAction(*this, file, "hlpExit", QStringLiteral("E&xit"), &TfrmCalc::hlpExitClick);

    QMenu* quick = menuBar()->addMenu(QStringLiteral("&Quick Help"));
    quick->setObjectName("mnuQuickHelp");
    // "mnuGenereal" is the item's documented control name, spelling and all; kept on purpose.
    NamedAction(*this, quick, "mnuGenereal", QStringLiteral("&General - This screen only"),
                &TfrmCalc::mnuGenerealClick);
    NamedAction(*this, quick, "hlpRiskCategories", QStringLiteral("&RiskCategories"),
                &TfrmCalc::hlpRiskCategoriesClick);
    // "retes" and the trailing blank are the item's caption as it has always read; kept on purpose.
    NamedAction(*this, quick, "hlpRetentionValues", QStringLiteral("&Equivalent retes of return "),
                &TfrmCalc::hlpRetentionValuesClick);
    NamedAction(*this, quick, "hlpIncome", QStringLiteral("&Income"), &TfrmCalc::hlpIncomeClick);
    NamedAction(*this, quick, "hlpExpenses", QStringLiteral("Ex&penses"),
                &TfrmCalc::hlpExpensesClick);
    NamedAction(*this, quick, "hlpTaxInfo", QStringLiteral("Income &Tax Information"),
                &TfrmCalc::hlpTaxInfoClick);
    NamedAction(*this, quick, "hlpWithdrawalNeeded", QStringLiteral("&Withdrawal Needed"),
                &TfrmCalc::hlpWithdrawalNeededClick);

    NamedAction(*this, nullptr, "hlpContent", QStringLiteral("&Help"), &TfrmCalc::hlpContentClick);
    NamedAction(*this, nullptr, "mnuCharts", QStringLiteral("&Charts"), &TfrmCalc::mnuChartsClick);
    NamedAction(*this, nullptr, "mnuTaxWorking", QStringLiteral("How the Tax Was &Worked Out"),
                &TfrmCalc::mnuTaxWorkingClick);
}

void TfrmCalc::CreateGrids(QWidget* parent, Dialogs& dialogs) {
    for (const RiskCategory category : kRiskCategories) {
        const int k = Number(category);
        auto* grid = new StringGrid(dialogs, parent);
        const std::string name = "StringGrid" + std::to_string(k);
        NameControl(*grid, name.c_str(), FromCoreText(Title(category)));
        grid->SetSize(3, kGridRows);
        grid->SetFixedRows(1);
        grid->SetDefaultRowHeight(15);
        grid->SetEditable(false);
        grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        // The columns take the widest text they can show; should a text still
        // be too long (a name of unusually wide letters), it ends in an
        // ellipsis, so that a cut text never looks whole, and the cell's tip
        // shows it whole.
        grid->setTextElideMode(Qt::ElideRight);
        grid->SetCells(0, 0, QStringLiteral("Name"));
        grid->SetCells(1, 0, QStringLiteral("Value"));
        grid->SetCells(2, 0, QStringLiteral("ERR"));
        grids_[k] = grid;
    }
}

void TfrmCalc::CreateBoxes(QWidget* parent) {
    for (const ResultBox which : kBoxOrder) {
        auto* box = new QLineEdit(parent);
        NameControl(*box, BoxName(which).data(), FromCoreText(BoxLabel(which)));
        box->setReadOnly(!AcceptsTyping(which));
        boxes_[static_cast<std::size_t>(which)] = box;
    }
}

void TfrmCalc::CreateButtons(QWidget* parent) {
    QPushButton* btnReturn =
        NamedButton(parent, "btnReturn", QStringLiteral("Return to Data Entry"));
    btnReturn->setFont(Bold(btnReturn->font()));
    connect(btnReturn, &QPushButton::clicked, this, &TfrmCalc::btnReturnClick);
    QPushButton* btnTaxWorking =
        NamedButton(parent, "btnTaxWorking", QStringLiteral("How the tax was worked out"),
                    QStringLiteral("The tax line by line, as a return works it out, without "
                                   "and with the withdrawal"));
    connect(btnTaxWorking, &QPushButton::clicked, this, &TfrmCalc::mnuTaxWorkingClick);

    QPushButton* btnYearsAhead =
        NamedButton(parent, "btnYearsAhead", QStringLiteral("Years Ahead"),
                    QStringLiteral("The plan carried forward year by year: what to sell each "
                                   "year and how long the investments last"));
    connect(btnYearsAhead, &QPushButton::clicked, this, &TfrmCalc::btnYearsAheadClick);
    lblSellThisYear = NamedLabel(parent, "lblSellThisYear", QString());
    lblSellThisYear->setWordWrap(true);
    lblSellThisYear->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblSellThisYear->setTextInteractionFlags(Qt::TextSelectableByMouse);

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
    memoHelp->hide();
    FitInView(*memoHelp);

    btnExitMemoHelp =
        NamedButton(parent, "btnExitMemoHelp", QStringLiteral("Exit this Help Screen"));
    QFont large = Bold(btnExitMemoHelp->font());
    large.setPixelSize(large.pixelSize() + 7);
    large.setStretch(QFont::Unstretched);
    btnExitMemoHelp->setFont(large);
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
    ShowTaxYear();
    ShowBoxes();
    ShowGrids();
    ShowSellLine();
    if (taxWorking_ != nullptr && taxWorking_->isVisible()) {
        taxWorking_->Refresh();
    }
}

void TfrmCalc::ShowTaxYear() {
    auto* line = centralWidget()->findChild<QLabel*>(QStringLiteral("lblTaxYear"));
    line->setText(QString::fromStdString(TaxYearLine(workspace_.taxYear.Number())));
    line->setAccessibleName(line->text());
    line->adjustSize();
}

void TfrmCalc::mnuTaxWorkingClick() {
    if (taxWorking_ == nullptr) {
        taxWorking_ = new TaxWorkingWindow(workspace_, *this);
    } else {
        taxWorking_->Refresh();
    }
    taxWorking_->show();
    taxWorking_->raise();
    taxWorking_->activateWindow();
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

void TfrmCalc::ShowSellLine() {
    // Year 0 of the years ahead: the same calculation on a copy of the plan,
    // each sale taxed as what it is; a note when that differs from the box.
    const std::optional<projection::ProjectedYear> year =
        projection::YearZero(workspace_.plan, workspace_.taxYear);
    QString line = year ? FromPlanText(projection::SellLine(*year))
                        : QStringLiteral("The amounts are too large to say what to sell");
    if (year) {
        const std::string note =
            projection::SellNote(*year, Round(workspace_.results.WithdrawalNeeded));
        if (!note.empty()) {
            line += QLatin1Char('\n') + FromPlanText(note);
        }
    }
    lblSellThisYear->setText(line);
    lblSellThisYear->setAccessibleName(line);
}

void TfrmCalc::btnYearsAheadClick() {
    shell_.Show(Screen::YearsAhead);
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

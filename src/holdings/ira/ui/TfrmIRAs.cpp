#include "holdings/ira/ui/TfrmIRAs.h"

#include "Workspace.h"
#include "grid/ui/StringGrid.h"
#include "holdings/DeleteHoldingRow.h"
#include "holdings/HoldingsColumn.h"
#include "holdings/TableRules.h"
#include "holdings/ira/IraReturns.h"
#include "holdings/ui/CorrectionNotes.h"
#include "holdings/ui/HoldingsGrid.h"
#include "screens/ui/ControlNames.h"
#include "screens/ui/Dialogs.h"
#include "screens/ui/ScreenText.h"
#include "screens/ui/ScreenWindow.h"
#include "screens/ui/Shell.h"
#include "sizing/ui/ViewMarks.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>
#include <set>
#include <vector>

namespace velmora {

namespace {

constexpr int kVisibleRows = 10;

// Each column of the regular IRAs: its three title lines, its width in pixels,
// its edit mask and the field it shows. The titles' leading blanks centre them
// in their cells and are kept as they are on purpose.
// clang-format off
constexpr std::array<HoldingsColumn<IraHolding>, 8> kRegularColumns{{
    {{"Name or", "Short", "Description"}, 100, "cccccccccc",
     NameField(&IraHolding::Name)},
    {{" Basis", " = Zero", "(See Inst.)"}, 60, "000000",
     NumberField(&IraHolding::Basis)},
    {{" Current", "  Value", "    ($)"}, 45, "000000",
     NumberField(&IraHolding::CurrentValue)},
    {{" Interest", "Stock = 0", " (%/Year)"}, 55, "00",
     NumberField(&IraHolding::InterestRate)},
    {{" Dividends", " Bonds = 0", "   ($/Year)"}, 65, "00000",
     NumberField(&IraHolding::Dividends)},
    {{" Growth Rate", "  Bonds = 0", "    (%/Year)"}, 70, "00",
     NumberField(&IraHolding::GrowthRate)},
    {{" Probability", "  of Loss", "  (%/Year)"}, 65, "00",
     NumberField(&IraHolding::ProbabilityOfLoss)},
    {{" Portfolio", "  Risk", "Category"}, 55, "0",
     NumberField(&IraHolding::RiskCategory)},
}};
// clang-format on

constexpr int kBasisCol = ColumnOf(kRegularColumns, &IraHolding::Basis);
constexpr int kInterestCol = ColumnOf(kRegularColumns, &IraHolding::InterestRate);
constexpr int kDividendsCol = ColumnOf(kRegularColumns, &IraHolding::Dividends);
constexpr int kGrowthCol = ColumnOf(kRegularColumns, &IraHolding::GrowthRate);
constexpr int kCategoryCol = ColumnOf(kRegularColumns, &IraHolding::RiskCategory);

// The Roth IRAs differ in the basis title only.
constexpr std::array<HoldingsColumn<IraHolding>, 8> kRothColumns = [] {
    std::array<HoldingsColumn<IraHolding>, 8> columns = kRegularColumns;
    columns[kBasisCol].title = {" Basis", "Original", "Investment"};
    return columns;
}();

} // namespace

TfrmIRAs::TfrmIRAs(const ScreenContext& context) : HoldingsScreen(context, Screen::IRAs) {
    FormCreate();
}

void TfrmIRAs::FormCreate() {
    setObjectName("frmIRAs");
    setWindowTitle(QStringLiteral("IRAs"));
    SetUpScreenWindow(*this, false);

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(0);
    layout->setContentsMargins(12, 10, 12, 10);

    // Both tables get the one font in which all their titles fit.
    std::vector<TextRoom> titles = TitleRooms(*this, kRegularColumns);
    const std::vector<TextRoom> rothTitles = TitleRooms(*this, kRothColumns);
    titles.insert(titles.end(), rothTitles.begin(), rothTitles.end());
    const QFont gridFont = FitTitleFont(*this, titles);
    layout->addWidget(NamedLabel(this, "lblRegularIRAs", QStringLiteral("Regular IRAs"), true));
    layout->addSpacing(4);
    StringGridIRAs_ = AddTable(*layout, "StringGridIRATitles", "StringGridIRAs",
                               QStringLiteral("Regular IRAs"), true, gridFont);
    auto* btnDeleteRowIRA = NamedButton(this, "btnDeleteRowIRA", QStringLiteral("Delete IRA Row"));
    layout->addSpacing(6);
    layout->addWidget(btnDeleteRowIRA, 0, Qt::AlignLeft);
    layout->addSpacing(14);

    layout->addWidget(NamedLabel(this, "lblRothIRAs", QStringLiteral("Roth IRAs"), true));
    layout->addSpacing(4);
    StringGridRothIRAs_ = AddTable(*layout, "StringGridRothTitles", "StringGridRothIRAs",
                                   QStringLiteral("Roth IRAs"), false, gridFont);
    auto* btnDeleteRowRoth =
        NamedButton(this, "btnDeleteRowRoth", QStringLiteral("Delete Roth Row"));
    layout->addSpacing(6);
    layout->addWidget(btnDeleteRowRoth, 0, Qt::AlignLeft);
    layout->addSpacing(14);

    auto* bottom = new QHBoxLayout();
    bottom->addWidget(
        NamedLabel(this, "lblRiskCategories", QString::fromLatin1(kRiskCategories), true));
    bottom->addSpacing(16);
    bottom->addStretch(1);
    auto* btnReturnToMiscInput = NamedButton(this, "btnReturnToMiscInput", QStringLiteral("Done"));
    btnReturnToMiscInput->setMinimumWidth(90);
    bottom->addWidget(btnReturnToMiscInput);
    layout->addLayout(bottom);
    KeepInView(*btnDeleteRowIRA);
    KeepInView(*btnDeleteRowRoth);
    KeepInView(*btnReturnToMiscInput);
    resize(sizeHint()); // known before the first showing, for centring

    connect(btnDeleteRowIRA, &QPushButton::clicked, this, &TfrmIRAs::btnDeleteRowIRAClick);
    connect(btnDeleteRowRoth, &QPushButton::clicked, this, &TfrmIRAs::btnDeleteRowRothClick);
    connect(btnReturnToMiscInput, &QPushButton::clicked, this,
            &TfrmIRAs::btnReturnToMiscInputClick);

    StringGridIRAs_->OnGetEditMask(
        [this](int col, int row) { return StringGridIRAsGetEditMask(col, row); });
    StringGridIRAs_->OnSetEditText([this](int col, int row, const QString& text) {
        StringGridIRAsSetEditText(col, row, text);
    });
    StringGridIRAs_->OnSelectCell([this](int col, int row) { StringGridIRAsSelectCell(col, row); });
    StringGridIRAs_->OnExit([this] { StringGridIRAsExit(); });
    StringGridRothIRAs_->OnGetEditMask(
        [this](int col, int row) { return StringGridRothIRAsGetEditMask(col, row); });
    StringGridRothIRAs_->OnSetEditText([this](int col, int row, const QString& text) {
        StringGridRothIRAsSetEditText(col, row, text);
    });
    StringGridRothIRAs_->OnSelectCell(
        [this](int col, int row) { StringGridRothIRAsSelectCell(col, row); });
    StringGridRothIRAs_->OnExit([this] { StringGridRothIRAsExit(); });
    RecordCellEdits(*StringGridIRAs_, PlanPart::Ira, "IRA");
    RecordCellEdits(*StringGridRothIRAs_, PlanPart::Roth, "Roth");
    ShowStoredCells(*StringGridIRAs_, ws_.plan.IraHoldings, kRegularColumns);
    ShowStoredCells(*StringGridRothIRAs_, ws_.plan.RothHoldings, kRothColumns);
}

StringGrid* TfrmIRAs::AddTable(QVBoxLayout& layout, const char* titleName, const char* gridName,
                               const QString& caption, bool regular, const QFont& font) {
    auto* titles = new StringGrid(dialogs_, this);
    NameControl(*titles, titleName, caption + QStringLiteral(" column titles"));
    auto* grid = new StringGrid(dialogs_, this);
    NameControl(*grid, gridName, caption);
    const std::array<HoldingsColumn<IraHolding>, 8>& columns =
        regular ? kRegularColumns : kRothColumns;
    titles->setFont(font);
    grid->setFont(font);
    SetUpTitleGrid(*titles, columns);
    SetUpTableGrid(*grid, columns, kVisibleRows);
    layout.addWidget(titles, 0, Qt::AlignLeft);
    layout.addWidget(grid, 1, Qt::AlignLeft);
    return grid;
}

void TfrmIRAs::FormActivate() {
    deferred_.clear(); // what was undone, or left unsaid on another visit, is not said
    FillTable(*StringGridIRAs_, ws_.plan.IraHoldings, kRegularColumns);
    FillTable(*StringGridRothIRAs_, ws_.plan.RothHoldings, kRothColumns);
}

QString TfrmIRAs::StringGridIRAsGetEditMask(int col, int /*row*/) const {
    return ColumnMask(kRegularColumns, col);
}

QString TfrmIRAs::StringGridRothIRAsGetEditMask(int col, int /*row*/) const {
    return ColumnMask(kRothColumns, col);
}

void TfrmIRAs::StringGridIRAsSetEditText(int col, int row, const QString& text) {
    StoreEdit(*StringGridIRAs_, ws_.plan.IraHoldings, true, col, row, text);
}

void TfrmIRAs::StringGridRothIRAsSetEditText(int col, int row, const QString& text) {
    StoreEdit(*StringGridRothIRAs_, ws_.plan.RothHoldings, false, col, row, text);
}

void TfrmIRAs::StoreEdit(StringGrid& grid, IraTable& table, bool regular, int col, int row,
                         const QString& text) {
    if (row < 0 || row >= kTableRows) {
        return; // no table row behind the cell
    }
    IraHolding& holding = table[row];
    const std::int32_t typed = LeadingDigitsOf(text);
    const QString zero = QStringLiteral("0");
    // Each rule corrects at once and marks what it changed; its warning waits
    // until the table is left, so that the keys typed after it go on into the
    // cells they were typed for instead of into a box.
    if (col == kBasisCol && regular && typed > 0) {
        Defer({regular, row, Deferred::What::Basis, col, 0, 0});
        grid.SetCells(col, row, zero);
        grid.MarkChanged(col, row, QString::fromLatin1(kBasisZeroNote));
        holding.Basis = 0;
        return;
    }
    // Interest on one side, dividends and growth on the other: a value above 0
    // on one side clears the other. A 0 typed clears nothing: the titles ask
    // for it ("Bonds = 0").
    const bool clears = typed > 0;
    if (clears && col == kInterestCol && (holding.Dividends > 0 || holding.GrowthRate > 0)) {
        Defer({regular, row, Deferred::What::DividendsGrowth, col, holding.Dividends,
               holding.GrowthRate});
        holding.Dividends = 0;
        holding.GrowthRate = 0;
        grid.SetCells(kDividendsCol, row, zero);
        grid.SetCells(kGrowthCol, row, zero);
        const QString note = QString::fromLatin1(kDividendsGrowthClearedNote);
        grid.MarkChanged(kGrowthCol, row, note);
        grid.MarkChanged(kDividendsCol, row, note);
    } else if (clears && (col == kDividendsCol || col == kGrowthCol) && holding.InterestRate > 0) {
        Defer({regular, row, Deferred::What::Interest, col, holding.InterestRate, 0});
        holding.InterestRate = 0;
        grid.SetCells(kInterestCol, row, zero);
        grid.MarkChanged(kInterestCol, row, QString::fromLatin1(kInterestClearedNote));
    }
    StoreCell(regular ? kRegularColumns : kRothColumns, table, col, row, text);
}

void TfrmIRAs::Defer(const Deferred& warning) {
    for (const Deferred& waiting : deferred_) {
        if (waiting.regular == warning.regular && waiting.row == warning.row &&
            waiting.what == warning.what) {
            return; // said once
        }
    }
    deferred_.push_back(warning);
}

void TfrmIRAs::ShowDeferred(const IraTable& table, bool regular) {
    std::vector<Deferred> waiting;
    std::swap(waiting, deferred_);
    for (const Deferred& warning : waiting) {
        if (warning.regular != regular) {
            deferred_.push_back(warning);
            continue;
        }
        const IraHolding& holding = table[warning.row];
        const QString place = HoldingNamed(warning.row, holding.Name) + QStringLiteral(": ");
        switch (warning.what) {
        case Deferred::What::Basis:
            if (holding.Basis == 0) {
                dialogs_.Warning(WithDetails(QString::fromLatin1(kBasisWarning),
                                             {place + QStringLiteral("the Basis typed is stored "
                                                                     "as 0.")}));
            }
            break;
        case Deferred::What::Interest:
            if (holding.InterestRate == 0) {
                dialogs_.Warning(
                    WithDetails(QString::fromLatin1(kInterestWarning),
                                {place + QStringLiteral("Interest %1 set to 0 when %2 typed.")
                                             .arg(warning.before)
                                             .arg(warning.col == kDividendsCol
                                                      ? QStringLiteral("Dividends were")
                                                      : QStringLiteral("a Growth Rate was"))}));
            }
            break;
        case Deferred::What::DividendsGrowth:
            if (holding.Dividends == 0 && holding.GrowthRate == 0) {
                dialogs_.Warning(WithDetails(
                    QString::fromLatin1(kInterestWarning),
                    {place + QStringLiteral("Dividends %1 and Growth Rate %2 set to 0 when "
                                            "Interest was typed.")
                                 .arg(warning.before)
                                 .arg(warning.other)}));
            }
            break;
        }
    }
}

void TfrmIRAs::StringGridIRAsSelectCell(int /*col*/, int row) {
    iraSelectedRow_ = row;
}

void TfrmIRAs::StringGridRothIRAsSelectCell(int /*col*/, int row) {
    rothSelectedRow_ = row;
}

void TfrmIRAs::StringGridIRAsExit() {
    ShowDeferred(ws_.plan.IraHoldings, true);
    CheckTable(*StringGridIRAs_, ws_.plan.IraHoldings, true);
}

void TfrmIRAs::StringGridRothIRAsExit() {
    ShowDeferred(ws_.plan.RothHoldings, false);
    CheckTable(*StringGridRothIRAs_, ws_.plan.RothHoldings, false);
}

void TfrmIRAs::CheckTable(StringGrid& grid, IraTable& table, bool regular) {
    const PlanPart part = regular ? PlanPart::Ira : PlanPart::Roth;
    const IraTable before = table;
    std::set<int> told;
    RecordTableChange(
        grid, regular ? kRegularColumns : kRothColumns, table, part, PlanWatch(ws_.plan, {{part}}),
        regular ? QStringLiteral("check of IRA table") : QStringLiteral("check of Roth table"),
        StepKind::Check, std::nullopt, [&] {
            ShowCorrections(grid, before, table, regular ? kRegularColumns : kRothColumns,
                            CapRiskCategories(table), {kCategoryCol}, kCategoryWarning,
                            kCategoryCappedNote, told);
        });
}

void TfrmIRAs::btnDeleteRowIRAClick() {
    DeleteRow(*StringGridIRAs_, ws_.plan.IraHoldings, true, iraSelectedRow_);
}

void TfrmIRAs::btnDeleteRowRothClick() {
    DeleteRow(*StringGridRothIRAs_, ws_.plan.RothHoldings, false, rothSelectedRow_);
}

void TfrmIRAs::DeleteRow(StringGrid& grid, IraTable& table, bool regular, int row) {
    // The rate calculation may change the other table too (a regular IRA's basis).
    RecordTableChange(grid, regular ? kRegularColumns : kRothColumns, table,
                      regular ? PlanPart::Ira : PlanPart::Roth, PlanWatch::Everything(ws_.plan),
                      regular ? QStringLiteral("Delete IRA Row")
                              : QStringLiteral("Delete Roth Row"),
                      StepKind::Change, row, [&] {
                          DeleteHoldingRow(table, row);
                          Calculate();
                      });
    FormActivate();
}

void TfrmIRAs::btnReturnToMiscInputClick() {
    shell_.Show(Screen::DataInput);
}

void TfrmIRAs::Calculate() {
    ira::Calculate(ws_);
}

void TfrmIRAs::IRAsTotalCalculate() {
    ira::IRAsTotalCalculate(ws_);
}

void TfrmIRAs::RothTotalCalculate() {
    ira::RothTotalCalculate(ws_);
}

} // namespace velmora

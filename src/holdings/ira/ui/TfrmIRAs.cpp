#include "holdings/ira/ui/TfrmIRAs.h"

#include "app/ui/Dialogs.h"
#include "holdings/ui/HoldingsGrid.h"
#include "holdings/ui/HoldingsTableChecks.h"
#include "app/ui/PlanText.h"
#include "app/ui/ScreenNames.h"
#include "app/ui/ScreenWindow.h"
#include "app/ui/Shell.h"
#include "app/ui/widgets/StringGrid.h"
#include "holdings/DeleteHoldingRow.h"
#include "holdings/ira/IraReturns.h"
#include "plan/NumberText.h"
#include "Workspace.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>

namespace velmora {

namespace {

constexpr int kCols = 8;
constexpr int kNameCol = 0;
constexpr int kBasisCol = 1;
constexpr int kInterestCol = 3;
constexpr int kDividendsCol = 4;
constexpr int kGrowthCol = 5;
constexpr int kRiskCol = 7;
constexpr int kVisibleRows = 10;

constexpr std::array<int, kCols> kWidths{100, 60, 45, 55, 65, 70, 65, 55};

constexpr std::array<const char*, kCols> kMasks{"cccccccccc", "000000", "000000", "00",
                                                "00000",      "00",     "00",     "0"};

// The whole-number field that each column from 1 on edits.
constexpr std::array<std::int32_t IraHolding::*, kCols> kFields{nullptr,
                                                                &IraHolding::Basis,
                                                                &IraHolding::CurrentValue,
                                                                &IraHolding::InterestRate,
                                                                &IraHolding::Dividends,
                                                                &IraHolding::GrowthRate,
                                                                &IraHolding::ProbabilityOfLoss,
                                                                &IraHolding::RiskCategory};

constexpr std::array<TitleLines, kCols> kRegularTitles{{
    {"Name or", "Short", "Description"},
    {" Basis", " = Zero", "(See Inst.)"},
    {" Current", "  Value", "    ($)"},
    {" Interest", "Stock = 0", " (%/Year)"},
    {" Dividends", " Bonds = 0", "   ($/Year)"},
    {" Growth Rate", "  Bonds = 0", "    (%/Year)"},
    {" Probability", "  of Loss", "  (%/Year)"},
    {" Portfolio", "  Risk", "Category"},
}};

constexpr std::array<TitleLines, kCols> RothTitles() {
    std::array<TitleLines, kCols> titles = kRegularTitles;
    titles[kBasisCol] = {" Basis", "Original", "Investment"};
    return titles;
}
constexpr std::array<TitleLines, kCols> kRothTitles = RothTitles();

// The titles of both tables side by side, with their widths: both tables get
// the one font in which all of them fit.
constexpr std::array<TitleLines, 2 * kCols> kAllTitles = [] {
    std::array<TitleLines, 2 * kCols> all{};
    for (int col = 0; col < kCols; ++col) {
        all[col] = kRegularTitles[col];
        all[kCols + col] = kRothTitles[col];
    }
    return all;
}();
constexpr std::array<int, 2 * kCols> kAllWidths = [] {
    std::array<int, 2 * kCols> all{};
    for (int col = 0; col < kCols; ++col) {
        all[col] = all[kCols + col] = kWidths[col];
    }
    return all;
}();

QString MaskOf(int col) {
    return col >= 0 && col < kCols ? QString::fromLatin1(kMasks[col]) : QString();
}

QLabel* BoldLabel(const char* name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    NameControl(*label, name, text);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QPushButton* Button(const char* name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    NameControl(*button, name, PlainCaption(caption));
    return button;
}

} // namespace

TfrmIRAs::TfrmIRAs(Workspace& ws, Dialogs& dialogs, Shell& shell)
    : ws_(ws), dialogs_(dialogs), shell_(shell) {
    FormCreate();
}

void TfrmIRAs::FormCreate() {
    setObjectName("frmIRAs");
    setWindowTitle(QStringLiteral("IRAs"));
    SetUpScreenWindow(*this, false);

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(0);
    layout->setContentsMargins(12, 10, 12, 10);

    const QFont gridFont = FitTitleFont(*this, kAllTitles, kAllWidths);
    layout->addWidget(BoldLabel("lblRegularIRAs", QStringLiteral("Regular IRAs"), this));
    layout->addSpacing(4);
    StringGridIRAs_ = AddTable(*layout, "StringGridIRATitles", "StringGridIRAs",
                               QStringLiteral("Regular IRAs"), true, gridFont);
    auto* btnDeleteRowIRA = Button("btnDeleteRowIRA", QStringLiteral("Delete IRA Row"), this);
    layout->addSpacing(6);
    layout->addWidget(btnDeleteRowIRA, 0, Qt::AlignLeft);
    layout->addSpacing(14);

    layout->addWidget(BoldLabel("lblRothIRAs", QStringLiteral("Roth IRAs"), this));
    layout->addSpacing(4);
    StringGridRothIRAs_ = AddTable(*layout, "StringGridRothTitles", "StringGridRothIRAs",
                                   QStringLiteral("Roth IRAs"), false, gridFont);
    auto* btnDeleteRowRoth = Button("btnDeleteRowRoth", QStringLiteral("Delete Roth Row"), this);
    layout->addSpacing(6);
    layout->addWidget(btnDeleteRowRoth, 0, Qt::AlignLeft);
    layout->addSpacing(14);

    auto* bottom = new QHBoxLayout();
    bottom->addWidget(BoldLabel("lblRiskCategories", QString::fromLatin1(kRiskCategories), this));
    bottom->addSpacing(16);
    bottom->addStretch(1);
    auto* btnReturnToMiscInput = Button("btnReturnToMiscInput", QStringLiteral("Done"), this);
    btnReturnToMiscInput->setMinimumWidth(90);
    bottom->addWidget(btnReturnToMiscInput);
    layout->addLayout(bottom);
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
}

StringGrid* TfrmIRAs::AddTable(QVBoxLayout& layout, const char* titleName, const char* gridName,
                               const QString& caption, bool regular, const QFont& font) {
    auto* titles = new StringGrid(dialogs_, this);
    NameControl(*titles, titleName, caption + QStringLiteral(" column titles"));
    auto* grid = new StringGrid(dialogs_, this);
    NameControl(*grid, gridName, caption);
    const std::array<TitleLines, kCols>& lines = regular ? kRegularTitles : kRothTitles;
    titles->setFont(font);
    grid->setFont(font);
    SetUpTitleGrid(*titles, lines, kWidths);
    SetUpTableGrid(*grid, kWidths, kVisibleRows);
    layout.addWidget(titles, 0, Qt::AlignLeft);
    layout.addWidget(grid, 1, Qt::AlignLeft);
    return grid;
}

void TfrmIRAs::FormActivate() {
    FillTableGrid(*StringGridIRAs_, ws_.plan.IraHoldings, kFields, {{kNameCol, &IraHolding::Name}});
    FillTableGrid(*StringGridRothIRAs_, ws_.plan.RothHoldings, kFields,
                  {{kNameCol, &IraHolding::Name}});
}

QString TfrmIRAs::StringGridIRAsGetEditMask(int col, int /*row*/) const {
    return MaskOf(col);
}

QString TfrmIRAs::StringGridRothIRAsGetEditMask(int col, int /*row*/) const {
    return MaskOf(col);
}

void TfrmIRAs::StringGridIRAsSetEditText(int col, int row, const QString& text) {
    StoreEdit(*StringGridIRAs_, ws_.plan.IraHoldings, true, col, row, text);
}

void TfrmIRAs::StringGridRothIRAsSetEditText(int col, int row, const QString& text) {
    StoreEdit(*StringGridRothIRAs_, ws_.plan.RothHoldings, false, col, row, text);
}

void TfrmIRAs::StoreEdit(StringGrid& grid, IraTable& table, bool regular, int col, int row,
                         const QString& text) {
    if (row < 0 || row >= kTableRows || col < 0 || col >= kCols) {
        return; // no table row behind the cell
    }
    IraHolding& holding = table[row];
    if (col == kNameCol) {
        holding.Name = ToPlanText(text).substr(0, kNameLength);
        return;
    }
    std::int32_t value = LeadingDigits(text.toStdString());
    const QString zero = QStringLiteral("0");
    if (col == kBasisCol && regular && value > 0) {
        dialogs_.Warning(QString::fromLatin1(kBasisWarning));
        value = 0;
        grid.SetCells(col, row, zero);
    } else if (col == kInterestCol && (holding.Dividends > 0 || holding.GrowthRate > 0)) {
        dialogs_.Warning(QString::fromLatin1(kInterestWarning));
        holding.Dividends = 0;
        holding.GrowthRate = 0;
        grid.SetCells(kDividendsCol, row, zero);
        grid.SetCells(kGrowthCol, row, zero);
    } else if ((col == kDividendsCol || col == kGrowthCol) && holding.InterestRate > 0) {
        dialogs_.Warning(QString::fromLatin1(kInterestWarning));
        holding.InterestRate = 0;
        grid.SetCells(kInterestCol, row, zero);
    }
    holding.*kFields[col] = value;
}

void TfrmIRAs::StringGridIRAsSelectCell(int /*col*/, int row) {
    iraSelectedRow_ = row;
}

void TfrmIRAs::StringGridRothIRAsSelectCell(int /*col*/, int row) {
    rothSelectedRow_ = row;
}

void TfrmIRAs::StringGridIRAsExit() {
    CapRiskCategories(ws_.plan.IraHoldings, *StringGridIRAs_, kRiskCol, dialogs_, kCategoryWarning);
}

void TfrmIRAs::StringGridRothIRAsExit() {
    CapRiskCategories(ws_.plan.RothHoldings, *StringGridRothIRAs_, kRiskCol, dialogs_,
                      kCategoryWarning);
}

void TfrmIRAs::btnDeleteRowIRAClick() {
    DeleteHoldingRow(ws_.plan.IraHoldings, iraSelectedRow_);
    Calculate();
    FormActivate();
}

void TfrmIRAs::btnDeleteRowRothClick() {
    DeleteHoldingRow(ws_.plan.RothHoldings, rothSelectedRow_);
    Calculate();
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

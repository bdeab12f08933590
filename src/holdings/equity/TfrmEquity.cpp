#include "holdings/equity/TfrmEquity.h"

#include "app/Dialogs.h"
#include "app/HoldingsTableLayout.h"
#include "app/PlanText.h"
#include "app/Shell.h"
#include "app/StringGrid.h"
#include "holdings/DeleteHoldingRow.h"
#include "holdings/equity/EquityReturns.h"
#include "plan/NumberText.h"
#include "plan/Workspace.h"

#include <QPushButton>
#include <array>

namespace velmora {

namespace {

constexpr int kCols = 11;
constexpr int kNameCol = 0;
constexpr int kRegularDividendsCol = 3;
constexpr int kQualifyingDividendsCol = 4;
constexpr int kAutoReinvestCol = 7;
constexpr int kFedTaxFreeCol = 8;
constexpr int kRiskCol = 10;

constexpr std::array<int, kCols> kWidths{60, 50, 50, 58, 63, 72, 50, 55, 50, 40, 67};

constexpr std::array<const char*, kCols> kMasks{
    "cccccccccc", "000000", "000000", "000000", "000000", "000000", "00", ">L", ">L", "00", "0"};

// The whole-number field of each number column; the name and flag columns have none.
constexpr std::array<std::int32_t EquityHolding::*, kCols> kFields{
    nullptr,
    &EquityHolding::CurrentBasis,
    &EquityHolding::CurrentValue,
    &EquityHolding::RegularDividends,
    &EquityHolding::QualifyingDividends,
    &EquityHolding::CapGainsDistribution,
    &EquityHolding::PriceGrowth,
    nullptr,
    nullptr,
    &EquityHolding::LossFactor,
    &EquityHolding::RiskCategory};

constexpr std::array<TitleLines, kCols> kTitles{{
    {"Name", "", ""},
    {"Current", " Basis", "   ($)"},
    {"Current", " Value", "  ($)"},
    {"Regular", "Dividends", "($/Yr)"},
    {"Qualifying", "Dividends", "  ($/Yr)"},
    {" Cap Gains", "Distribution", "  ($/Yr)"},
    {"Price", "Growth", "(%/Yr)"},
    {" Auto", "Reinvest", " (Y/N)"},
    {"Fed Tax", "  Free", " (Y/N)"},
    {" Loss", "Factor", "(%/Yr)"},
    {" Portfolio", " Risk", " Category"},
}};

// A flag is the first character of its cell's text.
std::string FlagOf(const QString& text) {
    return ToPlanText(text).substr(0, 1);
}

bool IsYesOrNo(const std::string& flag) {
    return flag == "Y" || flag == "N";
}

} // namespace

TfrmEquity::TfrmEquity(Workspace& ws, Dialogs& dialogs, Shell& shell)
    : ws_(ws), dialogs_(dialogs), shell_(shell) {
    FormCreate();
}

void TfrmEquity::FormCreate() {
    setObjectName("frmEquity");
    const HoldingsTableParts parts =
        BuildHoldingsTableScreen(*this, dialogs_,
                                 {"Equity Investments", kTitles, kWidths, kWidths,
                                  "lblProbabilityInstruction", kRiskCategories});
    StringGridTable_ = parts.table;

    connect(parts.deleteLine, &QPushButton::clicked, this, &TfrmEquity::btnDeleteLineClick);
    connect(parts.done, &QPushButton::clicked, this, &TfrmEquity::btnReturnToMiscInputClick);
    StringGridTable_->OnGetEditMask(
        [this](int col, int row) { return StringGridTableGetEditMask(col, row); });
    StringGridTable_->OnSetEditText([this](int col, int row, const QString& text) {
        StringGridTableSetEditText(col, row, text);
    });
    StringGridTable_->OnSelectCell(
        [this](int col, int row) { StringGridTableSelectCell(col, row); });
    StringGridTable_->OnExit([this] { StringGridTableExit(); });
}

void TfrmEquity::FormActivate() {
    StringGrid& grid = *StringGridTable_;
    const EquityTable& table = ws_.plan.EquityHoldings;
    for (int row = 0; row < kTableRows; ++row) {
        const EquityHolding& holding = table[row];
        grid.SetCells(kNameCol, row, FromPlanText(holding.Name));
        for (int col = 1; col < kCols; ++col) {
            if (kFields[col] != nullptr) {
                grid.SetCells(col, row, QString::fromStdString(IntText(holding.*kFields[col])));
            }
        }
        grid.SetCells(kAutoReinvestCol, row, FromPlanText(holding.AutoReinvest));
        grid.SetCells(kFedTaxFreeCol, row, FromPlanText(holding.FedTaxFree));
    }
    for (int row = 0; row < kTableRows; ++row) {
        if (table[row].Name.empty()) {
            for (int col = 0; col < kCols; ++col) {
                grid.SetCells(col, row, QString());
            }
        }
    }
}

QString TfrmEquity::StringGridTableGetEditMask(int col, int /*row*/) const {
    return col >= 0 && col < kCols ? QString::fromLatin1(kMasks[col]) : QString();
}

void TfrmEquity::StringGridTableSetEditText(int col, int row, const QString& text) {
    if (row < 0 || row >= kTableRows || col < 0 || col >= kCols) {
        return; // no table row behind the cell
    }
    EquityHolding& holding = ws_.plan.EquityHoldings[row];
    if (col == kNameCol) {
        holding.Name = ToPlanText(text).substr(0, kNameLength);
    } else if (col == kAutoReinvestCol) {
        holding.AutoReinvest = FlagOf(text);
    } else if (col == kFedTaxFreeCol) {
        holding.FedTaxFree = FlagOf(text);
    } else {
        holding.*kFields[col] = LeadingDigits(text.toStdString());
    }
}

void TfrmEquity::StringGridTableSelectCell(int /*col*/, int row) {
    equitySelectedRow_ = row;
}

void TfrmEquity::StringGridTableExit() {
    StringGrid& grid = *StringGridTable_;
    EquityTable& table = ws_.plan.EquityHoldings;
    for (int row = 0; row < kTableRows; ++row) {
        if (table[row].RiskCategory > 3) {
            dialogs_.Warning(QString::fromLatin1(kCategoryWarning));
            table[row].RiskCategory = 3;
            grid.SetCells(kRiskCol, row, QStringLiteral("3"));
        }
    }
    const std::pair<std::string EquityHolding::*, int> flags[] = {
        {&EquityHolding::AutoReinvest, kAutoReinvestCol},
        {&EquityHolding::FedTaxFree, kFedTaxFreeCol}};
    for (const auto& [flag, col] : flags) {
        for (int row = 0; row < kTableRows; ++row) {
            EquityHolding& holding = table[row];
            if (!holding.Name.empty() && !IsYesOrNo(holding.*flag)) {
                dialogs_.Warning(QString::fromLatin1(kFlagWarning));
                (holding.*flag).assign(1, 'N');
                grid.SetCells(col, row, QStringLiteral("N"));
            }
        }
    }
    for (int row = 0; row < kTableRows; ++row) {
        EquityHolding& holding = table[row];
        if (holding.RegularDividends > 0 && holding.QualifyingDividends > 0) {
            dialogs_.Warning(QString::fromLatin1(kDividendsWarning));
            holding.RegularDividends = 0;
            holding.QualifyingDividends = 0;
            grid.SetCells(kRegularDividendsCol, row, QStringLiteral("0"));
            grid.SetCells(kQualifyingDividendsCol, row, QStringLiteral("0"));
        }
    }
    for (int row = 0; row < kTableRows; ++row) {
        if (table[row].CurrentBasis > table[row].CurrentValue) {
            dialogs_.Information(QString::fromLatin1(kCapitalLoss));
        }
    }
}

void TfrmEquity::btnDeleteLineClick() {
    DeleteHoldingRow(ws_.plan.EquityHoldings, equitySelectedRow_);
    Calculate();
    FormActivate();
}

void TfrmEquity::btnReturnToMiscInputClick() {
    shell_.Show(Screen::DataInput);
}

void TfrmEquity::Calculate() {
    equity::Calculate(ws_);
}

void TfrmEquity::EquityTotalCalculate() {
    equity::EquityTotalCalculate(ws_);
}

} // namespace velmora

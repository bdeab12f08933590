#include "holdings/equity/ui/TfrmEquity.h"

#include "app/ui/Dialogs.h"
#include "holdings/ui/HoldingsTableChecks.h"
#include "holdings/ui/HoldingsTableLayout.h"
#include "app/ui/PlanText.h"
#include "app/ui/Shell.h"
#include "app/ui/widgets/StringGrid.h"
#include "holdings/DeleteHoldingRow.h"
#include "holdings/equity/EquityReturns.h"
#include "plan/NumberText.h"
#include "Workspace.h"

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
    ConnectHoldingsTableScreen(*this, parts);
}

void TfrmEquity::FormActivate() {
    FillTableGrid(*StringGridTable_, ws_.plan.EquityHoldings, kFields,
                  {{kNameCol, &EquityHolding::Name},
                   {kAutoReinvestCol, &EquityHolding::AutoReinvest},
                   {kFedTaxFreeCol, &EquityHolding::FedTaxFree}});
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
    CapRiskCategories(table, grid, kRiskCol, dialogs_, kCategoryWarning);
    CorrectYesNoFlags(table, &EquityHolding::AutoReinvest, grid, kAutoReinvestCol, dialogs_,
                      kFlagWarning);
    CorrectYesNoFlags(table, &EquityHolding::FedTaxFree, grid, kFedTaxFreeCol, dialogs_,
                      kFlagWarning);
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

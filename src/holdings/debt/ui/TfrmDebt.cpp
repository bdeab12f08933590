#include "holdings/debt/ui/TfrmDebt.h"

#include "app/ui/Dialogs.h"
#include "holdings/ui/HoldingsTableChecks.h"
#include "holdings/ui/HoldingsTableLayout.h"
#include "app/ui/PlanText.h"
#include "app/ui/Shell.h"
#include "app/ui/widgets/StringGrid.h"
#include "holdings/DeleteHoldingRow.h"
#include "holdings/debt/DebtReturns.h"
#include "plan/NumberText.h"
#include "Workspace.h"

#include <array>

namespace velmora {

namespace {

constexpr int kCols = 7;
constexpr int kNameCol = 0;
constexpr int kFedTaxFreeCol = 4;
constexpr int kRiskCol = 5;

constexpr std::array<int, kCols> kTableWidths{100, 60, 70, 50, 60, 60, 75};
constexpr std::array<int, kCols> kTitleWidths{100, 60, 75, 50, 60, 60, 75};

constexpr std::array<const char*, kCols> kMasks{"cccccccccc", "000000", "000000", "00",
                                                ">L",         "0",      "00"};

// The whole-number field of each number column; the name and flag columns have none.
constexpr std::array<std::int32_t DebtHolding::*, kCols> kFields{
    nullptr, &DebtHolding::Basis,        &DebtHolding::CurrentValue,     &DebtHolding::InterestRate,
    nullptr, &DebtHolding::RiskCategory, &DebtHolding::ProbabilityOfLoss};

constexpr std::array<TitleLines, kCols> kTitles{{
    {"  Investment", "  Name or", "  Description"},
    {"  Basis", "(Purchase", " Cost - $)"},
    {"  Current", "  Value If", "    Sold"},
    {"Interest", "  Rate", " (%/Yr)"},
    {" Fed Tax", "  Free?", "   (Y/N)"},
    {" Portfolio", "    Risk", " Category"},
    {"  Probability", "    of loss", "    (%/Yr)"},
}};

} // namespace

TfrmDebt::TfrmDebt(Workspace& ws, Dialogs& dialogs, Shell& shell)
    : ws_(ws), dialogs_(dialogs), shell_(shell) {
    FormCreate();
}

void TfrmDebt::FormCreate() {
    setObjectName("frmDebt");
    const HoldingsTableParts parts =
        BuildHoldingsTableScreen(*this, dialogs_,
                                 {"Debt Investments", kTitles, kTitleWidths, kTableWidths,
                                  "lblRiskCatValues", kRiskCategories});
    StringGridTable_ = parts.table;
    ConnectHoldingsTableScreen(*this, parts);
}

void TfrmDebt::FormActivate() {
    FillTableGrid(*StringGridTable_, ws_.plan.DebtHoldings, kFields,
                  {{kNameCol, &DebtHolding::Name}, {kFedTaxFreeCol, &DebtHolding::FedTaxFree}});
}

QString TfrmDebt::StringGridTableGetEditMask(int col, int /*row*/) const {
    return col >= 0 && col < kCols ? QString::fromLatin1(kMasks[col]) : QString();
}

void TfrmDebt::StringGridTableSetEditText(int col, int row, const QString& text) {
    if (row < 0 || row >= kTableRows || col < 0 || col >= kCols) {
        return; // no table row behind the cell
    }
    DebtHolding& holding = ws_.plan.DebtHoldings[row];
    if (col == kNameCol) {
        holding.Name = ToPlanText(text).substr(0, kNameLength);
    } else if (col == kFedTaxFreeCol) {
        holding.FedTaxFree = ToPlanText(text).substr(0, 1);
    } else {
        holding.*kFields[col] = LeadingDigits(text.toStdString());
    }
}

void TfrmDebt::StringGridTableSelectCell(int /*col*/, int row) {
    debtSelectedRow_ = row;
}

void TfrmDebt::StringGridTableExit() {
    DebtTable& table = ws_.plan.DebtHoldings;
    CapRiskCategories(table, *StringGridTable_, kRiskCol, dialogs_, kCategoryWarning);
    CorrectYesNoFlags(table, &DebtHolding::FedTaxFree, *StringGridTable_, kFedTaxFreeCol, dialogs_,
                      kFlagWarning);
}

void TfrmDebt::btnDeleteLineClick() {
    DeleteHoldingRow(ws_.plan.DebtHoldings, debtSelectedRow_);
    FormActivate();
}

void TfrmDebt::btnReturnToMiscInputClick() {
    for (DebtHolding& holding : ws_.plan.DebtHoldings) {
        if (holding.Name.empty()) {
            holding.Basis = 0;
            holding.CurrentValue = 0;
            holding.InterestRate = 0;
            holding.RiskCategory = 0;
            holding.ProbabilityOfLoss = 0;
            holding.FedTaxFree.clear();
        }
    }
    shell_.Show(Screen::DataInput);
}

void TfrmDebt::Calculate() {
    debt::Calculate(ws_);
}

void TfrmDebt::BondTotalCalculate() {
    debt::BondTotalCalculate(ws_);
}

} // namespace velmora

#include "holdings/debt/ui/TfrmDebt.h"

#include "Workspace.h"
#include "grid/ui/StringGrid.h"
#include "holdings/DeleteHoldingRow.h"
#include "holdings/HoldingsColumn.h"
#include "holdings/TableRules.h"
#include "holdings/debt/DebtReturns.h"
#include "holdings/ui/CorrectionNotes.h"
#include "holdings/ui/HoldingsGrid.h"
#include "holdings/ui/HoldingsTableLayout.h"
#include "screens/ui/Dialogs.h"
#include "screens/ui/Shell.h"

#include <array>
#include <set>

namespace velmora {

namespace {

// Each column: its three title lines, its width in pixels, its edit mask and
// the field it shows. The titles' leading blanks centre them in their cells and
// are kept as they are on purpose, as is the small "l" of "of loss". The title
// over the current value is 5 pixels wider than the column under it.
// clang-format off
constexpr std::array<HoldingsColumn<DebtHolding>, 7> kColumns{{
    {{"  Investment", "  Name or", "  Description"}, 100, "cccccccccc",
     NameField(&DebtHolding::Name)},
    {{"  Basis", "(Purchase", " Cost - $)"}, 60, "000000",
     NumberField(&DebtHolding::Basis)},
    {{"  Current", "  Value If", "    Sold"}, 70, "000000",
     NumberField(&DebtHolding::CurrentValue), 75},
    {{"Interest", "  Rate", " (%/Yr)"}, 50, "00",
     NumberField(&DebtHolding::InterestRate)},
    {{" Fed Tax", "  Free?", "   (Y/N)"}, 60, ">L",
     FlagField(&DebtHolding::FedTaxFree)},
    {{" Portfolio", "    Risk", " Category"}, 60, "0",
     NumberField(&DebtHolding::RiskCategory)},
    {{"  Probability", "    of loss", "    (%/Yr)"}, 75, "00",
     NumberField(&DebtHolding::ProbabilityOfLoss)},
}};
// clang-format on

constexpr int kFedTaxFreeCol = ColumnOf(kColumns, &DebtHolding::FedTaxFree);
constexpr int kCategoryCol = ColumnOf(kColumns, &DebtHolding::RiskCategory);

} // namespace

TfrmDebt::TfrmDebt(const ScreenContext& context) : HoldingsScreen(context, Screen::Debt) {
    FormCreate();
}

void TfrmDebt::FormCreate() {
    setObjectName("frmDebt");
    const HoldingsTableParts parts = BuildHoldingsTableScreen(
        *this, dialogs_, {"Debt Investments", "lblRiskCatValues", kRiskCategories}, kColumns);
    StringGridTable_ = parts.table;
    ConnectHoldingsTableScreen(*this, parts);
    parts.errors->Watch(*StringGridTable_, RefusalDetails(kColumns, ws_.plan.DebtHoldings));
    RecordCellEdits(*StringGridTable_, PlanPart::Debt, "Debt");
    ShowStoredCells(*StringGridTable_, ws_.plan.DebtHoldings, kColumns);
}

void TfrmDebt::FormActivate() {
    FillTable(*StringGridTable_, ws_.plan.DebtHoldings, kColumns);
}

QString TfrmDebt::StringGridTableGetEditMask(int col, int /*row*/) const {
    return ColumnMask(kColumns, col);
}

void TfrmDebt::StringGridTableSetEditText(int col, int row, const QString& text) {
    StoreCell(kColumns, ws_.plan.DebtHoldings, col, row, text);
}

void TfrmDebt::StringGridTableSelectCell(int /*col*/, int row) {
    debtSelectedRow_ = row;
}

void TfrmDebt::StringGridTableExit() {
    DebtTable& table = ws_.plan.DebtHoldings;
    StringGrid& grid = *StringGridTable_;
    const DebtTable before = table;
    std::set<int> told;
    RecordTableChange(
        grid, kColumns, table, PlanPart::Debt, PlanWatch(ws_.plan, {{PlanPart::Debt}}),
        QStringLiteral("check of Debt table"), StepKind::Check, std::nullopt, [&] {
            ShowCorrections(grid, before, table, kColumns, CapRiskCategories(table), {kCategoryCol},
                            kCategoryWarning, kCategoryCappedNote, told);
            ShowCorrections(grid, before, table, kColumns,
                            CorrectYesNoFlags(table, &DebtHolding::FedTaxFree), {kFedTaxFreeCol},
                            kFlagWarning, kFlagSetToNoNote, told);
        });
}

void TfrmDebt::btnDeleteLineClick() {
    RecordTableChange(*StringGridTable_, kColumns, ws_.plan.DebtHoldings, PlanPart::Debt,
                      PlanWatch(ws_.plan, {{PlanPart::Debt}}), QStringLiteral("Delete Line"),
                      StepKind::Change, debtSelectedRow_,
                      [this] { DeleteHoldingRow(ws_.plan.DebtHoldings, debtSelectedRow_); });
    FormActivate();
}

void TfrmDebt::btnReturnToMiscInputClick() {
    RecordTableChange(*StringGridTable_, kColumns, ws_.plan.DebtHoldings, PlanPart::Debt,
                      PlanWatch(ws_.plan, {{PlanPart::Debt}}),
                      QStringLiteral("clearing of unnamed Debt rows"), StepKind::Change,
                      std::nullopt, [this] { ClearUnnamedDebtRows(ws_.plan.DebtHoldings); });
    shell_.Show(Screen::DataInput);
}

void TfrmDebt::Calculate() {
    debt::Calculate(ws_);
}

void TfrmDebt::BondTotalCalculate() {
    debt::BondTotalCalculate(ws_);
}

} // namespace velmora

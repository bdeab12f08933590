#include "holdings/equity/ui/TfrmEquity.h"

#include "Workspace.h"
#include "grid/ui/StringGrid.h"
#include "holdings/DeleteHoldingRow.h"
#include "holdings/HoldingsColumn.h"
#include "holdings/TableRules.h"
#include "holdings/equity/EquityReturns.h"
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
// are kept as they are on purpose.
// clang-format off
constexpr std::array<HoldingsColumn<EquityHolding>, 11> kColumns{{
    {{"Name", "", ""}, 60, "cccccccccc",
     NameField(&EquityHolding::Name)},
    {{"Current", " Basis", "   ($)"}, 50, "000000",
     NumberField(&EquityHolding::CurrentBasis)},
    {{"Current", " Value", "  ($)"}, 50, "000000",
     NumberField(&EquityHolding::CurrentValue)},
    {{"Regular", "Dividends", "($/Yr)"}, 58, "000000",
     NumberField(&EquityHolding::RegularDividends)},
    {{"Qualifying", "Dividends", "  ($/Yr)"}, 63, "000000",
     NumberField(&EquityHolding::QualifyingDividends)},
    {{" Cap Gains", "Distribution", "  ($/Yr)"}, 72, "000000",
     NumberField(&EquityHolding::CapGainsDistribution)},
    {{"Price", "Growth", "(%/Yr)"}, 50, "00",
     NumberField(&EquityHolding::PriceGrowth)},
    {{" Auto", "Reinvest", " (Y/N)"}, 55, ">L",
     FlagField(&EquityHolding::AutoReinvest)},
    {{"Fed Tax", "  Free", " (Y/N)"}, 50, ">L",
     FlagField(&EquityHolding::FedTaxFree)},
    {{" Loss", "Factor", "(%/Yr)"}, 40, "00",
     NumberField(&EquityHolding::LossFactor)},
    {{" Portfolio", " Risk", " Category"}, 67, "0",
     NumberField(&EquityHolding::RiskCategory)},
}};
// clang-format on

constexpr int kRegularDividendsCol = ColumnOf(kColumns, &EquityHolding::RegularDividends);
constexpr int kQualifyingDividendsCol = ColumnOf(kColumns, &EquityHolding::QualifyingDividends);
constexpr int kAutoReinvestCol = ColumnOf(kColumns, &EquityHolding::AutoReinvest);
constexpr int kFedTaxFreeCol = ColumnOf(kColumns, &EquityHolding::FedTaxFree);
constexpr int kCategoryCol = ColumnOf(kColumns, &EquityHolding::RiskCategory);

} // namespace

TfrmEquity::TfrmEquity(const ScreenContext& context) : HoldingsScreen(context, Screen::Equity) {
    FormCreate();
}

void TfrmEquity::FormCreate() {
    setObjectName("frmEquity");
    const HoldingsTableParts parts = BuildHoldingsTableScreen(
        *this, dialogs_, {"Equity Investments", "lblProbabilityInstruction", kRiskCategories},
        kColumns);
    StringGridTable_ = parts.table;
    ConnectHoldingsTableScreen(*this, parts);
    parts.errors->Watch(*StringGridTable_, RefusalDetails(kColumns, ws_.plan.EquityHoldings));
    RecordCellEdits(*StringGridTable_, PlanPart::Equity, "Equity");
    ShowStoredCells(*StringGridTable_, ws_.plan.EquityHoldings, kColumns);
}

void TfrmEquity::FormActivate() {
    lossesTold_.clear(); // a new visit
    FillTable(*StringGridTable_, ws_.plan.EquityHoldings, kColumns);
}

QString TfrmEquity::StringGridTableGetEditMask(int col, int /*row*/) const {
    return ColumnMask(kColumns, col);
}

void TfrmEquity::StringGridTableSetEditText(int col, int row, const QString& text) {
    StoreCell(kColumns, ws_.plan.EquityHoldings, col, row, text);
}

void TfrmEquity::StringGridTableSelectCell(int /*col*/, int row) {
    equitySelectedRow_ = row;
}

void TfrmEquity::StringGridTableExit() {
    StringGrid& grid = *StringGridTable_;
    EquityTable& table = ws_.plan.EquityHoldings;
    const EquityTable before = table;
    std::set<int> told;
    RecordTableChange(
        grid, kColumns, table, PlanPart::Equity, PlanWatch(ws_.plan, {{PlanPart::Equity}}),
        QStringLiteral("check of Equity table"), StepKind::Check, std::nullopt, [&] {
            ShowCorrections(grid, before, table, kColumns, CapRiskCategories(table), {kCategoryCol},
                            kCategoryWarning, kCategoryCappedNote, told);
            ShowCorrections(grid, before, table, kColumns,
                            CorrectYesNoFlags(table, &EquityHolding::AutoReinvest),
                            {kAutoReinvestCol}, kFlagWarning, kFlagSetToNoNote, told);
            ShowCorrections(grid, before, table, kColumns,
                            CorrectYesNoFlags(table, &EquityHolding::FedTaxFree), {kFedTaxFreeCol},
                            kFlagWarning, kFlagSetToNoNote, told);
            ShowCorrections(grid, before, table, kColumns, ClearDoubledDividends(table),
                            {kRegularDividendsCol, kQualifyingDividendsCol}, kDividendsWarning,
                            kDoubledDividendsNote, told);
        });
    // Once a visit for each loss: leaving the table again (Delete Line, Done)
    // says nothing new. A row whose figures change is a new loss.
    for (int row = 0; row < kTableRows; ++row) {
        const EquityHolding& holding = table[row];
        if (holding.CurrentBasis <= holding.CurrentValue) {
            continue;
        }
        const QString loss = QStringLiteral("%1: Current Basis %2 is above its Current Value %3.")
                                 .arg(HoldingNamed(row, holding.Name))
                                 .arg(holding.CurrentBasis)
                                 .arg(holding.CurrentValue);
        if (!lossesTold_.contains(loss)) {
            lossesTold_.insert(loss);
            dialogs_.Information(WithDetails(QString::fromLatin1(kCapitalLoss), {loss}));
        }
    }
}

void TfrmEquity::btnDeleteLineClick() {
    RecordTableChange(*StringGridTable_, kColumns, ws_.plan.EquityHoldings, PlanPart::Equity,
                      PlanWatch::Everything(ws_.plan), QStringLiteral("Delete Line"),
                      StepKind::Change, equitySelectedRow_, [this] {
                          DeleteHoldingRow(ws_.plan.EquityHoldings, equitySelectedRow_);
                          Calculate();
                      });
    FillTable(*StringGridTable_, ws_.plan.EquityHoldings, kColumns); // the same visit
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

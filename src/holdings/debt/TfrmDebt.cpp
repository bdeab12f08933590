#include "holdings/debt/TfrmDebt.h"

#include "app/Dialogs.h"
#include "app/HoldingsTableLayout.h"
#include "app/PlanText.h"
#include "app/Shell.h"
#include "app/StringGrid.h"
#include "holdings/DeleteHoldingRow.h"
#include "holdings/debt/DebtReturns.h"
#include "plan/NumberText.h"
#include "plan/Workspace.h"

#include <QPushButton>
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

    connect(parts.deleteLine, &QPushButton::clicked, this, &TfrmDebt::btnDeleteLineClick);
    connect(parts.done, &QPushButton::clicked, this, &TfrmDebt::btnReturnToMiscInputClick);
    StringGridTable_->OnGetEditMask(
        [this](int col, int row) { return StringGridTableGetEditMask(col, row); });
    StringGridTable_->OnSetEditText([this](int col, int row, const QString& text) {
        StringGridTableSetEditText(col, row, text);
    });
    StringGridTable_->OnSelectCell(
        [this](int col, int row) { StringGridTableSelectCell(col, row); });
    StringGridTable_->OnExit([this] { StringGridTableExit(); });
}

void TfrmDebt::FormActivate() {
    StringGrid& grid = *StringGridTable_;
    const DebtTable& table = ws_.plan.DebtHoldings;
    for (int row = 0; row < kTableRows; ++row) {
        const DebtHolding& holding = table[row];
        grid.SetCells(kNameCol, row, FromPlanText(holding.Name));
        for (int col = 1; col < kCols; ++col) {
            if (kFields[col] != nullptr) {
                grid.SetCells(col, row, QString::fromStdString(IntText(holding.*kFields[col])));
            }
        }
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
    StringGrid& grid = *StringGridTable_;
    DebtTable& table = ws_.plan.DebtHoldings;
    for (int row = 0; row < kTableRows; ++row) {
        if (table[row].RiskCategory > 3) {
            dialogs_.Warning(QString::fromLatin1(kCategoryWarning));
            table[row].RiskCategory = 3;
            grid.SetCells(kRiskCol, row, QStringLiteral("3"));
        }
    }
    for (int row = 0; row < kTableRows; ++row) {
        DebtHolding& holding = table[row];
        if (!holding.Name.empty() && holding.FedTaxFree != "Y" && holding.FedTaxFree != "N") {
            dialogs_.Warning(QString::fromLatin1(kFlagWarning));
            holding.FedTaxFree.assign(1, 'N');
            grid.SetCells(kFedTaxFreeCol, row, QStringLiteral("N"));
        }
    }
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

#pragma once
// The debt screen: up to 40 bonds, certificates of deposit and other holdings
// that pay interest, edited in place. Every edit goes into the plan at once;
// the rows are checked when the table loses the focus, and "Done" clears what
// was typed into rows without a name.

#include "holdings/ui/HoldingsMessages.h"
#include "holdings/ui/HoldingsScreen.h"

#include <QString>
#include <QWidget>

namespace velmora {

class StringGrid;

class TfrmDebt : public HoldingsScreen {
    Q_OBJECT

public:
    static constexpr const char* kCategoryWarning = kRiskCategoryWarning;
    static constexpr const char* kFlagWarning = kYesNoFlagWarning;
    // One blank after "are:" (the equity screen's legend has two), kept as it is on purpose.
    static constexpr const char* kRiskCategories =
        "Portfolio Risk Categories are: Zero (0), Low (1), Medium (2), High (3)";

    explicit TfrmDebt(const ScreenContext& context);

    // Fills the grid from the table; rows without a name show empty.
    void FormActivate();

    QString StringGridTableGetEditMask(int col, int row) const;
    void StringGridTableSetEditText(int col, int row, const QString& text);
    void StringGridTableSelectCell(int col, int row);
    void StringGridTableExit();
    void btnDeleteLineClick();
    void btnReturnToMiscInputClick();

    // The rates of return and interest totals of the table.
    void Calculate();
    void BondTotalCalculate();

    // The grid row of the last cell selected; 0 until one is.
    int DebtSelectedRow() const { return debtSelectedRow_; }

private:
    void FormCreate();

    StringGrid* StringGridTable_ = nullptr;
    int debtSelectedRow_ = 0;
};

} // namespace velmora

#pragma once
// The equity screen: up to 40 stocks, stock funds and other holdings that pay
// dividends and grow, edited in place. Every edit goes into the plan at once;
// the rows are checked when the table loses the focus.

#include "holdings/ui/HoldingsMessages.h"
#include "holdings/ui/HoldingsScreen.h"

#include <QSet>
#include <QString>
#include <QWidget>

namespace velmora {

class StringGrid;

class TfrmEquity : public HoldingsScreen {
    Q_OBJECT

public:
    static constexpr const char* kCategoryWarning = kRiskCategoryWarning;
    static constexpr const char* kFlagWarning = kYesNoFlagWarning;
    // The texts below are the screen's own, kept as they are on purpose: two
    // blanks after a full stop, and two after "are:" in the legend (the debt
    // screen's has one).
    static constexpr const char* kDividendsWarning =
        "Entering values for both Regular and Qualifying Dividends on a single item is not "
        "allowed.  Re-enter your dividend data.";
    static constexpr const char* kCapitalLoss =
        "The tax benefit from a Capital Loss occurs only when you sell the item.  Thus, Capital "
        "Loss tax benefits are not included.";
    static constexpr const char* kRiskCategories =
        "Portfolio Risk Categories are:  Zero (0), Low (1), Medium (2), High (3)";

    explicit TfrmEquity(const ScreenContext& context);

    // Fills the grid from the table; rows without a name show empty.
    void FormActivate();

    QString StringGridTableGetEditMask(int col, int row) const;
    void StringGridTableSetEditText(int col, int row, const QString& text);
    void StringGridTableSelectCell(int col, int row);
    void StringGridTableExit();
    void btnDeleteLineClick();
    void btnReturnToMiscInputClick();

    // The rates of return and income totals of the table.
    void Calculate();
    void EquityTotalCalculate();

    // The grid row of the last cell selected; 0 until one is.
    int EquitySelectedRow() const { return equitySelectedRow_; }

private:
    void FormCreate();

    StringGrid* StringGridTable_ = nullptr;
    int equitySelectedRow_ = 0;
    // The capital losses told of since the screen was opened, as told.
    QSet<QString> lossesTold_;
};

} // namespace velmora

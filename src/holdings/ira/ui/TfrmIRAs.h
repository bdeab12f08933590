#pragma once
// The IRA screen: the regular and the Roth IRA tables, 40 rows each, edited in
// place. Every edit goes into the plan at once; a few combinations are
// corrected with a warning as they are typed, and risk categories above 3 when
// a table loses the focus.

#include "holdings/ui/HoldingsScreen.h"
#include "plan/PlanData.h"

#include <QString>
#include <QWidget>
#include <cstdint>
#include <vector>

class QFont;
class QVBoxLayout;

namespace velmora {

class StringGrid;

class TfrmIRAs : public HoldingsScreen {
    Q_OBJECT

public:
    static constexpr const char* kBasisWarning = "If BASIS of IRA is not zero, see Help.";
    static constexpr const char* kInterestWarning =
        "Can not show both Interest and Dividends/Growth.";
    // The two texts below are the screen's own and kept as they are on purpose:
    // this warning ends in two blanks, and the legend reads "(2))", "and  High"
    // and "(30)".
    static constexpr const char* kCategoryWarning =
        "The maximum Portfolio Risk Category is 3. The program will automatically insert 3 for "
        "any entries exceeding this value.  ";
    static constexpr const char* kRiskCategories =
        "Portfolio Risk Categories are: Zero (0), Low (1), Medium (2)) and  High (30)";

    explicit TfrmIRAs(const ScreenContext& context);

    // Fills both grids from the tables; rows without a name show empty.
    void FormActivate();

    QString StringGridIRAsGetEditMask(int col, int row) const;
    QString StringGridRothIRAsGetEditMask(int col, int row) const;
    void StringGridIRAsSetEditText(int col, int row, const QString& text);
    void StringGridRothIRAsSetEditText(int col, int row, const QString& text);
    void StringGridIRAsSelectCell(int col, int row);
    void StringGridRothIRAsSelectCell(int col, int row);
    void StringGridIRAsExit();
    void StringGridRothIRAsExit();
    void btnDeleteRowIRAClick();
    void btnDeleteRowRothClick();
    void btnReturnToMiscInputClick();

    // The rates of return and totals of both tables.
    void Calculate();
    void IRAsTotalCalculate();
    void RothTotalCalculate();

    // The grid row of the last cell selected in each grid; 0 until one is.
    int IraSelectedRow() const { return iraSelectedRow_; }
    int RothSelectedRow() const { return rothSelectedRow_; }

private:
    void FormCreate();
    // A title grid and its table grid, added to `layout`.
    StringGrid* AddTable(QVBoxLayout& layout, const char* titleName, const char* gridName,
                         const QString& caption, bool regular, const QFont& font);
    void StoreEdit(StringGrid& grid, IraTable& table, bool regular, int col, int row,
                   const QString& text);
    void CheckTable(StringGrid& grid, IraTable& table, bool regular);
    void DeleteRow(StringGrid& grid, IraTable& table, bool regular, int row);

    // A rule's warning waiting for its table to be left.
    struct Deferred {
        enum class What { Basis, Interest, DividendsGrowth };
        bool regular;
        int row;
        What what;
        int col;             // the column typed in
        std::int32_t before; // the value cleared (Interest, or Dividends)
        std::int32_t other;  // the Growth Rate cleared with the Dividends
    };
    void Defer(const Deferred& warning);
    // The warnings waiting for one table, each once, for the corrections that
    // still stand.
    void ShowDeferred(const IraTable& table, bool regular);

    StringGrid* StringGridIRAs_ = nullptr;
    StringGrid* StringGridRothIRAs_ = nullptr;
    int iraSelectedRow_ = 0;
    int rothSelectedRow_ = 0;
    std::vector<Deferred> deferred_;
};

} // namespace velmora

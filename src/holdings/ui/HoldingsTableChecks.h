#pragma once
// Checks that the holdings screens make when a table grid loses the focus.
// Each one corrects the table and its grid, with a warning for every row that
// it corrects.

#include "screens/ui/Dialogs.h"
#include "grid/ui/StringGrid.h"
#include "holdings/HoldingsColumn.h"
#include "plan/PlanData.h"

#include <array>
#include <cstddef>
#include <string>

namespace velmora {

// Rows 1 to 40 in order, named or not: a RiskCategory above 3 becomes 3, in
// the table and in the row's cell of the risk category column.
template <class Row, std::size_t Cols>
void CapRiskCategories(std::array<Row, kTableRows>& table, StringGrid& grid,
                       const std::array<HoldingsColumn<Row>, Cols>& columns, Dialogs& dialogs,
                       const char* warning) {
    const int col = ColumnOf(columns, &Row::RiskCategory);
    for (int row = 0; row < kTableRows; ++row) {
        if (table[row].RiskCategory > 3) {
            dialogs.Warning(QString::fromLatin1(warning));
            table[row].RiskCategory = 3;
            grid.SetCells(col, row, QStringLiteral("3"));
        }
    }
}

// Rows 1 to 40 in order: a named row whose flag is neither "Y" nor "N" (empty
// included) gets "N", in the table and in the row's cell of the flag's column.
template <class Row, std::size_t Cols>
void CorrectYesNoFlags(std::array<Row, kTableRows>& table, StringGrid& grid,
                       const std::array<HoldingsColumn<Row>, Cols>& columns, std::string Row::*flag,
                       Dialogs& dialogs, const char* warning) {
    const int col = ColumnOf(columns, flag);
    for (int row = 0; row < kTableRows; ++row) {
        std::string& value = table[row].*flag;
        if (!table[row].Name.empty() && value != "Y" && value != "N") {
            dialogs.Warning(QString::fromLatin1(warning));
            value.assign(1, 'N');
            grid.SetCells(col, row, QStringLiteral("N"));
        }
    }
}

} // namespace velmora

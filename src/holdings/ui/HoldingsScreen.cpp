#include "holdings/ui/HoldingsScreen.h"

namespace velmora {

void HoldingsScreen::RecordCellEdits(StringGrid& grid, PlanPart table, const char* rowName) {
    history_.RecordCellEdits(
        grid, screen_, [table, rowName](int col, int row) -> std::optional<CellField> {
            if (col < 0 || row < 0 || row >= kTableRows) {
                return std::nullopt; // no table row behind the cell
            }
            return CellField{
                {table, row},
                QStringLiteral("%1 row %2").arg(QString::fromLatin1(rowName)).arg(row + 1)};
        });
}

} // namespace velmora

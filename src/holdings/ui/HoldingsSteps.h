#pragma once
// The steps that the holdings screens record in the plan's history: each cell
// edit, each deleted row, each check that corrects the table when it loses the
// focus, and the debt screen's clearing of rows without a name.

#include "history/ui/PlanHistory.h"
#include "grid/ui/StringGrid.h"
#include "plan/PlanEdit.h"

#include <QString>
#include <optional>
#include <utility>

namespace velmora {

// Each edit of a cell of `grid`, the grid of `table` on `screen`, becomes a
// step named after its row: "edit of IRA row 3" for `rowName` "IRA".
inline void RecordHoldingsCellEdits(PlanHistory& history, StringGrid& grid, Screen screen,
                                    PlanPart table, const char* rowName) {
    history.RecordCellEdits(
        grid, screen, [table, rowName](int col, int row) -> std::optional<CellField> {
            if (col < 0 || row < 0 || row >= kTableRows) {
                return std::nullopt; // no table row behind the cell
            }
            return CellField{
                {table, row},
                QStringLiteral("%1 row %2").arg(QString::fromLatin1(rowName)).arg(row + 1)};
        });
}

// A change of a table made on its screen: the step's name, its kind, and the
// grid row to make current when it is undone or made again (without one, the
// first row of the table that changed).
struct TableStep {
    Screen screen;
    StringGrid& grid;
    PlanPart table;
    QString text;
    StepKind kind = StepKind::Change;
    std::optional<int> row;
};

// Runs `change` and records what it did to the parts of the plan that `watch`
// looks at as one step.
template <class Change>
void RecordTableChange(PlanHistory& history, PlanData& plan, const PlanWatch& watch,
                       const TableStep& step, Change&& change) {
    std::forward<Change>(change)();
    PlanEdit edit = watch.Changes(plan);
    const int row = step.row.value_or(edit.FirstRow(step.table));
    history.Record({step.screen, &step.grid, 0, row}, step.text, std::move(edit), step.kind);
}

} // namespace velmora

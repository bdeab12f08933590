#pragma once
// What the three holdings screens (IRAs, equity, debt) share beside their
// layout: the program around them, and the plumbing between a table grid and
// a table of the plan. Filling a grid, storing an edited cell, recording a
// change of a table as one step of the history and showing what the table
// rules corrected are done here once; each screen keeps its own handlers.

#include "Workspace.h"
#include "grid/ui/StringGrid.h"
#include "history/ui/PlanHistory.h"
#include "holdings/HoldingsColumn.h"
#include "holdings/ui/HoldingsGrid.h"
#include "plan/PlanEdit.h"
#include "screens/ui/Dialogs.h"
#include "screens/ui/Screen.h"
#include "screens/ui/ScreenContext.h"
#include "screens/ui/ScreenText.h"

#include <QPointer>
#include <QString>
#include <QWidget>
#include <array>
#include <cstddef>
#include <initializer_list>
#include <optional>
#include <utility>
#include <vector>

namespace velmora {

template <class Row, std::size_t Cols> using Columns = std::array<HoldingsColumn<Row>, Cols>;
template <class Row> using HoldingsTable = std::array<Row, kTableRows>;

class HoldingsScreen : public QWidget {
protected:
    HoldingsScreen(const ScreenContext& context, Screen screen)
        : ws_(context.workspace), dialogs_(context.dialogs), shell_(context.shell),
          history_(context.history), screen_(screen) {}

    // Shows in cell (col, row) of `grid` the value of its column in table row
    // row + 1, as the table holds it.
    template <class Row, std::size_t Cols>
    static void ShowCell(StringGrid& grid, const HoldingsTable<Row>& table,
                         const Columns<Row, Cols>& columns, int col, int row) {
        grid.SetCells(col, row, FromPlanText(columns[col].CellText(table[row])));
    }

    // Writes table row r + 1 into grid row r, every column. Then the grid rows
    // of the rows without a name are emptied; their numbers stay in the table.
    // Cells marked as changed by a rule lose their marks.
    template <class Row, std::size_t Cols>
    static void FillTable(StringGrid& grid, const HoldingsTable<Row>& table,
                          const Columns<Row, Cols>& columns) {
        grid.ClearMarks();
        for (int row = 0; row < kTableRows; ++row) {
            const bool named = !table[row].Name.empty();
            for (int col = 0; col < static_cast<int>(Cols); ++col) {
                if (named) {
                    ShowCell(grid, table, columns, col, row);
                } else {
                    grid.SetCells(col, row, QString());
                }
            }
        }
    }

    // Once a cell of `grid` is left with a changed text, it shows the stored
    // value as FillTable shows it (67 for "067").
    template <class Row, std::size_t Cols>
    void ShowStoredCells(StringGrid& grid, const HoldingsTable<Row>& table,
                         const Columns<Row, Cols>& columns) {
        connect(&grid, &StringGrid::EditStored, this, [&grid, &table, &columns](int col, int row) {
            if (row >= 0 && row < kTableRows && col >= 0 && col < static_cast<int>(Cols)) {
                ShowCell(grid, table, columns, col, row);
            }
        });
    }

    // Stores the edited text of cell (col, row) into the field of its column in
    // table row row + 1. A cell with no table row behind it stores nothing.
    template <class Row, std::size_t Cols>
    static void StoreCell(const Columns<Row, Cols>& columns, HoldingsTable<Row>& table, int col,
                          int row, const QString& text) {
        if (row < 0 || row >= kTableRows || col < 0 || col >= static_cast<int>(Cols)) {
            return;
        }
        columns[col].Store(table[row], ToPlanText(text));
    }

    // Each edit of a cell of `grid`, the grid of `table`, becomes a step named
    // after its row: "edit of IRA row 3" for `rowName` "IRA".
    void RecordCellEdits(StringGrid& grid, PlanPart table, const char* rowName);

    // Runs `change` and records what it did to the parts of the plan that
    // `watch` looks at as one step named `text`. Undoing or making it again
    // makes `row` of `grid` current; without a row, the first row of `table`
    // that changed. Undoing it also shows every row of `table` that it brings
    // back, named or not, with the first cell that holds something current.
    template <class Row, std::size_t Cols, class Change>
    void RecordTableChange(StringGrid& grid, const Columns<Row, Cols>& columns,
                           const HoldingsTable<Row>& rows, PlanPart table, const PlanWatch& watch,
                           const QString& text, StepKind kind, std::optional<int> row,
                           Change&& change) {
        std::forward<Change>(change)();
        PlanEdit edit = watch.Changes(ws_.plan);
        StepPlace place{screen_, &grid, 0, row.value_or(edit.FirstRow(table))};
        place.reveal = [shown = QPointer<StringGrid>(&grid), &columns, &rows,
                        touched = edit.Rows(table)] {
            if (shown.isNull() || touched.empty()) {
                return;
            }
            for (const int r : touched) {
                for (int col = 0; col < static_cast<int>(Cols); ++col) {
                    ShowCell(*shown, rows, columns, col, r);
                }
            }
            for (std::size_t col = 0; col < Cols; ++col) {
                if (!shown->Cells(static_cast<int>(col), touched.front()).isEmpty()) {
                    shown->SetCurrentCell(static_cast<int>(col), touched.front());
                    break;
                }
            }
        };
        history_.Record(place, text, std::move(edit), kind);
    }

    // One `warning` for each row a table rule corrected, each followed by the
    // corrected values in that row's cells of the columns `cols`, marked, with
    // `note` under the last of them.
    template <class Row, std::size_t Cols>
    void ShowCorrections(StringGrid& grid, const HoldingsTable<Row>& table,
                         const Columns<Row, Cols>& columns, const std::vector<int>& rows,
                         std::initializer_list<int> cols, const char* warning, const char* note) {
        for (const int row : rows) {
            dialogs_.Warning(QString::fromLatin1(warning));
            for (const int col : cols) {
                ShowCell(grid, table, columns, col, row);
                grid.MarkChanged(col, row, QString::fromLatin1(note));
            }
        }
    }

    Workspace& ws_;
    Dialogs& dialogs_;
    Shell& shell_;
    PlanHistory& history_;

private:
    const Screen screen_;
};

} // namespace velmora

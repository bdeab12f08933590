#pragma once
// What the three holdings screens (IRAs, equity, debt) share beside their
// layout: the program around them, and the plumbing between a table grid and
// a table of the plan. Filling a grid, storing an edited cell, recording a
// change of a table as one step of the history and showing what the table
// rules corrected are done here once; each screen keeps its own handlers.

#include "Workspace.h"
#include "grid/EditMask.h"
#include "grid/ui/StringGrid.h"
#include "history/ui/PlanHistory.h"
#include "holdings/HoldingsColumn.h"
#include "holdings/ui/CellNaming.h"
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
#include <set>
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
    // `note` under the last of them. The box names the holding and the columns
    // with what they held (`before` the rules, as the grid showed them) and
    // what they are stored as; the first box about a named row in `told` also
    // says what its other empty cells are stored as.
    template <class Row, std::size_t Cols>
    void ShowCorrections(StringGrid& grid, const HoldingsTable<Row>& before,
                         const HoldingsTable<Row>& table, const Columns<Row, Cols>& columns,
                         const std::vector<int>& rows, std::initializer_list<int> cols,
                         const char* warning, const char* note, std::set<int>& told) {
        for (const int row : rows) {
            const bool named = !before[row].Name.empty();
            QStringList changes;
            for (const int col : cols) {
                const HoldingsColumn<Row>& column = columns[col];
                const QString was =
                    named ? grid.Cells(col, row) : FromPlanText(column.CellText(before[row]));
                const bool text = column.field.text != nullptr;
                const QString held = was.isEmpty() ? QStringLiteral("left empty")
                                     : text        ? QLatin1Char('"') + was + QLatin1Char('"')
                                                   : was;
                changes << QStringLiteral("%1 %2, stored as %3")
                               .arg(ColumnNamed(columns, col), held,
                                    FromPlanText(column.CellText(table[row])));
            }
            QStringList details{HoldingNamed(row, before[row].Name) + QStringLiteral(": ") +
                                changes.join(QStringLiteral("; ")) + QLatin1Char('.')};
            for (const int col : cols) {
                ShowCell(grid, table, columns, col, row);
            }
            if (named && told.insert(row).second) {
                const QString empty = EmptyNumbers(grid, columns, row);
                if (!empty.isEmpty()) {
                    details << QStringLiteral("Also left empty, so stored as 0: ") + empty +
                                   QLatin1Char('.');
                }
            }
            dialogs_.Warning(WithDetails(QString::fromLatin1(warning), details));
            for (const int col : cols) {
                grid.MarkChanged(col, row, QString::fromLatin1(note));
            }
        }
    }

    // What the error box of a refused cell of `table`'s grid says after its own
    // words: the holding, the column and what it takes, and for an emptied flag
    // what an empty flag is stored as.
    template <class Row, std::size_t Cols>
    static NamedCellErrors::Describe RefusalDetails(const Columns<Row, Cols>& columns,
                                                    const HoldingsTable<Row>& table) {
        return [&columns, &table](int col, int row, const QString& text) -> QStringList {
            if (col < 0 || col >= static_cast<int>(Cols) || row < 0 || row >= kTableRows) {
                return {};
            }
            const HoldingsColumn<Row>& column = columns[col];
            const std::string takes = EditMask(column.mask).Hint(std::u32string());
            QStringList details{HoldingNamed(row, table[row].Name) + QStringLiteral(", ") +
                                ColumnNamed(columns, col) + QStringLiteral(": ") +
                                QString::fromStdString(takes) + QLatin1Char('.')};
            if (text.isEmpty() && column.field.text != nullptr && column.field.length == 1) {
                details << QStringLiteral("Left empty it would be stored as N: type Y or N, or "
                                          "press Escape for what the cell held.");
            }
            return details;
        };
    }

    // The number columns of grid row `row` that show nothing, by their titles;
    // an empty risk category is said to be the Zero risk category.
    template <class Row, std::size_t Cols>
    static QString EmptyNumbers(const StringGrid& grid, const Columns<Row, Cols>& columns,
                                int row) {
        const int categoryCol = ColumnOf(columns, &Row::RiskCategory);
        QStringList empty;
        for (int col = 0; col < static_cast<int>(Cols); ++col) {
            if (columns[col].field.number != nullptr && grid.Cells(col, row).isEmpty()) {
                empty << ColumnNamed(columns, col) +
                             (col == categoryCol ? QStringLiteral(" (0 is Zero risk)") : QString());
            }
        }
        return empty.join(QStringLiteral(", "));
    }

    Workspace& ws_;
    Dialogs& dialogs_;
    Shell& shell_;
    PlanHistory& history_;

private:
    const Screen screen_;
};

} // namespace velmora

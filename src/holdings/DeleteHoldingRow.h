#pragma once
// Deleting a row of a holdings table: the rows below it move up one place and
// the last row is emptied, so no holding is left standing in two rows.

#include "plan/PlanData.h"

#include <array>

namespace velmora {

// Deletes table row `gridRow` + 1 (grid row `gridRow`, 0 to 39). Each row that
// moves up takes every field of the row below except `Err`, which stays with
// its place until the rates are computed again; the emptied last row has
// `Err` 0. A row number outside the table deletes nothing.
template <class Row> void DeleteHoldingRow(std::array<Row, kTableRows>& table, int gridRow) {
    if (gridRow < 0 || gridRow >= kTableRows) {
        return;
    }
    for (int k = gridRow; k + 1 < kTableRows; ++k) {
        const double err = table[k].Err;
        table[k] = table[k + 1];
        table[k].Err = err;
    }
    table[kTableRows - 1] = Row{};
}

} // namespace velmora

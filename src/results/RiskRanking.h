#pragma once
// Holdings gathered by risk category and ordered by increasing Err.

#include "Workspace.h"

namespace velmora::results {

// Gathers every named holding into the array of its risk category, with the
// category totals and each category's share of TotalInvestments.
void LoadArrays(Workspace& ws);

// Sorts slots low..high (1-based) of one category array by increasing Err with a
// recursive partition sort; the order of equal values follows from the sort itself.
// Arguments outside the arrays leave them unchanged.
void SortCategory(Workspace& ws, int category, int low, int high);

// Sets the texts of the grand total, the four category totals and the four percentages.
void ShowRanking(Workspace& ws);

} // namespace velmora::results

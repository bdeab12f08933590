#pragma once
// Texts of the rows of the four result grids, one row per ranked slot.

#include "results/Ranking.h"

#include <string>
#include <vector>

namespace velmora::results {

// The three cells of one grid row: the name, the value as real text of a whole
// number and the Err as real text.
struct CategoryRow {
    std::string Name;
    std::string Value;
    std::string Err;
};

// Row of slot (1 to 160) of a category; a slot past the category's count shows
// the cleared entry (empty name, 0 and 0).
CategoryRow SlotRow(const Ranking& ranking, RiskCategory category, int slot);

// Rows of every ranked entry of a category, lowest Err first.
std::vector<CategoryRow> CategoryRows(const Ranking& ranking, RiskCategory category);

} // namespace velmora::results

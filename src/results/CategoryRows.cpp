#include "results/CategoryRows.h"

#include "plan/NumberText.h"

namespace velmora::results {

CategoryRow SlotRow(const Ranking& ranking, int category, int slot) {
    if (category < 0 || category >= kCategories || slot < 1 || slot > kCategorySlots) {
        return {"", "0", "0"};
    }
    const RankedHolding& entry = ranking.RankedHoldings[category][slot - 1];
    return {entry.Name, RealText(entry.Value), RealText(entry.Err)};
}

std::vector<CategoryRow> CategoryRows(const Ranking& ranking, int category) {
    std::vector<CategoryRow> rows;
    if (category < 0 || category >= kCategories) {
        return rows;
    }
    const int count = ranking.CategoryCount[category];
    rows.reserve(static_cast<std::size_t>(count));
    for (int slot = 1; slot <= count; ++slot) {
        rows.push_back(SlotRow(ranking, category, slot));
    }
    return rows;
}

} // namespace velmora::results

#include "results/CategoryRows.h"

#include "plan/NumberText.h"

namespace velmora::results {

CategoryRow SlotRow(const Ranking& ranking, RiskCategory category, int slot) {
    if (slot < 1 || slot > kCategorySlots) {
        return {"", "0", "0"};
    }
    const RankedHolding& entry = ranking.RankedHoldings[Number(category)][slot - 1];
    return {entry.Name, RealText(entry.Value), RealText(entry.Err)};
}

std::vector<CategoryRow> CategoryRows(const Ranking& ranking, RiskCategory category) {
    std::vector<CategoryRow> rows;
    const int count = ranking.CategoryCount[Number(category)];
    rows.reserve(static_cast<std::size_t>(count));
    for (int slot = 1; slot <= count; ++slot) {
        rows.push_back(SlotRow(ranking, category, slot));
    }
    return rows;
}

} // namespace velmora::results

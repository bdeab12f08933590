#include "results/RiskRanking.h"

#include "plan/NumberText.h"

#include <string_view>
#include <utility>

namespace velmora::results {

namespace {

// Prefix of each table's entries: "B:" for debt ("B: " in the Low category),
// "S:" for equities, "I:" for regular IRAs, "R:" for Roth IRAs.
std::string_view DebtPrefix(int category) {
    return category == 1 ? "B: " : "B:";
}

void Place(Ranking& ranking, int category, std::string_view prefix, const std::string& name,
           std::int32_t value, double err) {
    const int slot = ++ranking.CategoryCount[category];
    RankedHolding& entry = ranking.RankedHoldings[category][slot - 1];
    entry.Name.assign(prefix);
    entry.Name += name;
    if (entry.Name.size() > kNameLength) {
        entry.Name.resize(kNameLength);
    }
    entry.Err = err;
    entry.Value = value;
    ranking.CategoryTotal[category] += value;
}

template <typename Table>
void Gather(Ranking& ranking, int category, const Table& table, std::string_view prefix) {
    for (const auto& row : table) {
        if (row.RiskCategory == category && !row.Name.empty()) {
            Place(ranking, category, prefix, row.Name, row.CurrentValue, row.Err);
        }
    }
}

RankedHolding& Slot(Ranking& ranking, int category, int slot) {
    return ranking.RankedHoldings[category][slot - 1];
}

} // namespace

void LoadArrays(Workspace& ws) {
    Ranking& ranking = ws.ranking;
    ranking.CategoryCount.fill(0);
    for (auto& slots : ranking.RankedHoldings) {
        for (RankedHolding& entry : slots) {
            entry.Name.clear();
            entry.Value = 0;
            entry.Err = 0.0;
        }
    }

    const PlanData& plan = ws.plan;
    for (int k = 0; k < kCategories; ++k) {
        ranking.CategoryTotal[k] = 0;
        Gather(ranking, k, plan.DebtHoldings, DebtPrefix(k));
        Gather(ranking, k, plan.EquityHoldings, "S:");
        Gather(ranking, k, plan.IraHoldings, "I:");
        Gather(ranking, k, plan.RothHoldings, "R:");
    }

    const std::int64_t all = ws.results.TotalInvestments;
    for (int k = 0; k < kCategories; ++k) {
        // Without a positive grand total there is no share to show.
        ranking.CategoryPercent[k] = all > 0 ? Round(static_cast<double>(ranking.CategoryTotal[k]) *
                                                     100 / static_cast<double>(all))
                                             : 0.0;
    }
}

void SortCategory(Workspace& ws, int category, int low, int high) {
    if (category < 0 || category >= kCategories || low < 1 || high > kCategorySlots ||
        low >= high) {
        return;
    }
    Ranking& ranking = ws.ranking;
    int i = low;
    int j = high;
    const double pivot = Slot(ranking, category, (low + high) / 2).Err;
    do {
        while (Slot(ranking, category, i).Err < pivot) {
            ++i;
        }
        while (pivot < Slot(ranking, category, j).Err) {
            --j;
        }
        if (i <= j) {
            if (i != j) { // swapping a slot with itself changes nothing
                std::swap(Slot(ranking, category, i), Slot(ranking, category, j));
            }
            ++i;
            --j;
        }
    } while (i <= j);
    if (low < j) {
        SortCategory(ws, category, low, j);
    }
    if (i < high) {
        SortCategory(ws, category, i, high);
    }
}

void ShowRanking(Workspace& ws) {
    const Ranking& ranking = ws.ranking;
    ResultBoxes& boxes = ws.results.boxes;
    boxes.editTotalInvestments = IntText(ws.results.TotalInvestments);
    boxes.editTotalZero = IntText(ranking.CategoryTotal[0]);
    boxes.editTotalLow = IntText(ranking.CategoryTotal[1]);
    boxes.editTotalMedium = IntText(ranking.CategoryTotal[2]);
    boxes.editTotalHigh = IntText(ranking.CategoryTotal[3]);
    boxes.editPerCent0 = RealText(ranking.CategoryPercent[0]);
    boxes.editPerCent1 = RealText(ranking.CategoryPercent[1]);
    boxes.editPerCent2 = RealText(ranking.CategoryPercent[2]);
    boxes.editPerCent3 = RealText(ranking.CategoryPercent[3]);
}

} // namespace velmora::results

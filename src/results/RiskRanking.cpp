#include "results/RiskRanking.h"

#include "plan/NumberText.h"
#include "results/ResultBox.h"

#include <array>
#include <cstddef>
#include <string_view>
#include <utility>

namespace velmora::results {

namespace {

// Prefix of each table's entries: "B:" for debt ("B: " in the Low category),
// "S:" for equities, "I:" for regular IRAs, "R:" for Roth IRAs.
std::string_view DebtPrefix(RiskCategory category) {
    return category == RiskCategory::Low ? "B: " : "B:";
}

void Place(Ranking& ranking, int category, std::string_view prefix, const std::string& name,
           std::int32_t value, double err, HoldingTable table, int row) {
    const int slot = ++ranking.CategoryCount[category];
    RankedHolding& entry = ranking.RankedHoldings[category][slot - 1];
    entry.Name.assign(prefix); // then the name, cut to 15 characters in all
    entry.Name.append(name, 0, kNameLength - prefix.size());
    entry.Err = err;
    entry.Value = value;
    entry.Table = table;
    entry.Row = row;
    ranking.CategoryTotal[category] += value;
}

template <typename Table>
void Gather(Ranking& ranking, RiskCategory category, const Table& table, HoldingTable from,
            std::string_view prefix) {
    const int number = Number(category);
    for (int i = 0; i < kTableRows; ++i) {
        const auto& row = table[static_cast<std::size_t>(i)];
        if (row.RiskCategory == number && !row.Name.empty()) {
            Place(ranking, number, prefix, row.Name, row.CurrentValue, row.Err, from, i + 1);
        }
    }
}

// The partition sort runs on the Err values and the slot numbers the entries
// come from, so that a swap moves two numbers instead of two whole entries; the
// entries then move to their places once. The order that results is the one of
// swapping the entries themselves.
struct SortRun {
    std::array<double, kCategorySlots + 1> err{}; // by slot number, 1 to 161
    std::array<int, kCategorySlots + 1> from{};
};

void PartitionSort(SortRun& run, int low, int high) {
    int i = low;
    int j = high;
    const double pivot = run.err[(low + high) / 2];
    do {
        while (run.err[i] < pivot) {
            ++i;
        }
        while (pivot < run.err[j]) {
            --j;
        }
        if (i <= j) { // also when i equals j
            std::swap(run.err[i], run.err[j]);
            std::swap(run.from[i], run.from[j]);
            ++i;
            --j;
        }
    } while (i <= j);
    if (low < j) {
        PartitionSort(run, low, j);
    }
    if (i < high) {
        PartitionSort(run, i, high);
    }
}

// Slot s receives the entry that stood in slot from[s], cycle by cycle.
void MoveEntries(std::array<RankedHolding, kCategorySlots>& slots, SortRun& run, int low,
                 int high) {
    for (int start = low; start <= high; ++start) {
        if (run.from[start] == start) {
            continue;
        }
        RankedHolding held = std::move(slots[start - 1]);
        int to = start;
        while (run.from[to] != start) {
            const int next = run.from[to];
            slots[to - 1] = std::move(slots[next - 1]);
            run.from[to] = to;
            to = next;
        }
        slots[to - 1] = std::move(held);
        run.from[to] = to;
    }
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
            entry.Table = HoldingTable::Debt;
            entry.Row = 0;
        }
    }

    const PlanData& plan = ws.plan;
    for (const RiskCategory k : kRiskCategories) {
        ranking.CategoryTotal[Number(k)] = 0;
        Gather(ranking, k, plan.DebtHoldings, HoldingTable::Debt, DebtPrefix(k));
        Gather(ranking, k, plan.EquityHoldings, HoldingTable::Equity, "S:");
        Gather(ranking, k, plan.IraHoldings, HoldingTable::Ira, "I:");
        Gather(ranking, k, plan.RothHoldings, HoldingTable::Roth, "R:");
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
    if (!RiskCategoryOf(category) || low < 1 || high > kCategorySlots || low >= high) {
        return;
    }
    auto& slots = ws.ranking.RankedHoldings[category];
    SortRun run;
    for (int s = low; s <= high; ++s) {
        run.err[s] = slots[s - 1].Err;
        run.from[s] = s;
    }
    PartitionSort(run, low, high);
    MoveEntries(slots, run, low, high);
}

void ShowRanking(Workspace& ws) {
    const Ranking& ranking = ws.ranking;
    ResultBoxTexts& boxes = ws.results.boxes;
    boxes.editTotalInvestments = IntText(ws.results.TotalInvestments);
    for (const RiskCategory k : kRiskCategories) {
        BoxText(boxes, TotalBox(k)) = IntText(ranking.CategoryTotal[Number(k)]);
        BoxText(boxes, ShareBox(k)) = RealText(ranking.CategoryPercent[Number(k)]);
    }
}

} // namespace velmora::results

#include "projection/SaleList.h"

#include "plan/NumberText.h"

#include <algorithm>
#include <cstddef>

namespace velmora::projection {
namespace {

std::size_t At(int id) {
    return static_cast<std::size_t>(id);
}

// Takes what is still missing, up to `most`, from the rows in turn, each
// giving what it has left.
void TakeInTurn(const SaleRows& rows, const std::vector<int>& ids, std::int64_t most,
                Sales& sales) {
    for (const int id : ids) {
        if (most <= 0 || sales.Missing() <= 0) {
            return;
        }
        const std::int64_t before = sales.Missing();
        sales.Take(rows, id, most);
        most -= before - sales.Missing();
    }
}

// Pass 1: each category its share of T, from its ranked list; pass 2: what is
// still missing, category by category.
void Ranked(const SaleRows& rows, std::int64_t total, Sales& sales) {
    if (rows.totalInvestments > 0) {
        for (int c = 0; c < kCategories; ++c) {
            const double share =
                Round(static_cast<double>(total) * static_cast<double>(rows.categoryTotal[At(c)]) /
                      static_cast<double>(rows.totalInvestments));
            // At most what is still missing; compared as doubles, as a share can
            // be any size when some values are negative.
            const double missing = static_cast<double>(sales.Missing());
            const std::int64_t amount = share >= missing
                                            ? sales.Missing()
                                            : (share > 0 ? static_cast<std::int64_t>(share) : 0);
            TakeInTurn(rows, rows.ranked[At(c)], amount, sales);
        }
    }
    for (int c = 0; c < kCategories; ++c) {
        TakeInTurn(rows, rows.ranked[At(c)], sales.Missing(), sales);
    }
}

void ProRata(const SaleRows& rows, std::int64_t total, Sales& sales) {
    if (rows.H > 0) {
        for (const int id : rows.planOrder) {
            // T x A / H rounded down: both below 2^31, so the product is exact;
            // with T at most H it is at most A, and the shares add up to at most T.
            const std::int64_t share = total * rows.rows[At(id)].A / rows.H;
            if (share > 0) {
                sales.TakeFirst(id, share);
            }
        }
    }
    TakeInTurn(rows, rows.planOrder, sales.Missing(), sales);
}

void IraToBracket(const SaleRows& rows, std::int64_t total, Sales& sales) {
    const std::int64_t x = std::min(total, rows.IraToBracket);
    std::int64_t left = x;
    for (const int id : rows.planOrder) {
        if (TableOf(id) != HoldingTable::Ira || left <= 0) {
            continue;
        }
        const std::int64_t before = sales.Missing();
        sales.Take(rows, id, left);
        left -= before - sales.Missing();
    }
    TakeInTurn(rows, rows.taxableFirst, sales.Missing(), sales);
}

} // namespace

void Sales::Clear() {
    for (const int id : order_) {
        taken_[At(id)] = 0;
    }
    order_.clear();
    missing_ = 0;
}

void Sales::Take(const SaleRows& rows, int id, std::int64_t amount) {
    const SellableRow& row = rows.rows[At(id)];
    std::int64_t& taken = taken_[At(id)];
    const std::int64_t give = std::min({amount, missing_, row.A - taken});
    if (!row.Sellable || give <= 0) {
        return;
    }
    if (taken == 0) {
        order_.push_back(id);
    }
    taken += give;
    missing_ -= give;
}

void Arrange(SaleRows& rows, const Ranking& ranking, std::int64_t totalInvestments,
             const std::array<bool, kSaleRows>& takesPart, Way way) {
    rows.totalInvestments = totalInvestments;
    rows.categoryTotal = ranking.CategoryTotal;
    rows.H = 0;
    for (int c = 0; c < kCategories; ++c) {
        std::vector<int>& list = rows.ranked[At(c)];
        list.clear();
        const int count = std::clamp(ranking.CategoryCount[At(c)], 0, kCategorySlots);
        for (int s = 0; s < count; ++s) {
            const RankedHolding& entry = ranking.RankedHoldings[At(c)][At(s)];
            if (entry.Row < 1 || entry.Row > kTableRows) {
                continue;
            }
            const int id = RowId(entry.Table, entry.Row - 1);
            SellableRow& row = rows.rows[At(id)];
            if (!takesPart[At(id)] || row.Sellable) {
                continue;
            }
            row.Sellable = true;
            row.RankedName = &entry.Name;
            rows.H += row.A;
            list.push_back(id);
        }
    }

    rows.planOrder.clear();
    for (const HoldingTable table :
         {HoldingTable::Ira, HoldingTable::Roth, HoldingTable::Debt, HoldingTable::Equity}) {
        for (int i = 0; i < kTableRows; ++i) {
            if (rows.rows[At(RowId(table, i))].Sellable) {
                rows.planOrder.push_back(RowId(table, i));
            }
        }
    }

    // Debt and equity rows, the most basis per dollar first (ties: debt before
    // equity, then row order, which is the order of their numbers); then the
    // regular IRAs and the Roths in row order.
    rows.taxableFirst.clear();
    if (way != Way::TaxableFirst && way != Way::IraToBracket) {
        return;
    }
    for (const int id : rows.planOrder) {
        const HoldingTable table = TableOf(id);
        if ((table == HoldingTable::Debt || table == HoldingTable::Equity) &&
            rows.rows[At(id)].A > 0) {
            rows.taxableFirst.push_back(id);
        }
    }
    const auto ratio = [&rows](int id) {
        const SellableRow& row = rows.rows[At(id)];
        return static_cast<double>(row.B) / static_cast<double>(row.A);
    };
    std::stable_sort(rows.taxableFirst.begin(), rows.taxableFirst.end(), [&](int a, int b) {
        const double ra = ratio(a);
        const double rb = ratio(b);
        return ra != rb ? ra > rb : a < b;
    });
    for (const int id : rows.planOrder) {
        if (TableOf(id) == HoldingTable::Ira) {
            rows.taxableFirst.push_back(id);
        }
    }
    for (const int id : rows.planOrder) {
        if (TableOf(id) == HoldingTable::Roth) {
            rows.taxableFirst.push_back(id);
        }
    }
}

void SalesOf(const SaleRows& rows, Way way, std::int64_t total, Sales& sales) {
    sales.Clear();
    sales.SetMissing(total);
    switch (way) {
    case Way::Ranked:
        Ranked(rows, total, sales);
        return;
    case Way::TaxableFirst:
        TakeInTurn(rows, rows.taxableFirst, total, sales);
        return;
    case Way::ProRata:
        ProRata(rows, total, sales);
        return;
    case Way::IraToBracket:
        IraToBracket(rows, total, sales);
        return;
    }
}

} // namespace velmora::projection

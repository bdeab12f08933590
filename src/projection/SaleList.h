#pragma once
// What a year may sell and what each way of selling takes for a total: the
// rows that may be sold (ranked, named, in categories 0 to 3, taking part),
// their values at the year's end, and the orders the ways walk them in.

#include "plan/PlanData.h"
#include "plan/RiskCategory.h"
#include "projection/ProjectionSettings.h"
#include "results/Ranking.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace velmora::projection {

// Every row of the four tables by one number: its table (in HoldingTable's
// order) times 40 plus its index.
inline constexpr int kSaleRows = 4 * kTableRows;
constexpr int RowId(HoldingTable table, int index) {
    return static_cast<int>(table) * kTableRows + index;
}
constexpr HoldingTable TableOf(int id) {
    return static_cast<HoldingTable>(id / kTableRows);
}

struct SellableRow {
    bool Sellable = false;
    std::int64_t A = 0; // its value at the year's end before the sale
    std::int64_t B = 0; // debt and equity: the basis before the sale, reinvested dollars included
    const std::string* RankedName = nullptr; // in the year's ranking
};

struct SaleRows {
    std::array<SellableRow, kSaleRows> rows{};
    std::array<std::vector<int>, kCategories> ranked; // each category's rows, top first
    std::array<std::int64_t, kCategories> categoryTotal{};
    std::int64_t totalInvestments = 0;
    std::vector<int> planOrder;    // regular IRA, Roth, debt, equity rows, each in row order
    std::vector<int> taxableFirst; // debt and equity by basis per dollar, regular IRAs, Roths
    std::int64_t H = 0;            // the dollars the sellable rows hold
    std::int64_t IraToBracket = 0; // X: the regular IRA dollars that fill the second bracket
};

// Marks the rows of the ranking that take part (A of each set already, from
// `takesPart`) as sellable with their ranked names, and arranges the orders
// that the way walks.
void Arrange(SaleRows& rows, const Ranking& ranking, std::int64_t totalInvestments,
             const std::array<bool, kSaleRows>& takesPart, Way way);

// The dollars taken from each row for a total, and the rows in the order first taken.
class Sales {
public:
    void Clear();
    // Takes up to `amount` from the row, at most what it has left and what is still missing.
    void Take(const SaleRows& rows, int id, std::int64_t amount);
    // Takes `amount` (above 0, within what the row has and what is missing) from a
    // row not yet sold from.
    void TakeFirst(int id, std::int64_t amount) {
        taken_[static_cast<std::size_t>(id)] = amount;
        order_.push_back(id);
        missing_ -= amount;
    }
    std::int64_t Taken(int id) const { return taken_[static_cast<std::size_t>(id)]; }
    const std::vector<int>& Order() const { return order_; }
    std::int64_t Missing() const { return missing_; }
    void SetMissing(std::int64_t missing) { missing_ = missing; }

private:
    std::array<std::int64_t, kSaleRows> taken_{};
    std::vector<int> order_;
    std::int64_t missing_ = 0;
};

// The sales of a total T (0 to H) in the way.
void SalesOf(const SaleRows& rows, Way way, std::int64_t total, Sales& sales);

} // namespace velmora::projection

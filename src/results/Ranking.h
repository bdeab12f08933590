#pragma once
// The holdings gathered by Portfolio Risk Category (0 Zero, 1 Low, 2 Medium, 3 High).

#include "plan/RiskCategory.h"

#include <array>
#include <cstdint>
#include <string>

namespace velmora {

inline constexpr int kCategorySlots = 161; // slots 1 to 161; at most 160 entries

// The holdings table an entry comes from.
enum class HoldingTable { Debt, Equity, Ira, Roth };

struct RankedHolding {
    std::string Name; // type prefix + holding name, at most 15 characters
    std::int32_t Value = 0;
    double Err = 0.0;
    HoldingTable Table = HoldingTable::Debt; // and its row there, 1 to 40; 0 in a cleared slot
    int Row = 0;
};

// Every array is indexed by the category's Number().
struct Ranking {
    // Slot s (1 to 161) of category k is RankedHoldings[Number(k)][s - 1].
    std::array<std::array<RankedHolding, kCategorySlots>, kCategories> RankedHoldings{};
    std::array<int, kCategories> CategoryCount{};
    std::array<std::int64_t, kCategories> CategoryTotal{};
    std::array<double, kCategories> CategoryPercent{};
};

} // namespace velmora

#pragma once
// The total current value of a holdings table.

#include "plan/PlanData.h"

#include <array>
#include <cstdint>

namespace velmora {

// Every row counts, named or not; the sum is formed in 64 bits, so no table
// read from a plan file can overflow it.
template <class Row> std::int64_t TotalValue(const std::array<Row, kTableRows>& table) {
    std::int64_t sum = 0;
    for (const Row& row : table) {
        sum += row.CurrentValue;
    }
    return sum;
}

} // namespace velmora

#pragma once
// The 21 value boxes of the results screen as (control name, text) pairs.

#include "results/ResultValues.h"

#include <array>
#include <string>

namespace velmora::results {

struct BoxText {
    const char* Name;
    const std::string* Text;
};

inline constexpr std::size_t kResultBoxCount = 21;

// In the order of ResultBoxes: the twelve boxes of the calculation, then the nine of the ranking.
std::array<BoxText, kResultBoxCount> BoxList(const ResultBoxes& boxes);

} // namespace velmora::results

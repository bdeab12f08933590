#pragma once
// The household's filing status. The plan holds it as the text of Married:
// exactly "Yes" files jointly, exactly "No" files single. Any other text (only
// an edited plan file holds one) is neither: every choice that depends on the
// status is then left as it was (the tax keeps the values of its last run, a
// screen keeps its layout).

#include <string_view>

namespace velmora {

enum class FilingStatus { Single, Married, Neither };

// The texts that the plan file holds for the two statuses.
inline constexpr std::string_view kSingleText = "No";
inline constexpr std::string_view kMarriedText = "Yes";

// Compared exactly: "yes" or "No " is neither.
constexpr FilingStatus FilingStatusOf(std::string_view married) {
    if (married == kSingleText) {
        return FilingStatus::Single;
    }
    if (married == kMarriedText) {
        return FilingStatus::Married;
    }
    return FilingStatus::Neither;
}

} // namespace velmora

#pragma once
// The four Portfolio Risk Categories that the user gives each holding: the
// number the holdings tables keep (0 to 3) and the title the results show.

#include <array>
#include <optional>
#include <string_view>

namespace velmora {

enum class RiskCategory { Zero = 0, Low = 1, Medium = 2, High = 3 };

inline constexpr int kCategories = 4;

// Every category, lowest risk first: the order of the result grids and of every report.
inline constexpr std::array<RiskCategory, kCategories> kRiskCategories{
    RiskCategory::Zero, RiskCategory::Low, RiskCategory::Medium, RiskCategory::High};

// The number a holding's row keeps for the category; also its place in the ranking's arrays.
constexpr int Number(RiskCategory category) {
    return static_cast<int>(category);
}

// The category of a row's number; none for a number outside 0 to 3 (such a
// holding is in no category).
constexpr std::optional<RiskCategory> RiskCategoryOf(int number) {
    if (number < 0 || number >= kCategories) {
        return std::nullopt;
    }
    return static_cast<RiskCategory>(number);
}

// "Zero", "Low", "Medium", "High". Each is a whole string literal, so data()
// may be used where a NUL-terminated text is needed.
constexpr std::string_view Title(RiskCategory category) {
    constexpr std::array<std::string_view, kCategories> kTitles{"Zero", "Low", "Medium", "High"};
    return kTitles[static_cast<std::size_t>(Number(category))];
}

} // namespace velmora

#pragma once
// The three settings of the years ahead, with their defaults and ranges.

#include <cstdint>

namespace velmora::projection {

struct SettingRange {
    std::int32_t Lowest;
    std::int32_t Highest;
    constexpr bool Holds(std::int64_t value) const { return value >= Lowest && value <= Highest; }
};

// The last year is the one in which the younger person reaches this age.
inline constexpr SettingRange kThroughAgeRange{70, 110};
// From year 1 on, a person's continued earnings stop in the year of this age.
inline constexpr SettingRange kEarningsEndAgeRange{50, 100};

// At most this many years after year 0.
inline constexpr std::int32_t kMostLaterYears = 60;

struct Settings {
    std::int32_t ThroughAge = 95;
    std::int32_t EarningsEndAge = 70;
    bool PensionsIndexed = false; // whether pensions rise with prices, as Social Security does
};

// The settings brought into their ranges: a value outside one (a hand-edited
// settings file) becomes the nearest end.
Settings Clamped(Settings settings);

} // namespace velmora::projection

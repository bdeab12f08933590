#pragma once
// The settings of the years ahead, with their defaults and ranges.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

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

// The order in which the holdings are sold each year.
enum class Way {
    Ranked,       // each risk category its share, each category in ranked order
    TaxableFirst, // debt and equity (most basis per dollar first), then regular IRAs, then Roths
    ProRata,      // every holding in proportion to its value
    IraToBracket, // regular IRAs up to the top of the second bracket, then taxable first
};
inline constexpr std::array<Way, 4> kWays{Way::Ranked, Way::TaxableFirst, Way::ProRata,
                                          Way::IraToBracket};

// The way's name in the report tool and the settings file: "ranked", "taxable-first",
// "pro-rata", "ira-to-bracket".
std::string_view WayName(Way way);
// The way of that name, or none.
std::optional<Way> WayNamed(std::string_view name);
// The way in words: "in ranked order", "taxable first", "in proportion",
// "IRA to the bracket top".
std::string_view WayWords(Way way);

struct Settings {
    std::int32_t ThroughAge = 95;
    std::int32_t EarningsEndAge = 70;
    bool PensionsIndexed = false; // whether pensions rise with prices, as Social Security does
    Way way = Way::Ranked;
};

// The settings brought into their ranges: a value outside one (a hand-edited
// settings file) becomes the nearest end.
Settings Clamped(Settings settings);

} // namespace velmora::projection

#include "projection/ProjectionSettings.h"

#include <algorithm>

namespace velmora::projection {

std::string_view WayName(Way way) {
    switch (way) {
    case Way::TaxableFirst:
        return "taxable-first";
    case Way::ProRata:
        return "pro-rata";
    case Way::IraToBracket:
        return "ira-to-bracket";
    case Way::Ranked:
        break;
    }
    return "ranked";
}

std::optional<Way> WayNamed(std::string_view name) {
    for (const Way way : kWays) {
        if (WayName(way) == name) {
            return way;
        }
    }
    return std::nullopt;
}

std::string_view WayWords(Way way) {
    switch (way) {
    case Way::TaxableFirst:
        return "taxable first";
    case Way::ProRata:
        return "in proportion";
    case Way::IraToBracket:
        return "IRA to the bracket top";
    case Way::Ranked:
        break;
    }
    return "in ranked order";
}

Settings Clamped(Settings settings) {
    settings.ThroughAge =
        std::clamp(settings.ThroughAge, kThroughAgeRange.Lowest, kThroughAgeRange.Highest);
    settings.EarningsEndAge = std::clamp(settings.EarningsEndAge, kEarningsEndAgeRange.Lowest,
                                         kEarningsEndAgeRange.Highest);
    return settings;
}

} // namespace velmora::projection

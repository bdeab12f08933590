#include "projection/ProjectionSettings.h"

#include <algorithm>

namespace velmora::projection {

Settings Clamped(Settings settings) {
    settings.ThroughAge =
        std::clamp(settings.ThroughAge, kThroughAgeRange.Lowest, kThroughAgeRange.Highest);
    settings.EarningsEndAge = std::clamp(settings.EarningsEndAge, kEarningsEndAgeRange.Lowest,
                                         kEarningsEndAgeRange.Highest);
    return settings;
}

} // namespace velmora::projection

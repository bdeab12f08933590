#pragma once
// The settings of the years ahead as the program keeps them between runs, in
// the settings file beside the tax year and the size.

#include "projection/ProjectionSettings.h"

class QSettings;

namespace velmora {

inline constexpr const char* kThroughAgeKey = "YearsAhead/ThroughAge";
inline constexpr const char* kEarningsEndAgeKey = "YearsAhead/EarningsEndAge";
inline constexpr const char* kPensionsIndexedKey = "YearsAhead/PensionsIndexed";
// The way of selling by its name ("ranked", "taxable-first", ...); an unknown name is the default.
inline constexpr const char* kWayKey = "YearsAhead/Way";

// The settings kept last time, each brought into its range; the defaults when none are.
projection::Settings KeptYearsSettings(QSettings& settings);
void KeepYearsSettings(QSettings& settings, const projection::Settings& kept);

} // namespace velmora

#pragma once
// velmora-report's options of the years ahead: --years, --through-age N,
// --earnings-end-age N, --pensions-indexed, --way WAY and --compare.

#include "projection/ProjectionSettings.h"

#include <string>

namespace velmora::report {

struct YearsOptions {
    bool Wanted = false;       // --years
    bool SettingGiven = false; // any of the settings, or --compare
    bool Compare = false;      // --compare
    std::string FirstSetting;  // the first setting given, for the message without --years
    projection::Settings settings;
};

enum class OptionRead { NotMine, Read, Wrong };

// Reads argv[i] when it is one of the four options, and the value after it for
// those that take one (i then moves past it). Wrong: `problem` says what, the
// range included.
OptionRead ReadYearsOption(int argc, char** argv, int& i, YearsOptions& options,
                           std::string& problem);

// After all options: a setting without --years is wrong usage; empty when all is well.
std::string YearsProblem(const YearsOptions& options);

// The usage words and the help lines of the four options.
inline constexpr const char* kYearsUsage =
    "[--years [--through-age N] [--earnings-end-age N] [--pensions-indexed]\n"
    "                       [--way WAY] [--compare]]";
std::string YearsHelp();

} // namespace velmora::report

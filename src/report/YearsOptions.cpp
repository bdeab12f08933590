#include "report/YearsOptions.h"

#include <charconv>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velmora::report {
namespace {

std::string RangeText(const projection::SettingRange& range) {
    return "from " + std::to_string(range.Lowest) + " to " + std::to_string(range.Highest);
}

// The age after the option: whole digits within the range.
bool ReadAge(int argc, char** argv, int& i, std::string_view option,
             const projection::SettingRange& range, std::int32_t& age, std::string& problem) {
    const std::string needs = std::string(option) + " needs an age " + RangeText(range);
    if (i + 1 == argc) {
        problem = needs;
        return false;
    }
    const std::string_view text = argv[++i];
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        !range.Holds(value)) {
        problem = needs + ", not '" + std::string(text) + "'";
        return false;
    }
    age = static_cast<std::int32_t>(value);
    return true;
}

// The way after --way, by its name.
bool ReadWay(int argc, char** argv, int& i, projection::Way& way, std::string& problem) {
    std::string names;
    for (const projection::Way each : projection::kWays) {
        names += (names.empty() ? "" : ", ") + std::string(projection::WayName(each));
    }
    const std::string needs = "--way needs one of " + names;
    if (i + 1 == argc) {
        problem = needs;
        return false;
    }
    const std::string_view text = argv[++i];
    const std::optional<projection::Way> named = projection::WayNamed(text);
    if (!named) {
        problem = needs + ", not '" + std::string(text) + "'";
        return false;
    }
    way = *named;
    return true;
}

} // namespace

OptionRead ReadYearsOption(int argc, char** argv, int& i, YearsOptions& options,
                           std::string& problem) {
    const std::string_view arg = argv[i];
    if (arg == "--years") {
        options.Wanted = true;
        return OptionRead::Read;
    }
    bool ok = true;
    if (arg == "--through-age") {
        ok = ReadAge(argc, argv, i, arg, projection::kThroughAgeRange, options.settings.ThroughAge,
                     problem);
    } else if (arg == "--earnings-end-age") {
        ok = ReadAge(argc, argv, i, arg, projection::kEarningsEndAgeRange,
                     options.settings.EarningsEndAge, problem);
    } else if (arg == "--pensions-indexed") {
        options.settings.PensionsIndexed = true;
    } else if (arg == "--compare") {
        options.Compare = true;
    } else if (arg == "--way") {
        ok = ReadWay(argc, argv, i, options.settings.way, problem);
    } else {
        return OptionRead::NotMine;
    }
    if (!options.SettingGiven) {
        options.SettingGiven = true;
        options.FirstSetting = arg;
    }
    return ok ? OptionRead::Read : OptionRead::Wrong;
}

std::string YearsProblem(const YearsOptions& options) {
    if (options.SettingGiven && !options.Wanted) {
        return options.FirstSetting + " is a setting of --years, which is not given";
    }
    return {};
}

std::string YearsHelp() {
    return "  --years     print the years ahead instead: the plan carried forward year by\n"
           "              year, what is sold each year, and when the investments run out\n"
           "  --through-age N\n"
           "              with --years: the last year is the one in which the younger\n"
           "              person reaches age N, " +
           RangeText(projection::kThroughAgeRange) + " (default " +
           std::to_string(projection::Settings{}.ThroughAge) +
           ")\n"
           "  --earnings-end-age N\n"
           "              with --years: continued earnings stop in the year a person\n"
           "              reaches age N, " +
           RangeText(projection::kEarningsEndAgeRange) + " (default " +
           std::to_string(projection::Settings{}.EarningsEndAge) +
           ")\n"
           "  --pensions-indexed\n"
           "              with --years: pensions rise with inflation, as Social Security does\n"
           "  --way ranked|taxable-first|pro-rata|ira-to-bracket\n"
           "              with --years: the way of selling (default ranked)\n"
           "  --compare   with --years: the four ways of selling side by side, one line each\n";
}

} // namespace velmora::report

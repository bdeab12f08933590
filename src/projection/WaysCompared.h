#pragma once
// The four ways of selling side by side: the projection run once for each way
// under the same settings, each from the plan as it stands, and one line per way.

#include "projection/Projection.h"
#include "projection/ProjectionSettings.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace velmora::projection {

struct WayLine {
    Way way = Way::Ranked;
    std::optional<std::int32_t> RunsOut;
    std::optional<std::int32_t> StoppedBefore;
    std::int32_t Years = 0;    // the number of years shown
    std::int32_t LastYear = 0; // the last year shown
    std::int64_t Taxes = 0;    // over the years shown
    std::int64_t Shortfall = 0;
    std::int64_t EndInvestments = 0; // of the last year shown
    std::int64_t EndRegularIra = 0;
    std::vector<std::int64_t> EndByYear; // the investments at each year's end, for the chart
};

struct WaysCompared {
    std::int32_t TaxYear = 0;
    Settings settings; // its way is not used
    std::int32_t FirstYear = 0;
    std::array<WayLine, 4> Lines; // in the order of kWays
};

WaysCompared CompareWays(const PlanData& plan, const TaxYear& taxYear, const Settings& settings);

// The best line of each column: the latest run-out (never out is best), the
// least tax, the most investments and regular IRA at the end; a column whose
// lines all agree has none. Each is a flag per line.
struct BestOfWays {
    std::array<bool, 4> RunsOut{};
    std::array<bool, 4> Taxes{};
    std::array<bool, 4> EndInvestments{};
    std::array<bool, 4> EndRegularIra{};
};
BestOfWays Best(const WaysCompared& compared);

// "Runs out in 2041" or "Lasts through 2057".
std::string LastsText(const WayLine& line);

// What the comparison shows for this household in plain words: "Selling in
// ranked order lasts 3 years longer than taxable first and pays 41,000 less
// tax. Of the four ways, IRA to the bracket top pays the least tax".
std::string WaysSentence(const WaysCompared& compared);

// {"TaxYear", "ThroughAge", "EarningsEndAge", "PensionsIndexed", "Ways": [{"Way",
// "RunsOut", "Years", "Taxes", "Shortfall", "EndInvestments", "EndRegularIra"}]}.
std::string WaysJson(const WaysCompared& compared);
std::string WaysCsv(const WaysCompared& compared);
std::string WaysPage(const WaysCompared& compared);

} // namespace velmora::projection

#pragma once
// The years ahead as reports: one JSON object, comma-separated values, and a
// readable text page. Texts are UTF-8.

#include "projection/Projection.h"

#include <string>

namespace velmora::projection {

// {"TaxYear", "ThroughAge", "EarningsEndAge", "PensionsIndexed", "Years": [{"Year",
// "AgeSelf", "AgeSpouse" (null when single), "boxes", "values", "Sales": [{"name",
// "amount"}], "Shortfall", "EndInvestments"}, ...], "RunsOut" (a year or null)}
// and a line end; "boxes" and "values" are those of the one-year report.
std::string ProjectionJson(const Projection& projection);

// A header and one row a year: year, ages, budget, income, minimum IRA
// withdrawal, withdrawal needed, taxes, investments at the year's end, what is
// sold, shortfall. Whole dollars without separators; every line ends in CR LF.
std::string ProjectionCsv(const Projection& projection);

// A table, one line a year, then the summary.
std::string ProjectionPage(const Projection& projection);

} // namespace velmora::projection

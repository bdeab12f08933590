#pragma once
// The words and figures of the years ahead as the screen and the reports show
// them: whole dollars with thousands separators, the one-sentence summary, the
// line of what to sell this year, and each year's columns.

#include "projection/Projection.h"

#include <string>
#include <vector>

namespace velmora::projection {

// Round(value) in digits grouped by commas: "1,074", "-12,345".
std::string GroupedText(double value);

// The figures of a year's row, in whole dollars.
struct YearFigures {
    double Budget = 0;
    double Income = 0; // earnings, entitlements, interest and cash dividends
    double MinimumIra = 0;
    double Withdrawal = 0;
    double Taxes = 0; // the tax on income and the tax on withdrawals
    double EndInvestments = 0;
    double Shortfall = 0;
};
YearFigures FiguresOf(const ProjectedYear& year);

// "412 of B:Treasury, 1,074 of S:Muni Fund", the ranked names; empty when
// nothing is sold. Names are Windows-1252 as held.
std::string SalesText(const ProjectedYear& year);
// The same for a spreadsheet's cell: "412 of B:Treasury; 1074 of S:Muni Fund".
std::string SalesCellText(const ProjectedYear& year);

// "To raise 6,636: sell 412 of Treasury, 1,074 of Muni Fund", under the
// holdings' own names, with what cannot be met when the holdings run short.
std::string SellLine(const ProjectedYear& year);

// "Your investments last through 2056, when you are 95, with 489,430 left" or
// "Your investments run out in 2041, when you are 82: that year 12,345 of the
// budget cannot be met".
std::string Summary(const Projection& projection);

// Why the years stop early, or empty: "The projection stops before 2050
// because the amounts grow too large."
std::string StopText(const Projection& projection);

} // namespace velmora::projection

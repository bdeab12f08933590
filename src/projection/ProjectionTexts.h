#pragma once
// The words and figures of the years ahead as the screen and the reports show
// them: whole dollars with thousands separators, the one-sentence summary, the
// line of what to sell this year, and each year's columns.

#include "projection/Projection.h"

#include <cstdint>
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
    double Sold = 0;
    double Taxes = 0;      // the year's tax with its sales
    double TaxOnSales = 0; // the part of it due to the sales
    double Surplus = 0;    // the cash kept
    double EndInvestments = 0;
    double EndRegularIra = 0;
    double Shortfall = 0;
};
YearFigures FiguresOf(const ProjectedYear& year);

// "412 of B:Treasury, 1,074 of S:Muni Fund", the ranked names; empty when
// nothing is sold. Names are Windows-1252 as held.
std::string SalesText(const ProjectedYear& year);
// The same for a spreadsheet's cell: "412 of B:Treasury; 1074 of S:Muni Fund".
std::string SalesCellText(const ProjectedYear& year);

// "To meet the budget this year: sell 2,592 of Bank CD and 36,118 of Fidelity
// IRA, 38,710 in all; tax on these sales 3,410", under the holdings' own names,
// with what cannot be met when the holdings run short.
std::string SellLine(const ProjectedYear& year);

// Why the line's total differs from the results screen's Withdrawal Needed box
// (`withdrawalBox`, whole dollars), or empty when they agree.
std::string SellNote(const ProjectedYear& year, double withdrawalBox);

// The taxes of every year shown, their sales included.
std::int64_t LifetimeTax(const Projection& projection);

// "Your investments last through 2056, when you are 95 and your spouse is 93,
// with 489,430 left. Taxes over the years: 123,456" or "Your investments run
// out in 2041, when you are 82: that year 12,345 of the budget cannot be met.
// Taxes over the years: 98,765".
std::string Summary(const Projection& projection);

// Whose age the through age counts: "of the younger, your spouse, 65 now", "of
// the younger, you, 66 now" (both the same age: "of you both, 66 now"), or "of
// you, 66 now" for a single household; from year 0's ages.
std::string ThroughWhom(const Projection& projection);

// The law the years follow: "Tax law of 2004, its dollar amounts raised with
// prices each year".
std::string LawLine(const Projection& projection);

// Why the years stop early, or empty: "The projection stops before 2050
// because the amounts grow too large."
std::string StopText(const Projection& projection);

} // namespace velmora::projection

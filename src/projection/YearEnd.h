#pragma once
// The end of one projected year: every holding grows by its rates, the regular
// IRAs give their minimum withdrawal, dividends and distributions that are not
// paid out are reinvested, and the year sells what its budget needs after the
// tax of exactly what it sells.

#include "Workspace.h"
#include "projection/Projection.h"
#include "projection/ProjectionSettings.h"

#include <cstdint>

namespace velmora::projection {

// What a year hands to the next: the cash kept (its surplus) and the loss
// carried (0 or negative).
struct CarriedOver {
    std::int64_t Cash = 0;
    std::int64_t Loss = 0;
};

// Applies the year's end to ws.plan after the year's results calculation (its
// minimum withdrawal, income shortfall, totals and ranking are read from ws):
// the rows grow, the year sells just enough in the way to meet its budget after
// the tax of what it sells, and the rows become the next year's. Only rows
// holding money both in `start` (the plan of year 0) and now take part; their
// yields stay those of `start`. Fills the year's sales, tax, surplus, shortfall
// and investments at the end, and what it carries. False, with the plan partly
// changed, when an amount would leave the 32-bit range or the sellable rows
// hold more than 2,147,483,647.
bool EndYear(Workspace& ws, const PlanData& start, Way way, CarriedOver& carried,
             ProjectedYear& year);

} // namespace velmora::projection

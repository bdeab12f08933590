#pragma once
// The end of one projected year: every holding grows by its rates, the regular
// IRAs give their minimum withdrawal, dividends and distributions that are not
// paid out are reinvested, and the year's withdrawal is sold from the ranked
// holdings, each risk category giving its share first.

#include "Workspace.h"
#include "projection/Projection.h"

namespace velmora::projection {

// Applies the year's end to ws.plan after the year's results calculation (its
// minimum withdrawal, withdrawal needed, totals and ranking are read from ws):
// the rows become the next year's. Only rows holding money both in `start` (the
// plan of year 0) and now take part; their yields stay those of `start`. Fills
// the year's sales, withdrawal, shortfall and investments at the end. False,
// with the plan partly changed, when an amount would leave the 32-bit range.
bool EndYear(Workspace& ws, const PlanData& start, ProjectedYear& year);

} // namespace velmora::projection

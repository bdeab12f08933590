#pragma once
// The tax engine's income from the household's annual amounts and the holdings
// totals as they stand: filled before every tax run of the results calculation
// and of the rates of return.

#include "Workspace.h"
#include "tax/TaxIncome.h"

namespace velmora {

TaxIncome HouseholdIncome(const Workspace& ws);

// ws.tax.Income = HouseholdIncome(ws).
void UpdateTaxIncome(Workspace& ws);

} // namespace velmora

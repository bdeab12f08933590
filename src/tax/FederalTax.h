#pragma once
// Federal income tax of 2004 for the household in the workspace. Each operation
// reads its inputs from the workspace and writes its outputs back there.

#include "Workspace.h"

namespace velmora {

void ComputeExemptions(Workspace& ws);
void ComputeStandardDeduction(Workspace& ws);
void ComputeSocialSecurityTaxable(Workspace& ws);
void ComputeTaxableIncome(Workspace& ws);
void ComputeIncrementalRate(Workspace& ws);
void SelectBracketTables(Workspace& ws);
void ComputeFederalTax(Workspace& ws);
void ComputeDividendTaxRate(Workspace& ws);
void ComputeCapitalGainTaxRate(Workspace& ws);

} // namespace velmora

#pragma once
// Federal income tax of the tax year in force. Each operation works on one
// tax run: the household's status, ages and state rate, the year's law, the
// income of TaxValues::Income (filled by the caller) and the values it writes.

#include "Workspace.h"
#include "plan/FilingStatus.h"
#include "tax/TaxLaw.h"
#include "tax/TaxValues.h"

#include <cstdint>

namespace velmora {

// Who is taxed: the filing status, the ages and the state and local rate.
struct TaxHousehold {
    FilingStatus Status = FilingStatus::Neither;
    std::int32_t AgeSelf = 0;
    std::int32_t AgeSpouse = 0;
    std::int32_t StateTaxRate = 0;
};
TaxHousehold HouseholdOf(const PlanData& plan);

// One run: what it reads (law, household, tax.Income) and what it writes (tax,
// the applied state rate).
struct TaxRun {
    const TaxLaw& law;
    TaxHousehold household;
    TaxValues& tax;
    std::int32_t& AppliedStateTaxRate;
};

void ComputeExemptions(const TaxRun& run);
void ComputeStandardDeduction(const TaxRun& run);
void ComputeSocialSecurityTaxable(const TaxRun& run);
void ComputeTaxableIncome(const TaxRun& run);
void ComputeIncrementalRate(const TaxRun& run);
void SelectBracketTables(const TaxRun& run);
void ComputeFederalTax(const TaxRun& run);
void ComputeDividendTaxRate(const TaxRun& run);
void ComputeCapitalGainTaxRate(const TaxRun& run);

// The same on the workspace: its plan's household, its year's law, ws.tax
// (whose Income the caller has filled) and its applied state rate.
TaxRun RunOf(Workspace& ws);
inline void ComputeExemptions(Workspace& ws) {
    ComputeExemptions(RunOf(ws));
}
inline void ComputeStandardDeduction(Workspace& ws) {
    ComputeStandardDeduction(RunOf(ws));
}
inline void ComputeSocialSecurityTaxable(Workspace& ws) {
    ComputeSocialSecurityTaxable(RunOf(ws));
}
inline void ComputeTaxableIncome(Workspace& ws) {
    ComputeTaxableIncome(RunOf(ws));
}
inline void ComputeIncrementalRate(Workspace& ws) {
    ComputeIncrementalRate(RunOf(ws));
}
inline void SelectBracketTables(Workspace& ws) {
    SelectBracketTables(RunOf(ws));
}
inline void ComputeFederalTax(Workspace& ws) {
    ComputeFederalTax(RunOf(ws));
}
inline void ComputeDividendTaxRate(Workspace& ws) {
    ComputeDividendTaxRate(RunOf(ws));
}
inline void ComputeCapitalGainTaxRate(Workspace& ws) {
    ComputeCapitalGainTaxRate(RunOf(ws));
}

} // namespace velmora

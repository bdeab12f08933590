#pragma once
// The one shared state of the program: the plan and every calculation value.
// Created once and passed by reference to every screen and calculation.

#include "holdings/HoldingTotals.h"
#include "plan/PlanData.h"
#include "results/Ranking.h"
#include "results/ResultValues.h"
#include "tax/TaxValues.h"
#include "tax/TaxYear.h"

#include <cstdint>

namespace velmora {

struct Workspace {
    PlanData plan;
    TaxYear taxYear; // whose law every tax calculation reads; 2004 unless chosen
    std::int32_t AppliedStateTaxRate = 0; // state rate actually applied
    TaxValues tax;
    HoldingTotals totals;
    ResultValues results;
    Ranking ranking;
};

} // namespace velmora

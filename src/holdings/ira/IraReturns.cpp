#include "holdings/ira/IraReturns.h"

#include "holdings/HouseholdIncome.h"
#include "holdings/TotalValue.h"
#include "tax/FederalTax.h"

namespace velmora::ira {

namespace {

// Dividends as a percentage of the value; the product is formed in whole numbers.
double DividendYield(const IraHolding& row) {
    return static_cast<double>(std::int64_t{row.Dividends} * 100) / row.CurrentValue;
}

} // namespace

double RegularIraErr(const IraHolding& row, std::int32_t inflationRate, double combinedTaxRate) {
    const double value = row.CurrentValue;
    const double yield = DividendYield(row) + row.InterestRate + row.GrowthRate -
                         row.ProbabilityOfLoss - inflationRate;
    const double earnings =
        static_cast<double>(std::int64_t{row.CurrentValue} * row.InterestRate) * 0.01 +
        row.Dividends + row.GrowthRate * 0.01 * value;
    const double deferredTax = (combinedTaxRate * 0.01) * earnings;
    // The deferral term is divided by the value only, so it stays small beside the yield.
    return yield + (yield * deferredTax * 0.01) / value;
}

double RothIraErr(const IraHolding& row, std::int32_t inflationRate, double combinedTaxRate,
                  double capitalGainTaxRate) {
    const double value = row.CurrentValue;
    const double grossYield = DividendYield(row) + row.InterestRate + row.GrowthRate;
    const double interest =
        static_cast<double>(std::int64_t{row.CurrentValue} * row.InterestRate) * 0.01;
    const double growth =
        static_cast<double>(std::int64_t{row.CurrentValue} * row.GrowthRate) * 0.01;
    // Interest and dividends are valued at the combined rate, growth at the capital-gain rate.
    const double taxSaved = combinedTaxRate * interest * 0.01 +
                            combinedTaxRate * row.Dividends * 0.01 +
                            capitalGainTaxRate * growth * 0.01;
    return grossYield + taxSaved / value * 100 - row.ProbabilityOfLoss - inflationRate;
}

void Calculate(Workspace& ws) {
    UpdateTaxIncome(ws);
    ComputeIncrementalRate(ws);
    ComputeCapitalGainTaxRate(ws);

    const std::int32_t inflation = ws.plan.InflationRate;
    for (IraHolding& row : ws.plan.IraHoldings) {
        if (row.CurrentValue > 0) {
            row.Basis = 0; // a regular IRA is taken to have no basis
            row.Err = RegularIraErr(row, inflation, ws.tax.CombinedTaxRate);
        }
    }
    for (IraHolding& row : ws.plan.RothHoldings) {
        if (row.CurrentValue > 0) {
            row.Err = RothIraErr(row, inflation, ws.tax.CombinedTaxRate, ws.tax.CapitalGainTaxRate);
        }
    }
}

void IRAsTotalCalculate(Workspace& ws) {
    ws.totals.IraTotalValue = TotalValue(ws.plan.IraHoldings);
}

void RothTotalCalculate(Workspace& ws) {
    ws.totals.RothTotalValue = TotalValue(ws.plan.RothHoldings);
}

} // namespace velmora::ira

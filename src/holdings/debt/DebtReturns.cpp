#include "holdings/debt/DebtReturns.h"

#include "holdings/HouseholdIncome.h"
#include "holdings/TotalValue.h"
#include "tax/FederalTax.h"

namespace velmora::debt {

double RowErr(const DebtHolding& row, std::int32_t inflationRate, double combinedTaxRate,
              double socialSecurityTaxableFraction) {
    const std::int32_t rate = row.InterestRate;
    const std::int32_t loss = row.ProbabilityOfLoss;

    double err = 0.0;
    if (rate > 0) {
        if (row.FedTaxFree == "Y") {
            // Tax-free interest still carries the Social Security term.
            const std::int64_t net = std::int64_t{rate} - loss - inflationRate;
            err = static_cast<double>(net) - combinedTaxRate * 0.01 * socialSecurityTaxableFraction;
        } else {
            err = rate - combinedTaxRate * 0.01 * rate - loss - inflationRate -
                  combinedTaxRate * 0.01 * socialSecurityTaxableFraction;
        }
    }

    // The tax an unrealised gain would cost if sold now earns interest at the
    // holding's own rate while it is not paid. Without a positive value there is
    // nothing to earn it on.
    if (row.CurrentValue > 0 && row.CurrentValue > row.Basis) {
        const std::int64_t gain = std::int64_t{row.CurrentValue} - row.Basis;
        const double deferredTax = combinedTaxRate * static_cast<double>(gain) * 0.01;
        err = err + deferredTax * rate * 0.01 / row.CurrentValue * 100;
    }
    return err;
}

void Calculate(Workspace& ws) {
    HoldingTotals& totals = ws.totals;
    totals.TotalInterest = 0.0;
    totals.TaxFreeInterest = 0.0;

    // The household and the law stay as they are through the rows.
    const TaxRun run = RunOf(ws);
    for (DebtHolding& row : ws.plan.DebtHoldings) {
        if (row.Name.empty()) {
            continue; // adds nothing and keeps its Err
        }
        const double interest = row.CurrentValue * (row.InterestRate * 0.01);
        totals.TotalInterest += interest;
        if (row.FedTaxFree == "Y") {
            totals.TaxFreeInterest += interest;
        }
        UpdateTaxIncome(ws);
        ComputeFederalTax(run);
        row.Err = RowErr(row, ws.plan.InflationRate, ws.tax.CombinedTaxRate,
                         ws.tax.SocialSecurityTaxableFraction);
    }
}

void BondTotalCalculate(Workspace& ws) {
    ws.totals.DebtTotalValue = TotalValue(ws.plan.DebtHoldings);
}

} // namespace velmora::debt

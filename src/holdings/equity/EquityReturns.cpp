#include "holdings/equity/EquityReturns.h"

#include "holdings/HouseholdIncome.h"
#include "holdings/TotalValue.h"
#include "tax/FederalTax.h"

namespace velmora::equity {

namespace {

std::int64_t RowDividends(const EquityHolding& row) {
    return std::int64_t{row.RegularDividends} + row.QualifyingDividends;
}

} // namespace

double RowErr(const EquityHolding& row, std::int32_t inflationRate, const RowRates& rates) {
    const double value = row.CurrentValue;

    // Dividend yield plus price growth, in percent.
    const double totalReturn =
        static_cast<double>(RowDividends(row) * 100) / value + row.PriceGrowth;

    // Regular dividends at the combined ordinary rate, qualifying ones at the dividend rate.
    double dividendTax = 0.0;
    if (rates.CombinedTaxRate > 0 && row.FedTaxFree == "N") {
        dividendTax = rates.CombinedTaxRate * 0.01 * (row.RegularDividends / value * 100) +
                      rates.DividendTaxRate * 0.01 * (row.QualifyingDividends / value * 100);
    }

    // Distributions pay the capital-gain rate even when the row is free of federal tax.
    const double distributionTax =
        rates.CapitalGainTaxRate * 0.01 * (row.CapGainsDistribution / value * 100);

    // Credit for not yet paying the tax on an unrealised gain; a loss gives none.
    const std::int64_t gain = std::int64_t{row.CurrentValue} - row.CurrentBasis;
    double deferralCredit = 0.0;
    if (gain > 0) {
        deferralCredit = rates.CapitalGainTaxRate * static_cast<double>(gain) * 0.01 * 100 / value;
    }

    return totalReturn - dividendTax - distributionTax + deferralCredit - row.LossFactor -
           inflationRate - rates.CombinedTaxRate * rates.SocialSecurityTaxableFraction * 0.01;
}

void Calculate(Workspace& ws) {
    HoldingTotals& totals = ws.totals;
    totals.TotalDividends = 0.0;
    totals.CashDividends = 0.0;
    totals.TaxFreeDividends = 0.0;
    totals.TotalCapGainsDistributions = 0.0;
    totals.QualifiedDividends = 0.0;

    // The household and the law stay as they are through the rows.
    const TaxRun run = RunOf(ws);
    for (EquityHolding& row : ws.plan.EquityHoldings) {
        const double dividends = static_cast<double>(RowDividends(row));
        totals.TotalDividends += dividends;
        if (row.AutoReinvest == "N") {
            totals.CashDividends += dividends;
        }
        totals.TotalCapGainsDistributions += row.CapGainsDistribution;
        if (row.FedTaxFree == "Y") {
            totals.TaxFreeDividends += dividends;
        } else {
            totals.QualifiedDividends += row.QualifyingDividends;
        }
        if (row.CurrentValue <= 0) {
            continue; // keeps its Err; no tax recomputation for it
        }

        // The rates reflect the income of the rows summed so far, this one included.
        UpdateTaxIncome(ws);
        ComputeCapitalGainTaxRate(run);
        ComputeDividendTaxRate(run);
        ComputeFederalTax(run);
        const RowRates rates{ws.tax.CombinedTaxRate, ws.tax.DividendTaxRate,
                             ws.tax.CapitalGainTaxRate, ws.tax.SocialSecurityTaxableFraction};
        row.Err = RowErr(row, ws.plan.InflationRate, rates);
    }
}

void EquityTotalCalculate(Workspace& ws) {
    ws.totals.EquityTotalValue = TotalValue(ws.plan.EquityHoldings);
}

} // namespace velmora::equity

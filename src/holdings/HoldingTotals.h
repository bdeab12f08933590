#pragma once
// Totals that the holdings calculations write and the tax engine and results read.

#include <cstdint>

namespace velmora {

struct HoldingTotals {
    std::int64_t IraTotalValue = 0;
    std::int64_t RothTotalValue = 0;
    // equity
    double TotalDividends = 0.0;
    double CashDividends = 0.0;
    double TaxFreeDividends = 0.0;
    double TotalCapGainsDistributions = 0.0;
    double QualifiedDividends = 0.0; // qualifying dividends of the rows not free of federal tax
    std::int64_t EquityTotalValue = 0;
    // debt
    double TotalInterest = 0.0;
    double TaxFreeInterest = 0.0;
    std::int64_t DebtTotalValue = 0;
};

} // namespace velmora

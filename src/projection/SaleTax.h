#pragma once
// The tax of a projected year with its sales, worked out on the year's
// calculation after its ranking without changing anything it shows: the
// federal tax with the ordinary income and the realized gains of the sales,
// the 2004 tax on capital gains apart, and the state's tax on its own base.

#include "Workspace.h"
#include "tax/FederalTax.h"
#include "tax/TaxIncome.h"
#include "tax/TaxValues.h"

#include <cstdint>

namespace velmora::projection {

class SaleTax {
public:
    // Keeps what it needs of the year's calculation; `ws` may change afterwards.
    explicit SaleTax(const Workspace& ws);

    // Tax(O, G) in whole dollars: O = ira - lossDeduction in place of the
    // withdrawal, G added to the capital gain distributions.
    double Of(std::int64_t ira, std::int64_t lossDeduction, std::int64_t gains) const;

    // The year's taxable income with `withdrawal` dollars from the regular IRAs
    // and no other sale.
    double TaxableIncomeWith(std::int64_t withdrawal) const;

private:
    // A run on `scratch_` with the sales' income.
    TaxRun Run(std::int64_t ira, std::int64_t lossDeduction, std::int64_t gains) const;

    const TaxLaw& law_;
    TaxHousehold household_;
    TaxValues year_; // as the year's calculation left them
    TaxIncome income_;
    mutable TaxValues scratch_;
    mutable std::int32_t appliedStateRate_ = 0;
};

} // namespace velmora::projection

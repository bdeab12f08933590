#include "projection/SaleTax.h"

#include "holdings/HouseholdIncome.h"
#include "plan/NumberText.h"

namespace velmora::projection {

SaleTax::SaleTax(const Workspace& ws)
    : law_(ws.taxYear.Law()), household_(HouseholdOf(ws.plan)), year_(ws.tax),
      income_(HouseholdIncome(ws)) {
    income_.Withdrawal = 0.0;
    income_.RealizedGains = 0.0;
    income_.LossDeduction = 0.0;
}

TaxRun SaleTax::Run(std::int64_t ira, std::int64_t lossDeduction, std::int64_t gains) const {
    scratch_ = year_;
    scratch_.Income = income_;
    scratch_.Income.Withdrawal = static_cast<double>(ira);
    scratch_.Income.LossDeduction = static_cast<double>(lossDeduction);
    scratch_.Income.RealizedGains = static_cast<double>(gains);
    return TaxRun{law_, household_, scratch_, appliedStateRate_};
}

double SaleTax::Of(std::int64_t ira, std::int64_t lossDeduction, std::int64_t gains) const {
    const TaxRun run = Run(ira, lossDeduction, gains);
    ComputeFederalTax(run);
    double tax = scratch_.FederalTax;
    if (!law_.Rules.GainsInTaxableIncome) {
        // The gains taxed apart, at the rate of the taxable income with the sales.
        ComputeCapitalGainTaxRate(run);
        tax += Round(scratch_.Income.CapitalGains() * scratch_.CapitalGainTaxRate * 0.01);
    }
    double base = StateBase(scratch_.Income);
    if (base < 0) {
        base = 0.0;
    }
    return tax + Round(base * (household_.StateTaxRate * 0.01));
}

double SaleTax::TaxableIncomeWith(std::int64_t withdrawal) const {
    // The taxable income as the federal tax works it out, without the tax itself.
    const TaxRun run = Run(withdrawal, 0, 0);
    ComputeSocialSecurityTaxable(run);
    ComputeTaxableIncome(run);
    return scratch_.TaxableIncome;
}

} // namespace velmora::projection

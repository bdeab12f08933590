#include "tax/TaxIncome.h"

namespace velmora {

double TaxedIncome(const TaxIncome& income, const ReturnRules& rules) {
    const double gains = rules.GainsInTaxableIncome ? income.CapitalGains() : 0.0;
    return income.Pensions + static_cast<double>(income.Earnings) + income.Interest -
           income.TaxFreeInterest + income.Dividends - income.TaxFreeDividends + gains +
           income.MinimumIraDistribution;
}

double ProvisionalIncome(const TaxIncome& income, const ReturnRules& rules) {
    // The whole interest and dividend totals count, tax-free parts included. As
    // the statute has it, the ordinary income beyond them and the capital gains
    // count too and tax-free benefits, not being income, do not; the older rule
    // counts the benefits and leaves the other two out.
    if (rules.StatutoryProvisionalIncome) {
        return static_cast<double>(income.Earnings) + income.Pensions + income.Interest +
               income.Dividends + income.CapitalGains() + income.MinimumIraDistribution +
               income.Ordinary() + 0.5 * income.SocialSecurity;
    }
    return income.TaxFreeBenefits + static_cast<double>(income.Earnings) + income.Pensions +
           income.Interest + income.Dividends + income.MinimumIraDistribution +
           0.5 * income.SocialSecurity;
}

double OtherIncome(const TaxIncome& income) {
    return income.TaxFreeBenefits + static_cast<double>(income.Earnings) + income.Pensions;
}

double SeniorDeductionIncome(const TaxIncome& income, double taxableSocialSecurity) {
    return income.Pensions + static_cast<double>(income.Earnings) + income.Interest -
           income.TaxFreeInterest + income.Dividends - income.TaxFreeDividends +
           income.MinimumIraDistribution + taxableSocialSecurity + income.Ordinary() +
           income.CapitalGains();
}

double StateBase(const TaxIncome& income) {
    return income.Pensions + static_cast<double>(income.Earnings) + income.Interest +
           income.Dividends + income.MinimumIraDistribution + income.Ordinary() +
           income.RealizedGains;
}

} // namespace velmora

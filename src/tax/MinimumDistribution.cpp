#include "tax/MinimumDistribution.h"

#include <cstddef>
#include <cstdint>

namespace velmora {

double RmdDivisorForAge(const MinimumDistributionRule& rule, std::int32_t age) {
    if (age < rule.TableFirstAge) {
        return 0.0;
    }
    const auto index = static_cast<std::size_t>(std::int64_t{age} - rule.TableFirstAge);
    return index < rule.Divisors.size() ? rule.Divisors[index] : rule.Divisors.back();
}

void ComputeMinimumIraDistribution(Workspace& ws) {
    TaxValues& tax = ws.tax;
    const MinimumDistributionRule& rule = ws.taxYear.Law().MinimumDistribution;
    const std::int32_t age = ws.plan.AgeSelf; // the spouse's age plays no part
    const std::int64_t iraValue = tax.IraTotalValue;

    tax.MinimumIraDistribution = 0.0;
    tax.RmdDivisor = RmdDivisorForAge(rule, age);
    // Whole-year ages; from the first age on every divisor is positive.
    if (age >= rule.FirstAge && iraValue > 0) {
        tax.MinimumIraDistribution = static_cast<double>(iraValue) / tax.RmdDivisor;
    }
    tax.Income.MinimumIraDistribution = tax.MinimumIraDistribution; // income of the year
}

} // namespace velmora

#include "tax/MinimumDistribution.h"

#include "tax/TaxTables2004.h"

#include <cstddef>
#include <cstdint>

namespace velmora {

// Below 71 no withdrawal is due and there is no divisor: 0 stands for "none".
double RmdDivisorForAge(std::int32_t age) {
    const auto& divisors = TaxTables::RmdDivisors;
    if (age < TaxTables::RmdFirstAge) {
        return 0.0;
    }
    if (age > TaxTables::RmdLastAge) {
        return divisors.back();
    }
    return divisors[static_cast<std::size_t>(age - TaxTables::RmdFirstAge)];
}

void ComputeMinimumIraDistribution(Workspace& ws) {
    TaxValues& tax = ws.tax;
    const std::int32_t age = ws.plan.AgeSelf; // the spouse's age plays no part
    const std::int64_t iraValue = ws.totals.IraTotalValue;

    tax.MinimumIraDistribution = 0.0;
    tax.RmdDivisor = RmdDivisorForAge(age);
    // Whole-year ages: the withdrawal starts at 71, where every divisor is positive.
    if (static_cast<double>(age) > 70.5 && iraValue > 0) {
        tax.MinimumIraDistribution = static_cast<double>(iraValue) / tax.RmdDivisor;
    }
}

} // namespace velmora

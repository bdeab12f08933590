#include "tax/MinimumDistribution.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace velmora {
namespace {

constexpr std::int32_t kFirstTableAge = 71;
constexpr std::int32_t kLastTableAge = 115;

// Uniform lifetime divisors for ages 71 to 115.
constexpr std::array<double, kLastTableAge - kFirstTableAge + 1> kDivisors{
    26.5, 25.6, 24.7, 23.8, 22.9, 22.0, 21.2, 20.3, 19.5, 18.7, 17.9, 17.1, 16.3, 15.5, 14.8,
    14.1, 13.4, 12.7, 12.0, 11.4, 10.8, 10.2, 9.6,  9.1,  8.6,  8.1,  7.6,  7.1,  6.7,  6.3,
    5.9,  5.5,  5.2,  4.9,  4.5,  4.2,  3.9,  3.7,  3.4,  3.1,  2.9,  2.6,  2.4,  2.1,  1.9};

} // namespace

// Below 71 no withdrawal is due and there is no divisor: 0 stands for "none".
double RmdDivisorForAge(std::int32_t age) {
    if (age < kFirstTableAge) {
        return 0.0;
    }
    if (age > kLastTableAge) {
        return kDivisors.back();
    }
    return kDivisors[static_cast<std::size_t>(age - kFirstTableAge)];
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

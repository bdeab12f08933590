#pragma once
// The law of a later year, made from a known year's law: its dollar figures
// carried forward with prices, and the rules that change with the year or the
// person applied.

#include "tax/TaxLaw.h"

#include <cstdint>
#include <optional>

namespace velmora {

// The law of `year`, a copy of `law` whose personal exemption, standard
// deduction, additional amount for the aged, bracket tops and qualified-rate
// breakpoints become floor(figure x factor / 50) x 50. The Social Security base
// amounts, the senior deduction's amount and thresholds, the rates and the
// distribution table stay as they are. The senior deduction ends after 2028; a
// law under the age-73 rule starts the minimum withdrawal at 75 for a person
// born in 1960 or later. None when an indexed figure leaves the 32-bit range.
std::optional<TaxLaw> IndexedLaw(const TaxLaw& law, std::int32_t year, double factor,
                                 std::int64_t birthYear);

} // namespace velmora

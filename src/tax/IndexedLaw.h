#pragma once
// The law of a later year, made from a known year's law: its dollar figures
// carried forward with prices, and the rules that change with the year or the
// person applied.

#include "tax/TaxLaw.h"

#include <cstdint>
#include <optional>

namespace velmora {

// The law of `year`, a copy of `law` whose indexed figures (law.Indexed) become
// floor(figure x factor / 50) x 50; every other figure stays as it is. The
// senior deduction is gone after its last year, and the minimum withdrawal
// starts at the law's later first age for a person born from its birth year on.
// None when an indexed figure leaves the 32-bit range.
std::optional<TaxLaw> IndexedLaw(const TaxLaw& law, std::int32_t year, double factor,
                                 std::int64_t birthYear);

} // namespace velmora

#include "tax/TaxYear.h"

#include "tax/TaxLaw2004.h"
#include "tax/TaxLaw2026.h"

#include <array>
#include <cstddef>

namespace velmora {
namespace {

// Every year the program knows, oldest first.
constexpr std::array kLaws{&kTaxLaw2004, &kTaxLaw2026};

constexpr bool AllWellFormed() {
    for (const TaxLaw* law : kLaws) {
        if (!WellFormed(*law)) {
            return false;
        }
    }
    for (std::size_t i = 1; i < kLaws.size(); ++i) {
        if (!(kLaws[i - 1]->Year < kLaws[i]->Year)) {
            return false;
        }
    }
    return true;
}
static_assert(AllWellFormed(), "a tax law breaks what the calculations rely on");

constexpr std::array<std::int32_t, kLaws.size()> kYears = [] {
    std::array<std::int32_t, kLaws.size()> years{};
    for (std::size_t i = 0; i < kLaws.size(); ++i) {
        years[i] = kLaws[i]->Year;
    }
    return years;
}();

const TaxLaw* LawOf(std::int32_t year) {
    for (const TaxLaw* law : kLaws) {
        if (law->Year == year) {
            return law;
        }
    }
    return nullptr;
}

} // namespace

static_assert(kTaxLaw2004.Year == kDefaultTaxYear);
TaxYear::TaxYear() : law_(&kTaxLaw2004) {}

std::optional<TaxYear> TaxYear::Find(std::int32_t year) {
    if (const TaxLaw* law = LawOf(year)) {
        return TaxYear(*law);
    }
    return std::nullopt;
}

std::span<const std::int32_t> KnownTaxYears() {
    return kYears;
}

std::string TaxYearLine(std::int32_t year) {
    return "Uses tax year " + std::to_string(year) + " Income Tax Rules and Rates";
}

} // namespace velmora

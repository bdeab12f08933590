#pragma once
// The tax year in force, always one whose law the program knows, and the list
// of those years.

#include "tax/TaxLaw.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace velmora {

// The year in force when none is chosen.
inline constexpr std::int32_t kDefaultTaxYear = 2004;

class TaxYear {
public:
    // The default year, 2004.
    TaxYear();

    // The year of that number, or none when the program does not know its law.
    static std::optional<TaxYear> Find(std::int32_t year);

    // A year whose law is kept by the caller, such as a law indexed to a later
    // year (IndexedLaw.h); the law must outlive every copy of the year.
    static TaxYear Referring(const TaxLaw& law) { return TaxYear(law); }

    std::int32_t Number() const { return law_->Year; }
    const TaxLaw& Law() const { return *law_; }

    friend bool operator==(const TaxYear&, const TaxYear&) = default;

private:
    explicit TaxYear(const TaxLaw& law) : law_(&law) {}

    const TaxLaw* law_; // never null: one of the laws of TaxYear.cpp, or the caller's
};

// The years whose law the program knows, oldest first.
std::span<const std::int32_t> KnownTaxYears();

// The line that names the year in force: "Uses tax year 2004 Income Tax Rules and Rates".
std::string TaxYearLine(std::int32_t year);

} // namespace velmora

#pragma once
// The household's complete input: personal data, assumptions, monthly income
// and the four holdings tables. Plain record; behaviour lives elsewhere.

#include "plan/FilingStatus.h"

#include <array>
#include <cstdint>
#include <string>

namespace velmora {

inline constexpr int kTableRows = 40; // every holdings table has exactly 40 rows
inline constexpr std::size_t kNameLength = 15;

// Names and flags are bytes of Windows-1252 (one byte is one character).
struct IraHolding {
    std::string Name;
    std::int32_t Basis = 0;
    std::int32_t CurrentValue = 0;
    std::int32_t InterestRate = 0;
    std::int32_t Dividends = 0;
    std::int32_t GrowthRate = 0;
    std::int32_t ProbabilityOfLoss = 0;
    std::int32_t RiskCategory = 0;
    double Err = 0.0; // computed, never stored in the plan file
};

struct DebtHolding {
    std::string Name;
    std::int32_t Basis = 0;
    std::int32_t CurrentValue = 0;
    std::int32_t InterestRate = 0;
    std::int32_t RiskCategory = 0;
    std::int32_t ProbabilityOfLoss = 0;
    std::string FedTaxFree; // "Y", "N" or empty
    double Err = 0.0;
};

struct EquityHolding {
    std::string Name;
    std::int32_t CurrentBasis = 0;
    std::int32_t CurrentValue = 0;
    std::int32_t RegularDividends = 0;
    std::int32_t QualifyingDividends = 0;
    std::int32_t CapGainsDistribution = 0;
    std::int32_t PriceGrowth = 0;
    std::int32_t RiskCategory = 0;
    std::int32_t LossFactor = 0;
    std::string AutoReinvest; // "Y", "N" or empty
    std::string FedTaxFree;   // "Y", "N" or empty
    double Err = 0.0;
};

// Table row i (1 to 40) is element i - 1.
using IraTable = std::array<IraHolding, kTableRows>;
using DebtTable = std::array<DebtHolding, kTableRows>;
using EquityTable = std::array<EquityHolding, kTableRows>;

struct PlanData {
    std::string Married{kSingleText}; // the filing status as text: see FilingStatusOf
    std::int32_t AgeSelf = 60;
    std::int32_t AgeSpouse = 60;
    std::int32_t AnnualBudget = 0;
    std::int32_t InflationRate = 3;
    std::int32_t ReservedValue1 = 0;
    std::int32_t ReservedValue2 = 0;
    std::int32_t EarningsSelf = 0;
    std::int32_t EarningsSpouse = 0;
    std::int32_t SocialSecuritySelf = 0;
    std::int32_t SocialSecuritySpouse = 0;
    std::int32_t PensionSelf = 0;
    std::int32_t PensionSpouse = 0;
    std::int32_t TaxFreeSelf = 0;
    std::int32_t TaxFreeSpouse = 0;
    std::int32_t StateTaxRate = 0;

    IraTable IraHoldings{};
    IraTable RothHoldings{};
    DebtTable DebtHoldings{};
    EquityTable EquityHoldings{};
};

} // namespace velmora

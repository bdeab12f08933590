#pragma once
// The years ahead: the plan carried forward year by year under the chosen law
// indexed to each year, each year selling just enough in the chosen way to meet
// its budget after the tax of what it sells, and the year the investments run out.

#include "holdings/HoldingTotals.h"
#include "plan/PlanData.h"
#include "plan/RiskCategory.h"
#include "projection/ProjectionSettings.h"
#include "results/ResultValues.h"
#include "tax/TaxValues.h"
#include "tax/TaxYear.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace velmora::projection {

// Dollars taken from one holding in a year.
struct Sale {
    std::string RankedName;  // as the results rank it: prefix and name, Windows-1252
    std::string HoldingName; // the row's own name
    std::int64_t Amount = 0;
};

// One year as the results screen would show it, and what its year's end did.
struct ProjectedYear {
    std::int32_t Year = 0;
    std::int32_t AgeSelf = 0;
    std::int32_t AgeSpouse = 0;
    bool Married = false; // whether the spouse's age is shown
    TaxValues tax;
    HoldingTotals totals;
    ResultValues results; // with the screen's box texts
    std::int32_t AppliedStateTaxRate = 0;
    std::int32_t AnnualBudget = 0;
    std::vector<Sale> Sales;         // in the order first taken
    std::int64_t Sold = 0;           // T: the dollars sold in all
    std::int64_t Taxes = 0;          // the year's tax with its sales
    std::int64_t TaxOnSales = 0;     // the part of it due to the sales
    std::int64_t GainsRealized = 0;  // the sum of the sales' gains, before the carried loss
    std::int64_t LossCarried = 0;    // the loss carried out, as 0 or more dollars
    std::int64_t Surplus = 0;        // the cash kept after the budget, spent first next year
    std::int64_t Shortfall = 0;      // what the sales could not give of the budget
    std::int64_t EndInvestments = 0; // every row's value after the year's end and the cash kept
    std::int64_t EndRegularIra = 0;  // the regular IRA rows' part of it
    // The investments at the year's end by risk category (rows of another category in none).
    std::array<std::int64_t, kCategories> EndByCategory{};
};

struct Projection {
    std::int32_t TaxYear = 0; // of year 0
    Settings settings;
    std::vector<ProjectedYear> Years;    // year 0 first
    std::optional<std::int32_t> RunsOut; // the first year with a shortfall
    // The year before which it stopped because an amount would leave the
    // 32-bit range; that year and the later ones are not shown.
    std::optional<std::int32_t> StoppedBefore;
};

// The number of years shown when nothing stops the projection: year 0 and one
// more for each year until the younger person (the self when single) reaches
// the through age, at most 60 more.
std::int32_t YearCount(const PlanData& plan, const Settings& settings);

// The projection of the plan as it stands under the chosen tax year. The plan
// is not changed; year 0 is the results calculation on it from a fresh start.
Projection Project(const PlanData& plan, const TaxYear& taxYear, const Settings& settings);

// Year 0 alone (what to sell this year), or none when its amounts are too large.
std::optional<ProjectedYear> YearZero(const PlanData& plan, const TaxYear& taxYear,
                                      Way way = Way::Ranked);

} // namespace velmora::projection

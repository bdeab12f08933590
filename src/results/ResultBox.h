#pragma once
// The 21 value boxes of the results screen in one table: the control's name,
// the words that label the box wherever the screen itself is not seen (the
// text page, the printed report, the CSV export) and the text the box shows.
// The JSON report, the CSV export and the screen list the boxes in the table's
// order; the text page and the printed report pick them by ResultBox.

#include "plan/RiskCategory.h"
#include "results/ResultValues.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace velmora {

// In the order of ResultBoxTexts: the twelve boxes of the calculation, then the nine of the
// ranking.
enum class ResultBox {
    Budget,
    ContinuedEarnings,
    Entitlements,
    IntAndDiv,
    Ira,
    TaxOnIncome,
    WithdrawalNeeded,
    TaxOnWithdrawals,
    TaxRate,
    DivTaxRate,
    CGTaxRate,
    StateTaxRate,
    TotalInvestments,
    TotalZero,
    TotalLow,
    TotalMedium,
    TotalHigh,
    PerCent0,
    PerCent1,
    PerCent2,
    PerCent3,
};

inline constexpr std::size_t kResultBoxCount = 21;

struct ResultBoxEntry {
    ResultBox Box;
    std::string_view Name;  // control name; also the JSON key and the CSV's box id
    std::string_view Label; // at most 23 characters, so that the text page keeps its columns
    std::string ResultBoxTexts::*Text;
};

// A category's boxes are labelled with the category's title, then the words
// of the screen's row label ("sub total", "% of Total").
inline constexpr std::array<ResultBoxEntry, kResultBoxCount> kResultBoxes{{
    {ResultBox::Budget, "editBudget", "Annual Budget", &ResultBoxTexts::editBudget},
    {ResultBox::ContinuedEarnings, "editContinuedEarnings", "Continued Earnings",
     &ResultBoxTexts::editContinuedEarnings},
    {ResultBox::Entitlements, "editEntitlements", "Entitlements",
     &ResultBoxTexts::editEntitlements},
    {ResultBox::IntAndDiv, "editIntAndDiv", "Interest + Dividends", &ResultBoxTexts::editIntAndDiv},
    {ResultBox::Ira, "editIRA", "Minimum IRA", &ResultBoxTexts::editIRA},
    {ResultBox::TaxOnIncome, "editTaxOnIncome", "Taxes on Income",
     &ResultBoxTexts::editTaxOnIncome},
    {ResultBox::WithdrawalNeeded, "editWithDrawalNeeded", "Withdrawal Needed",
     &ResultBoxTexts::editWithDrawalNeeded},
    {ResultBox::TaxOnWithdrawals, "editTaxOnWithdrawals", "Taxes on Withdrawals",
     &ResultBoxTexts::editTaxOnWithdrawals},
    {ResultBox::TaxRate, "editTaxRate", "Federal Ordinary %", &ResultBoxTexts::editTaxRate},
    {ResultBox::DivTaxRate, "editDivTaxRate", "Federal Qualified Div %",
     &ResultBoxTexts::editDivTaxRate},
    {ResultBox::CGTaxRate, "editCGTaxRate", "Federal Capital Gain %",
     &ResultBoxTexts::editCGTaxRate},
    {ResultBox::StateTaxRate, "editStateTaxRate", "State + Local %",
     &ResultBoxTexts::editStateTaxRate},
    {ResultBox::TotalInvestments, "editTotalInvestments", "Investment Total",
     &ResultBoxTexts::editTotalInvestments},
    {ResultBox::TotalZero, "editTotalZero", "Zero sub total", &ResultBoxTexts::editTotalZero},
    {ResultBox::TotalLow, "editTotalLow", "Low sub total", &ResultBoxTexts::editTotalLow},
    {ResultBox::TotalMedium, "editTotalMedium", "Medium sub total",
     &ResultBoxTexts::editTotalMedium},
    {ResultBox::TotalHigh, "editTotalHigh", "High sub total", &ResultBoxTexts::editTotalHigh},
    {ResultBox::PerCent0, "editPerCent0", "Zero % of Total", &ResultBoxTexts::editPerCent0},
    {ResultBox::PerCent1, "editPerCent1", "Low % of Total", &ResultBoxTexts::editPerCent1},
    {ResultBox::PerCent2, "editPerCent2", "Medium % of Total", &ResultBoxTexts::editPerCent2},
    {ResultBox::PerCent3, "editPerCent3", "High % of Total", &ResultBoxTexts::editPerCent3},
}};

constexpr const ResultBoxEntry& Entry(ResultBox box) {
    return kResultBoxes[static_cast<std::size_t>(box)];
}

constexpr std::string_view BoxName(ResultBox box) {
    return Entry(box).Name;
}

constexpr std::string_view BoxLabel(ResultBox box) {
    return Entry(box).Label;
}

inline const std::string& BoxText(const ResultBoxTexts& boxes, ResultBox box) {
    return boxes.*Entry(box).Text;
}

inline std::string& BoxText(ResultBoxTexts& boxes, ResultBox box) {
    return boxes.*Entry(box).Text;
}

// The box of a category's total value and the box of its share of all investments.
constexpr ResultBox TotalBox(RiskCategory category) {
    return static_cast<ResultBox>(static_cast<int>(ResultBox::TotalZero) + Number(category));
}

constexpr ResultBox ShareBox(RiskCategory category) {
    return static_cast<ResultBox>(static_cast<int>(ResultBox::PerCent0) + Number(category));
}

// The label of a category's total or share box without the category's title
// ("sub total", "% of Total"), for pages that show it under the title.
constexpr std::string_view CategoryCaption(ResultBox box) {
    const std::string_view label = BoxLabel(box);
    return label.substr(label.find(' ') + 1);
}

namespace result_box_checks {

constexpr bool InEnumOrder() {
    for (std::size_t i = 0; i < kResultBoxes.size(); ++i) {
        if (kResultBoxes[i].Box != static_cast<ResultBox>(i)) {
            return false;
        }
    }
    return kResultBoxes.back().Box == ResultBox::PerCent3;
}

constexpr bool LabelsFitTheTextPage() {
    for (const ResultBoxEntry& entry : kResultBoxes) {
        if (entry.Label.empty() || entry.Label.size() > 23) {
            return false;
        }
    }
    return true;
}

constexpr bool CategoryBoxesLabelledByTitle() {
    for (const RiskCategory k : kRiskCategories) {
        for (const ResultBox box : {TotalBox(k), ShareBox(k)}) {
            const std::string_view label = BoxLabel(box);
            if (label.substr(0, label.find(' ')) != Title(k) ||
                CategoryCaption(box) != CategoryCaption(box == TotalBox(k)
                                                            ? TotalBox(RiskCategory::Zero)
                                                            : ShareBox(RiskCategory::Zero))) {
                return false;
            }
        }
    }
    return true;
}

static_assert(InEnumOrder(), "kResultBoxes lists every box once, in the order of ResultBox");
static_assert(LabelsFitTheTextPage(), "every label has 1 to 23 characters");
static_assert(CategoryBoxesLabelledByTitle(),
              "a category's boxes are labelled by its title and the same caption");

} // namespace result_box_checks

} // namespace velmora

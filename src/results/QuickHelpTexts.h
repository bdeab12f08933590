#pragma once
// The results screen's quick help texts, one line per entry; a line holding one
// space stands for an empty line. The printed report quotes the text on the
// Equivalent Rate of Return.
//
// The texts read exactly as they always have, and are kept so on purpose: the
// double blanks after some full stops, lines that start with " - " beside
// others that start with "- ", the missing blank in "investments,so", the
// trailing blank after "dividends. " and "ie/". Do not tidy them.

#include "tax/TaxLaw.h"

#include <string>

namespace velmora {

inline constexpr const char* kQuickHelpGeneral[] = {
    "This screen shows the results of your data entries, including:",
    " ",
    " - A listing of your entries by Portfolio Risk Categories.",
    " - The totals for each category and the fraction each is of the grand total.",
    " - The grand Total of your investments.",
    " - Your Income.",
    " - Your Expenses.",
    " - Your Tax Information",
    " - The Withdrawal Needed",
    " ",
    "This is a results screen.  No entries are allowed.  To add, delete, or change any data "
    "return to the Data Entry screen.",
    " ",
    "To exit this Quick Help screen, click on the \"Exit this Help Screen\" button below.",
    " ",
    "For more detailed help, click on the Help menu item at the top of this screen.",
};

inline constexpr const char* kQuickHelpRiskCategories[] = {
    // "investments,so" without a blank: kept on purpose.
    "Most financial planners recommend that you diversify your retirement investments,so as to "
    "not put all of your eggs in one basket, and to also maintain a balance between investments "
    "having various degrees of risk.",
    " ",
    "This program allows you to categorize your investments into four Portfolio Risk Categories, "
    "Zero, Low, Medium and High.",
    " ",
    "Category Examples:",
    "(0) US Govt Bonds, Govt Insured CDs",
    "(1) Municipal and Commercial Bonds",
    "(2) Low Risk Stock",
    "(3) Junk Bonds, High Risk Stock",
    " ",
    "These categories are completely arbitrary, and are only for your convenience in comparing "
    "which investment(s) to sell next.",
};

inline constexpr const char* kQuickHelpEquivalentRates[] = {
    "Your investments are organized into your Risk Categories, and then displayed in order of "
    "increasing Equivalent Rates of Return (ERR).",
    " ",
    "The Equivalent Rate of Return is a calculated value which includes the following factors:",
    " ",
    "- The interest/dividends and growth rate, as a percent of the investment",
    "- Plus any Tax Free or Tax Deferred Benefit.",
    "- Minus any Risk of Loss",
    "- Minus Inflation.",
    " ",
    "NOTE: The ERR value is not the rate of return for any investment.  Rather, it is only a value "
    "to be used in comparing which investment to sell first.",
    " ",
    "You would normally sell first the investment with the lowest ERR value, subject to retaining "
    "the Portfolio Risk distribution of your choice.",
};

inline constexpr const char* kQuickHelpIncome[] = {
    "INCOME covers all income which is actually received, including:",
    " ",
    " - Continued Earnings (Salaries and Self-Employment only)",
    " - Entitlements (Social Security, Pensions, and Tax Free items)",
    " - Interest and Dividends (if not re-invested)",
    " - Minimum IRA (Your Minimum IRA Withdrawal after you reach age 70 1/2)",
    " ",
    "The total of the above, plus your taxes, is subtracted from your annual Budget to determine "
    "how much you will need to withdraw from your investments.",
    " ",
    "See Help on the Menu Bar for additional details.",
};

// The income help's line on the minimum IRA withdrawal under a year's law: the
// line above for 2004 (" - Minimum IRA (... after you reach age 70 1/2)"),
// "age 73" for 2026.
inline std::string QuickHelpMinimumIraLine(const TaxLaw& law) {
    return " - Minimum IRA (Your Minimum IRA Withdrawal after you reach age " +
           std::string(law.MinimumDistribution.FirstAgeWords) + ")";
}

inline constexpr const char* kQuickHelpExpenses[] = {
    "EXPENSES includes:",
    " ",
    "- Your Annual Budget",
    " ",
    " - The Federal, State and Local Income taxes on your Taxable Income.",
    // The trailing blank is kept on purpose.
    "This includes any taxable Social Security and taxable reinvested dividends. ",
    " ",
    " - The Federal, State and Local Income taxes on your additional income due to withdrawing "
    "from your investments to meet your budget needs.",
    " ",
    "Note that the income taxes on your Withdrawals is only an approximation since it will vary "
    "depending upon what you decide to withdraw.",
    " ",
    "Do NOT rely on this calculation for your income tax filing purposes!",
    "See Help / Description / Calculational Method for more details.",
};

inline constexpr const char* kQuickHelpTaxInformation[] = {
    "INCOME TAX INFORMATION includes:",
    " ",
    " - Your Federal Incremental Income Tax bracket is calculated from your taxable income, after "
    "standard deductions and exemptions, as if it were ordinary income.",
    " ",
    "Your Tax Bracket, and taxes, will be less if you withdraw from stocks, varying from None (if "
    "no capital gain) to the capital gains tax rates of 10 or 20 percent.",
    " ",
    " - The State and Local Incremental Income Tax rate is the data you entered on the Data Input "
    "screen.  It should be the sum of these incremental tax rates.",
    " ",
    "Note: Every state has different tax rules. This program assumes that all income is taxed at "
    "the rate you enter, with no separate rules for Dividends or Capital Gains.",
};

inline constexpr const char* kQuickHelpWithdrawalNeeded[] = {
    "WITHDRAWAL NEEDED:",
    " ",
    "This is simply your Budget plus Taxes less Income.",
    " ",
    "Your taxes cannot be determined accurately until you decide which investments to sell, ie/ "
    "requiring use of ordinary income tax brackets or capital gains tax brackets.",
    " ",
    "To avoid iterative calculations, this program assumes that all of your withdrawals are "
    "taxable as ordinary income.",
    " ",
    "As a result, your Withdrawal requirements are only an approximation.",
    " ",
    "Your actual Incremental Tax Bracket, Taxes, and Withdrawal Requirements, will be lower to the "
    "extent that you sell stock with no capital gain, or are taxed only at the lower capital gain "
    "tax rate.",
};

} // namespace velmora

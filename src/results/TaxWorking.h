#pragma once
// How the tax was worked out, as a careful retiree checks a return: the tax
// engine's own figures for the year, once without the withdrawal and once with
// it, kept by the results calculation as each of its two tax runs leaves them.

#include <cstdint>
#include <string>
#include <vector>

namespace velmora {

struct Workspace;

struct TaxWorkingColumn {
    // Income by kind
    double Pensions = 0.0;
    std::int64_t Earnings = 0;
    double SocialSecurity = 0.0;
    double TaxFreeBenefits = 0.0;
    double Interest = 0.0; // tax-free interest included
    double TaxFreeInterest = 0.0;
    double Dividends = 0.0; // tax-free dividends included
    double TaxFreeDividends = 0.0;
    double QualifiedDividends = 0.0;
    double CapGainsDistributions = 0.0;
    double MinimumIraDistribution = 0.0;
    double Withdrawal = 0.0;
    // Social Security
    double ProvisionalIncome = 0.0;
    double TaxableSocialSecurity = 0.0;
    // From income to taxable income
    double AdjustedGrossIncome = 0.0;
    std::int64_t Exemptions = 0;
    std::int64_t StandardDeduction = 0;
    std::int64_t AgedDeduction = 0;
    double SeniorDeduction = 0.0;
    double TaxableIncome = 0.0;
    // The tax
    double OrdinaryIncome = 0.0;
    double TaxOnOrdinary = 0.0;
    double QualifiedIncome = 0.0;
    double TaxOnQualified = 0.0;
    double FederalTax = 0.0;
    double TaxOnGains = 0.0; // distributions taxed apart, where the year does so
    double StateIncomeTax = 0.0;
    double TotalTax = 0.0; // federal, distributions and state in whole dollars
};

struct TaxWorking {
    TaxWorkingColumn WithoutWithdrawal;
    TaxWorkingColumn WithWithdrawal;
};

// The figures of the current tax run: income, Social Security, deductions,
// taxable income and federal tax. The results calculation adds the rest.
TaxWorkingColumn TaxWorkingOfRun(const Workspace& ws);

// How a line of the working counts: added into the next total, taken off it,
// the total of the lines counted since the last heading or total, or only
// shown beside them.
enum class TaxWorkingSum { Shown, Added, Taken, Total };

// One line of the working: its words and the two columns' texts (a column
// without a figure has an empty text). A heading has no texts.
struct TaxWorkingLine {
    std::string Label;
    std::string WithoutWithdrawal;
    std::string WithWithdrawal;
    bool Heading = false;
    TaxWorkingSum Sum = TaxWorkingSum::Shown;
};

// The lines that the working page, the printed report and the text report show,
// for the law of the workspace's tax year. Every total is the sum of the lines
// counted above it, taken lines taken off.
std::vector<TaxWorkingLine> TaxWorkingLines(const Workspace& ws);

// The line under the working: how it leads to the results screen's boxes.
std::string TaxWorkingNote();

} // namespace velmora

#include "results/ResultsPage.h"

#include "results/CategoryRows.h"
#include "plan/Windows1252.h"

#include <array>
#include <string_view>

namespace velmora::results {

namespace {

// Pads to a width counted in characters; names are Windows-1252 (one byte, one
// character), so they are padded before they become UTF-8.
std::string Padded(std::string_view text, std::size_t width) {
    std::string out(text);
    if (out.size() < width) {
        out.append(width - out.size(), ' ');
    }
    return out;
}

void Line(std::string& out, std::string_view label, std::string_view value) {
    out += "  ";
    out += Padded(label, 24);
    out += value;
    out += '\n';
}

void AppendCategory(std::string& out, const Workspace& ws, int k) {
    static constexpr std::array<std::string_view, kCategories> kTitles{"Zero", "Low", "Medium",
                                                                       "High"};
    const ResultBoxes& boxes = ws.results.boxes;
    const std::array<const std::string*, kCategories> totals{
        &boxes.editTotalZero, &boxes.editTotalLow, &boxes.editTotalMedium, &boxes.editTotalHigh};
    const std::array<const std::string*, kCategories> percents{
        &boxes.editPerCent0, &boxes.editPerCent1, &boxes.editPerCent2, &boxes.editPerCent3};

    out += kTitles[k];
    out += '\n';
    out += "  " + Padded("Name", 17) + Padded("Value", 12) + "ERR\n";
    const std::vector<CategoryRow> rows = CategoryRows(ws.ranking, k);
    if (rows.empty()) {
        out += "  (none)\n";
    }
    for (const CategoryRow& row : rows) {
        out +=
            "  " + Windows1252ToUtf8(Padded(row.Name, 17)) + Padded(row.Value, 12) + row.Err + '\n';
    }
    out += "  " + Padded("sub total", 17) + *totals[k] + '\n';
    out += "  " + Padded("% of Total", 17) + *percents[k] + "\n\n";
}

} // namespace

std::string ResultsPage(const Workspace& ws) {
    const ResultBoxes& boxes = ws.results.boxes;
    std::string out;
    out += "Calculation\n";
    out += "ERR = Effective Rate of Return (%)\n\n";
    out += "Portfolio Risk Categories\n";
    out += "B: Bonds, CDs, Bank   S: Stock, Equities   I: IRA, standard   R: IRA, Roth\n\n";
    for (int k = 0; k < kCategories; ++k) {
        AppendCategory(out, ws, k);
    }

    out += "INCOME\n";
    Line(out, "Continued Earnings", boxes.editContinuedEarnings);
    Line(out, "Entitlements", boxes.editEntitlements);
    Line(out, "Interest + Dividends", boxes.editIntAndDiv);
    Line(out, "Minimum IRA", boxes.editIRA);
    out += "\nEXPENSES\n";
    Line(out, "Annual Budget", boxes.editBudget);
    Line(out, "Taxes on: - Income", boxes.editTaxOnIncome);
    Line(out, "Taxes on: - Withdrawals", boxes.editTaxOnWithdrawals);
    out += "\nTAX INFORMATION\n";
    out += "  Incremental Tax Rates\n";
    Line(out, "Federal Ordinary", boxes.editTaxRate);
    Line(out, "Federal Qualified Div", boxes.editDivTaxRate);
    Line(out, "Federal CapGain", boxes.editCGTaxRate);
    Line(out, "State + Local", boxes.editStateTaxRate);
    out += '\n';
    out += Padded("INVESTMENT TOTAL", 26) + boxes.editTotalInvestments + '\n';
    out += Padded("WITHDRAWAL NEEDED", 26) + boxes.editWithDrawalNeeded + '\n';
    return out;
}

} // namespace velmora::results

#include "results/ResultsJson.h"

#include "plan/NumberText.h"
#include "plan/Windows1252.h"
#include "results/CategoryRows.h"
#include "results/ResultBox.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace velmora::results {

namespace {

// A character that JSON writes escaped.
bool Escaped(char c) {
    return c == '"' || c == '\\' || static_cast<unsigned char>(c) < 0x20;
}

void AppendString(std::string& out, std::string_view utf8) {
    out += '"';
    std::size_t plain = 0; // the start of the run of characters written as they are
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const char c = utf8[i];
        if (!Escaped(c)) {
            continue;
        }
        out.append(utf8.substr(plain, i - plain));
        plain = i + 1;
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default: {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
            out += escape;
        }
        }
    }
    out.append(utf8.substr(plain));
    out += '"';
}

// A member's name is one of this program's own identifiers, which hold no
// character that JSON escapes, so it is written as it is.
void AppendKey(std::string& out, bool& first, std::string_view key) {
    out += first ? "\"" : ", \"";
    first = false;
    out += key;
    out += "\": ";
}

void AppendNumber(std::string& out, bool& first, std::string_view key, double value) {
    AppendKey(out, first, key);
    if (!std::isfinite(value)) {
        out += "null"; // JSON has no text for these
        return;
    }
    // As GeneralText(value, 17), written in place. A whole number below 10^15
    // (negative zero aside, which is "-0") has no more than 15 digits, so the
    // 17 digits show it as its integer digits alone.
    char buffer[64];
    const bool whole = value == std::trunc(value) && std::fabs(value) < 1e15 &&
                       !(value == 0.0 && std::signbit(value));
    const auto result =
        whole
            ? std::to_chars(buffer, buffer + sizeof buffer, static_cast<std::int64_t>(value))
            : std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 17);
    out.append(buffer, result.ptr);
}

void AppendInteger(std::string& out, bool& first, std::string_view key, std::int64_t value) {
    AppendKey(out, first, key);
    out += std::to_string(value);
}

void AppendBoxes(std::string& out, const ResultBoxTexts& boxes) {
    out += '{';
    bool first = true;
    for (const ResultBoxEntry& box : kResultBoxes) {
        AppendKey(out, first, box.Name);
        AppendString(out, boxes.*box.Text);
    }
    out += '}';
}

void AppendCategories(std::string& out, const Ranking& ranking) {
    out += '[';
    for (const RiskCategory k : kRiskCategories) {
        if (k != kRiskCategories.front()) {
            out += ", ";
        }
        out += '[';
        bool firstRow = true;
        for (const CategoryRow& row : CategoryRows(ranking, k)) {
            if (!firstRow) {
                out += ", ";
            }
            firstRow = false;
            out += '{';
            bool first = true;
            AppendKey(out, first, "name");
            AppendString(out, Windows1252ToUtf8(row.Name));
            AppendKey(out, first, "value");
            AppendString(out, row.Value);
            AppendKey(out, first, "err");
            AppendString(out, row.Err);
            out += '}';
        }
        out += ']';
    }
    out += ']';
}

void AppendValues(std::string& out, const TaxValues& tax, const HoldingTotals& totals,
                  const ResultValues& r, std::int32_t appliedStateTaxRate) {
    out += '{';
    bool first = true;
    AppendNumber(out, first, "TaxableIncome", tax.TaxableIncome);
    AppendNumber(out, first, "FederalTax", tax.FederalTax);
    AppendNumber(out, first, "FederalBracketRate", tax.FederalBracketRate);
    AppendNumber(out, first, "CombinedTaxRate", tax.CombinedTaxRate);
    AppendNumber(out, first, "DividendTaxRate", tax.DividendTaxRate);
    AppendNumber(out, first, "CapitalGainTaxRate", tax.CapitalGainTaxRate);
    AppendNumber(out, first, "TaxableSocialSecurity", tax.TaxableSocialSecurity);
    AppendNumber(out, first, "SocialSecurityTaxableFraction", tax.SocialSecurityTaxableFraction);
    AppendNumber(out, first, "SeniorDeduction", tax.SeniorDeduction);
    AppendNumber(out, first, "MinimumIraDistribution", tax.MinimumIraDistribution);
    AppendInteger(out, first, "IraTotalValue", totals.IraTotalValue);
    AppendInteger(out, first, "RothTotalValue", totals.RothTotalValue);
    AppendInteger(out, first, "DebtTotalValue", totals.DebtTotalValue);
    AppendInteger(out, first, "EquityTotalValue", totals.EquityTotalValue);
    AppendInteger(out, first, "TotalInvestments", r.TotalInvestments);
    AppendNumber(out, first, "TotalInterest", totals.TotalInterest);
    AppendNumber(out, first, "TaxFreeInterest", totals.TaxFreeInterest);
    AppendNumber(out, first, "TotalDividends", totals.TotalDividends);
    AppendNumber(out, first, "CashDividends", totals.CashDividends);
    AppendNumber(out, first, "TaxFreeDividends", totals.TaxFreeDividends);
    AppendNumber(out, first, "TotalCapGainsDistributions", totals.TotalCapGainsDistributions);
    AppendNumber(out, first, "IncomeShortfall", r.IncomeShortfall);
    AppendNumber(out, first, "StateIncomeTax", r.StateIncomeTax);
    AppendNumber(out, first, "TaxOnIncome", r.TaxOnIncome);
    AppendNumber(out, first, "WithdrawalNeeded", r.WithdrawalNeeded);
    AppendNumber(out, first, "TaxOnWithdrawals", r.TaxOnWithdrawals);
    AppendInteger(out, first, "AppliedStateTaxRate", appliedStateTaxRate);
    out += '}';
}

} // namespace

std::string ResultsJson(const Workspace& ws) {
    std::string out = "{\"boxes\": ";
    AppendBoxes(out, ws.results.boxes);
    out += ",\n \"categories\": ";
    AppendCategories(out, ws.ranking);
    out += ",\n \"values\": ";
    AppendValues(out, ws.tax, ws.totals, ws.results, ws.AppliedStateTaxRate);
    out += ",\n \"TaxYear\": " + std::to_string(ws.taxYear.Number());
    out += "}\n";
    return out;
}

std::string JsonString(std::string_view utf8) {
    std::string out;
    AppendString(out, utf8);
    return out;
}

std::string BoxesJson(const ResultBoxTexts& boxes) {
    std::string out;
    AppendBoxes(out, boxes);
    return out;
}

std::string ValuesJson(const TaxValues& tax, const HoldingTotals& totals, const ResultValues& r,
                       std::int32_t appliedStateTaxRate) {
    std::string out;
    AppendValues(out, tax, totals, r, appliedStateTaxRate);
    return out;
}

void AppendJsonString(std::string& out, std::string_view utf8) {
    AppendString(out, utf8);
}

void AppendBoxesJson(std::string& out, const ResultBoxTexts& boxes) {
    AppendBoxes(out, boxes);
}

void AppendValuesJson(std::string& out, const TaxValues& tax, const HoldingTotals& totals,
                      const ResultValues& r, std::int32_t appliedStateTaxRate) {
    AppendValues(out, tax, totals, r, appliedStateTaxRate);
}

} // namespace velmora::results

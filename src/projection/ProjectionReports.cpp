#include "projection/ProjectionReports.h"

#include "plan/NumberText.h"
#include "plan/Windows1252.h"
#include "projection/ProjectionTexts.h"
#include "results/ResultsCsv.h"
#include "results/ResultsJson.h"
#include "tax/TaxYear.h"

#include <cstdio>
#include <initializer_list>
#include <string_view>

namespace velmora::projection {

namespace {

std::string SpouseAge(const ProjectedYear& year) {
    return year.Married ? std::to_string(year.AgeSpouse) : std::string();
}

std::string SalesJson(const ProjectedYear& year) {
    std::string out = "[";
    for (const Sale& sale : year.Sales) {
        if (out.size() > 1) {
            out += ", ";
        }
        out += "{\"name\": " + results::JsonString(Windows1252ToUtf8(sale.RankedName)) +
               ", \"amount\": " + std::to_string(sale.Amount) + "}";
    }
    return out + "]";
}

std::string YearJson(const ProjectedYear& year) {
    return "{\"Year\": " + std::to_string(year.Year) +
           ", \"AgeSelf\": " + std::to_string(year.AgeSelf) +
           ", \"AgeSpouse\": " + (year.Married ? std::to_string(year.AgeSpouse) : "null") +
           ",\n  \"boxes\": " + results::BoxesJson(year.results.boxes) + ",\n  \"values\": " +
           results::ValuesJson(year.tax, year.totals, year.results, year.AppliedStateTaxRate) +
           ",\n  \"Sales\": " + SalesJson(year) + ", \"Sold\": " + std::to_string(year.Sold) +
           ", \"Taxes\": " + std::to_string(year.Taxes) +
           ", \"TaxOnSales\": " + std::to_string(year.TaxOnSales) +
           ", \"GainsRealized\": " + std::to_string(year.GainsRealized) +
           ", \"LossCarried\": " + std::to_string(year.LossCarried) +
           ", \"Surplus\": " + std::to_string(year.Surplus) +
           ", \"Shortfall\": " + std::to_string(year.Shortfall) +
           ", \"EndInvestments\": " + std::to_string(year.EndInvestments) +
           ", \"EndRegularIra\": " + std::to_string(year.EndRegularIra) + "}";
}

std::string SettingsLine(const Settings& settings) {
    return "Through age " + std::to_string(settings.ThroughAge) + ", earnings end at age " +
           std::to_string(settings.EarningsEndAge) + ", pensions " +
           (settings.PensionsIndexed ? "indexed" : "not indexed") + ", selling " +
           std::string(WayWords(settings.way)) + "\n";
}

std::string Cell(std::string_view text, int width) {
    std::string cell(text);
    if (static_cast<int>(cell.size()) < width) {
        cell.insert(0, static_cast<std::size_t>(width) - cell.size(), ' ');
    }
    return cell;
}

} // namespace

std::string ProjectionJson(const Projection& projection) {
    const Settings& s = projection.settings;
    std::string out = "{\"TaxYear\": " + std::to_string(projection.TaxYear) +
                      ", \"ThroughAge\": " + std::to_string(s.ThroughAge) +
                      ", \"EarningsEndAge\": " + std::to_string(s.EarningsEndAge) +
                      ", \"PensionsIndexed\": " + (s.PensionsIndexed ? "true" : "false") +
                      ", \"Way\": \"" + std::string(WayName(s.way)) + "\",\n \"Years\": [";
    for (const ProjectedYear& year : projection.Years) {
        out += year.Year == projection.Years.front().Year ? "\n " : ",\n ";
        out += YearJson(year);
    }
    out += "],\n \"RunsOut\": " +
           (projection.RunsOut ? std::to_string(*projection.RunsOut) : std::string("null")) + "}\n";
    return out;
}

std::string ProjectionCsv(const Projection& projection) {
    std::string out;
    results::AppendCsvRecord(out, {"Year", "Age", "Spouse age", "Budget", "Income",
                                   "Minimum IRA withdrawal", "Total sold", "Taxes",
                                   "Of which on sales", "Cash kept", "Investments at year end",
                                   "Regular IRA at year end", "Sold", "Shortfall"});
    for (const ProjectedYear& year : projection.Years) {
        const YearFigures f = FiguresOf(year);
        results::AppendCsvRecord(
            out, {std::to_string(year.Year), std::to_string(year.AgeSelf), SpouseAge(year),
                  DollarText(f.Budget), DollarText(f.Income), DollarText(f.MinimumIra),
                  DollarText(f.Sold), DollarText(f.Taxes), DollarText(f.TaxOnSales),
                  DollarText(f.Surplus), DollarText(f.EndInvestments), DollarText(f.EndRegularIra),
                  Windows1252ToUtf8(SalesCellText(year)), DollarText(f.Shortfall)});
    }
    return out;
}

std::string ProjectionPage(const Projection& projection) {
    std::string out = "Velmora: the years ahead\n";
    out += TaxYearLine(projection.TaxYear) + '\n';
    out += SettingsLine(projection.settings) + '\n';
    constexpr int kAge = 4;
    constexpr int kAmount = 12;
    out += "Year" + Cell("Age", kAge + 2) + Cell("Spouse", 8) + Cell("Budget", kAmount) +
           Cell("Income", kAmount) + Cell("Min. IRA", kAmount) + Cell("Sold", kAmount) +
           Cell("Taxes", kAmount) + Cell("On sales", kAmount) + Cell("Cash kept", kAmount) +
           Cell("Investments", kAmount + 2) + Cell("Shortfall", kAmount) + "  Sales\n";
    for (const ProjectedYear& year : projection.Years) {
        const YearFigures f = FiguresOf(year);
        out += std::to_string(year.Year) + Cell(std::to_string(year.AgeSelf), kAge + 2) +
               Cell(SpouseAge(year), 8) + Cell(GroupedText(f.Budget), kAmount) +
               Cell(GroupedText(f.Income), kAmount) + Cell(GroupedText(f.MinimumIra), kAmount) +
               Cell(GroupedText(f.Sold), kAmount) + Cell(GroupedText(f.Taxes), kAmount) +
               Cell(GroupedText(f.TaxOnSales), kAmount) + Cell(GroupedText(f.Surplus), kAmount) +
               Cell(GroupedText(f.EndInvestments), kAmount + 2) +
               Cell(GroupedText(f.Shortfall), kAmount) + "  " + Windows1252ToUtf8(SalesText(year)) +
               '\n';
    }
    out += '\n';
    if (const std::string summary = Summary(projection); !summary.empty()) {
        out += summary + ".\n";
    }
    if (const std::string stop = StopText(projection); !stop.empty()) {
        out += stop + '\n';
    }
    return out;
}

} // namespace velmora::projection

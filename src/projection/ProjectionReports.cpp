#include "projection/ProjectionReports.h"

#include "plan/NumberText.h"
#include "plan/Windows1252.h"
#include "projection/ProjectionTexts.h"
#include "results/ResultsCsv.h"
#include "results/ResultsJson.h"
#include "tax/TaxYear.h"

#include <cstddef>
#include <cstdio>
#include <initializer_list>
#include <string_view>

namespace velmora::projection {

namespace {

std::string SpouseAge(const ProjectedYear& year) {
    return year.Married ? std::to_string(year.AgeSpouse) : std::string();
}

void AppendSales(std::string& out, const ProjectedYear& year) {
    out += '[';
    for (std::size_t k = 0; k < year.Sales.size(); ++k) {
        out += k == 0 ? "{\"name\": " : ", {\"name\": ";
        results::AppendJsonString(out, Windows1252ToUtf8(year.Sales[k].RankedName));
        out += ", \"amount\": ";
        out += std::to_string(year.Sales[k].Amount);
        out += '}';
    }
    out += ']';
}

// ", \"Name\": value".
void AppendMember(std::string& out, std::string_view name, std::int64_t value) {
    out += ", \"";
    out += name;
    out += "\": ";
    out += std::to_string(value);
}

void AppendYear(std::string& out, const ProjectedYear& year) {
    out += "{\"Year\": ";
    out += std::to_string(year.Year);
    AppendMember(out, "AgeSelf", year.AgeSelf);
    out += ", \"AgeSpouse\": ";
    out += year.Married ? std::to_string(year.AgeSpouse) : "null";
    out += ",\n  \"boxes\": ";
    results::AppendBoxesJson(out, year.results.boxes);
    out += ",\n  \"values\": ";
    results::AppendValuesJson(out, year.tax, year.totals, year.results, year.AppliedStateTaxRate);
    out += ",\n  \"Sales\": ";
    AppendSales(out, year);
    AppendMember(out, "Sold", year.Sold);
    AppendMember(out, "Taxes", year.Taxes);
    AppendMember(out, "TaxOnSales", year.TaxOnSales);
    AppendMember(out, "GainsRealized", year.GainsRealized);
    AppendMember(out, "LossCarried", year.LossCarried);
    AppendMember(out, "Surplus", year.Surplus);
    AppendMember(out, "Shortfall", year.Shortfall);
    AppendMember(out, "EndInvestments", year.EndInvestments);
    AppendMember(out, "EndRegularIra", year.EndRegularIra);
    out += '}';
}

std::string SettingsLine(const Projection& projection) {
    const Settings& settings = projection.settings;
    return "Through age " + std::to_string(settings.ThroughAge) + " " + ThroughWhom(projection) +
           ", earnings end at age " + std::to_string(settings.EarningsEndAge) + ", pensions " +
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
    out.reserve(out.size() + projection.Years.size() * 2048);
    for (const ProjectedYear& year : projection.Years) {
        out += year.Year == projection.Years.front().Year ? "\n " : ",\n ";
        AppendYear(out, year);
    }
    out += "],\n \"RunsOut\": " +
           (projection.RunsOut ? std::to_string(*projection.RunsOut) : std::string("null")) + "}\n";
    return out;
}

std::string ProjectionCsv(const Projection& projection) {
    std::string out;
    results::AppendCsvRecord(
        out, {"Year", "Age", "Spouse age", "Budget", "Income", "Minimum IRA withdrawal",
              "Total sold", "Taxes", "Of which on sales", "Cash kept", "Investments at year end",
              "Regular IRA at year end", "Sold", "Shortfall", "Money runs short"});
    for (const ProjectedYear& year : projection.Years) {
        const YearFigures f = FiguresOf(year);
        results::AppendCsvRecord(
            out, {std::to_string(year.Year), std::to_string(year.AgeSelf), SpouseAge(year),
                  DollarText(f.Budget), DollarText(f.Income), DollarText(f.MinimumIra),
                  DollarText(f.Sold), DollarText(f.Taxes), DollarText(f.TaxOnSales),
                  DollarText(f.Surplus), DollarText(f.EndInvestments), DollarText(f.EndRegularIra),
                  Windows1252ToUtf8(SalesCellText(year)), DollarText(f.Shortfall),
                  projection.RunsOut && year.Year >= *projection.RunsOut ? "Yes" : ""});
    }
    return out;
}

std::string ProjectionPage(const Projection& projection) {
    std::string out = "Velmora: the years ahead\n";
    out += TaxYearLine(projection.TaxYear) + '\n';
    out += SettingsLine(projection) + LawLine(projection) + "\n\n";
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

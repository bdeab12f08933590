#include "projection/WaysCompared.h"

#include "plan/NumberText.h"
#include "projection/ProjectionTexts.h"
#include "results/ResultsCsv.h"
#include "tax/TaxYear.h"

#include <algorithm>
#include <cstddef>

namespace velmora::projection {
namespace {

// The last year whose budget is met in full.
std::int64_t LastMet(const WayLine& line) {
    return line.RunsOut ? std::int64_t{*line.RunsOut} - 1 : std::int64_t{line.LastYear};
}

// Flags the lines whose figure is the best, when not all are equal.
template <typename Figure> std::array<bool, 4> Marked(const WaysCompared& c, Figure figure) {
    std::array<bool, 4> marked{};
    auto best = figure(c.Lines[0]);
    auto worst = best;
    for (const WayLine& line : c.Lines) {
        best = std::max(best, figure(line));
        worst = std::min(worst, figure(line));
    }
    if (best == worst) {
        return marked;
    }
    for (std::size_t i = 0; i < c.Lines.size(); ++i) {
        marked[i] = figure(c.Lines[i]) == best;
    }
    return marked;
}

std::string Years(std::int64_t count) {
    return std::to_string(count) + (count == 1 ? " year" : " years");
}

std::string Words(Way way) {
    return std::string(WayWords(way));
}

} // namespace

WaysCompared CompareWays(const PlanData& plan, const TaxYear& taxYear, const Settings& settings) {
    WaysCompared compared;
    compared.TaxYear = taxYear.Number();
    compared.settings = settings;
    compared.FirstYear = taxYear.Number();
    for (std::size_t i = 0; i < kWays.size(); ++i) {
        Settings each = settings;
        each.way = kWays[i];
        const Projection years = Project(plan, taxYear, each);
        WayLine& line = compared.Lines[i];
        line.way = kWays[i];
        line.RunsOut = years.RunsOut;
        line.StoppedBefore = years.StoppedBefore;
        line.Years = static_cast<std::int32_t>(years.Years.size());
        line.LastYear = years.Years.empty() ? years.TaxYear - 1 : years.Years.back().Year;
        for (const ProjectedYear& year : years.Years) {
            line.Taxes += year.Taxes;
            line.Shortfall += year.Shortfall;
            line.EndByYear.push_back(year.EndInvestments);
        }
        if (!years.Years.empty()) {
            line.EndInvestments = years.Years.back().EndInvestments;
            line.EndRegularIra = years.Years.back().EndRegularIra;
        }
    }
    return compared;
}

BestOfWays Best(const WaysCompared& compared) {
    BestOfWays best;
    best.RunsOut = Marked(compared, [](const WayLine& l) { return LastMet(l); });
    best.Taxes = Marked(compared, [](const WayLine& l) { return -l.Taxes; });
    best.EndInvestments = Marked(compared, [](const WayLine& l) { return l.EndInvestments; });
    best.EndRegularIra = Marked(compared, [](const WayLine& l) { return l.EndRegularIra; });
    return best;
}

std::string LastsText(const WayLine& line) {
    return line.RunsOut ? "Runs out in " + std::to_string(*line.RunsOut)
                        : "Lasts through " + std::to_string(line.LastYear);
}

std::string WaysSentence(const WaysCompared& compared) {
    const WayLine& ranked = compared.Lines[0];
    const WayLine& usual = compared.Lines[1];
    std::string sentence = "Selling " + Words(ranked.way) + " ";
    const std::int64_t longer = LastMet(ranked) - LastMet(usual);
    if (longer > 0) {
        sentence += "lasts " + Years(longer) + " longer than ";
    } else if (longer < 0) {
        sentence += "runs out " + Years(-longer) + " sooner than ";
    } else {
        sentence += "lasts as long as ";
    }
    sentence += Words(usual.way);
    const std::int64_t less = usual.Taxes - ranked.Taxes;
    sentence += less > 0   ? " and pays " + GroupedText(static_cast<double>(less)) + " less tax"
                : less < 0 ? " and pays " + GroupedText(static_cast<double>(-less)) + " more tax"
                           : " and pays the same tax";
    if (longer == 0 && !ranked.RunsOut) {
        const std::int64_t more = ranked.EndInvestments - usual.EndInvestments;
        if (more != 0) {
            sentence += ", leaving " + GroupedText(static_cast<double>(more > 0 ? more : -more)) +
                        (more > 0 ? " more" : " less") + " at the end";
        }
    }
    const auto least =
        std::min_element(compared.Lines.begin(), compared.Lines.end(),
                         [](const WayLine& a, const WayLine& b) { return a.Taxes < b.Taxes; });
    const BestOfWays best = Best(compared);
    const auto index = static_cast<std::size_t>(least - compared.Lines.begin());
    if (best.Taxes[index] && std::count(best.Taxes.begin(), best.Taxes.end(), true) == 1) {
        sentence += ". Of the four ways, " + Words(least->way) + " pays the least tax";
    }
    return sentence;
}

std::string WaysJson(const WaysCompared& compared) {
    const Settings& s = compared.settings;
    std::string out = "{\"TaxYear\": " + std::to_string(compared.TaxYear) +
                      ", \"ThroughAge\": " + std::to_string(s.ThroughAge) +
                      ", \"EarningsEndAge\": " + std::to_string(s.EarningsEndAge) +
                      ", \"PensionsIndexed\": " + (s.PensionsIndexed ? "true" : "false") +
                      ",\n \"Ways\": [";
    for (std::size_t i = 0; i < compared.Lines.size(); ++i) {
        const WayLine& line = compared.Lines[i];
        out += i == 0 ? "\n  " : ",\n  ";
        out += "{\"Way\": \"" + std::string(WayName(line.way)) + "\", \"RunsOut\": " +
               (line.RunsOut ? std::to_string(*line.RunsOut) : std::string("null")) +
               ", \"Years\": " + std::to_string(line.Years) +
               ", \"Taxes\": " + std::to_string(line.Taxes) +
               ", \"Shortfall\": " + std::to_string(line.Shortfall) +
               ", \"EndInvestments\": " + std::to_string(line.EndInvestments) +
               ", \"EndRegularIra\": " + std::to_string(line.EndRegularIra) + "}";
    }
    return out + "]}\n";
}

std::string WaysCsv(const WaysCompared& compared) {
    std::string out;
    results::AppendCsvRecord(out, {"Way", "Runs out", "Years", "Taxes", "Shortfall",
                                   "Investments at the end", "Regular IRA at the end"});
    for (const WayLine& line : compared.Lines) {
        results::AppendCsvRecord(
            out,
            {Words(line.way), line.RunsOut ? std::to_string(*line.RunsOut) : std::string(),
             std::to_string(line.Years), std::to_string(line.Taxes), std::to_string(line.Shortfall),
             std::to_string(line.EndInvestments), std::to_string(line.EndRegularIra)});
    }
    return out;
}

std::string WaysPage(const WaysCompared& compared) {
    std::string out = "Velmora: the ways of selling side by side\n";
    out += TaxYearLine(compared.TaxYear) + '\n';
    const Settings& s = compared.settings;
    out += "Through age " + std::to_string(s.ThroughAge) + ", earnings end at age " +
           std::to_string(s.EarningsEndAge) + ", pensions " +
           (s.PensionsIndexed ? "indexed" : "not indexed") + "\n\n";
    const auto cell = [](const std::string& text, std::size_t width) {
        return text.size() < width ? std::string(width - text.size(), ' ') + text : text;
    };
    const auto left = [](const std::string& text, std::size_t width) {
        return text.size() < width ? text + std::string(width - text.size(), ' ') : text;
    };
    const BestOfWays best = Best(compared);
    const auto mark = [](bool isBest) { return std::string(isBest ? "*" : " "); };
    out += left("Way", 24) + left("Money", 22) + cell("Taxes", 13) + cell("Investments", 16) +
           cell("Regular IRA", 16) + '\n';
    for (std::size_t i = 0; i < compared.Lines.size(); ++i) {
        const WayLine& line = compared.Lines[i];
        out += left(Words(line.way), 24) + left(LastsText(line) + mark(best.RunsOut[i]), 22) +
               cell(GroupedText(static_cast<double>(line.Taxes)), 12) + mark(best.Taxes[i]) +
               cell(GroupedText(static_cast<double>(line.EndInvestments)), 15) +
               mark(best.EndInvestments[i]) +
               cell(GroupedText(static_cast<double>(line.EndRegularIra)), 15) +
               mark(best.EndRegularIra[i]) + '\n';
    }
    out += "\n* the best of the column\n" + WaysSentence(compared) + ".\n";
    return out;
}

} // namespace velmora::projection

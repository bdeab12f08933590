// velmora-report [--json | --csv] [--tax-year YEAR] [--years ...] [PLANFILE]: the results
// screen's content for a plan file. Loads the plan as the program does at start-up, runs
// the results calculation under the tax year's law and prints the result, or with
// --years the years ahead; the plan file is only read.

#include "Workspace.h"
#include "plan/PlanFile.h"
#include "plan/PlanFileMessages.h"
#include "projection/Projection.h"
#include "projection/ProjectionReports.h"
#include "projection/ProjectionTexts.h"
#include "projection/WaysCompared.h"
#include "report/YearsOptions.h"
#include "results/ResultsCalculation.h"
#include "results/ResultsCsv.h"
#include "results/ResultsJson.h"
#include "results/ResultsPage.h"
#include "tax/TaxYear.h"

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <sys/stat.h>

namespace {

std::string Usage() {
    return std::string("usage: velmora-report [--json | --csv] [--tax-year YEAR]\n"
                       "                      ") +
           velmora::report::kYearsUsage + " [PLANFILE]\n";
}

// The known years as words: "2004 and 2026", or with the default marked,
// "2004 (the default) or 2026".
std::string KnownYearsText(bool markDefault = false) {
    const auto years = velmora::KnownTaxYears();
    std::string text;
    for (std::size_t i = 0; i < years.size(); ++i) {
        if (i > 0) {
            text += i + 1 < years.size() ? ", " : markDefault ? " or " : " and ";
        }
        text += std::to_string(years[i]);
        if (markDefault && years[i] == velmora::kDefaultTaxYear) {
            text += " (the default)";
        }
    }
    return text;
}

std::string Help() {
    return "Prints the results of a Velmora plan file (by default UserData.dta in the\n"
           "current folder) as a text page, without changing the file.\n"
           "\n"
           "Options:\n"
           "  --json      print one JSON object instead of the text page\n"
           "  --csv       print comma-separated values, as the results screen's CSV export\n"
           "  --tax-year YEAR\n"
           "              work out the tax under the law of YEAR: " +
           KnownYearsText(true) + "\n" + velmora::report::YearsHelp() +
           "  -h, --help  print this help and exit\n"
           "\n"
           "Exit status:\n"
           "  0  report printed\n"
           "  1  plan file cannot be opened, or the report cannot be written\n"
           "  2  wrong usage\n"
           "  3  plan file not fully read, or its marital status (line 1) is neither\n"
           "     Yes nor No: report printed from what could be read, with a warning on\n"
           "     standard error\n"
           "\n"
           "See velmora-report(1) for more.\n";
}

// The tax year of that text: exactly the digits of a known year.
std::optional<velmora::TaxYear> TaxYearOf(std::string_view text) {
    for (const std::int32_t year : velmora::KnownTaxYears()) {
        if (text == std::to_string(year)) {
            return velmora::TaxYear::Find(year);
        }
    }
    return std::nullopt;
}

// A usage error: what was wrong, then the usage line; status 2.
int UsageError(const std::string& what) {
    std::fprintf(stderr, "velmora-report: %s\n%sTry 'velmora-report --help' for more.\n",
                 what.c_str(), Usage().c_str());
    return 2;
}

enum class Format { Page, Json, Csv };

// Exit statuses besides 0 (the report of a fully read plan) and 2 (usage).
constexpr int kNoPlanFile = 1;   // missing, cannot be opened, or no regular file: no report
constexpr int kNotFullyRead = 3; // the report of what could be read, or of a plan without a
                                 // filing status, and a warning

// Why the plan file gives no report at all, or empty when it gives one.
std::string WhyNoReport(const velmora::LoadResult& loaded) {
    switch (loaded.problem) {
    case velmora::LoadProblem::CannotOpen:
        return std::strerror(loaded.error);
    case velmora::LoadProblem::NotAFile:
        // a folder, device or pipe: there is nothing to read from it
        return S_ISDIR(loaded.file.mode) ? std::strerror(EISDIR) : "not a regular file";
    default:
        return loaded.status == velmora::LoadStatus::NoFile ? std::strerror(ENOENT) : "";
    }
}

// The results screen's content.
std::string ResultsText(velmora::Workspace& ws, Format format) {
    velmora::results::Calculate(ws);
    return format == Format::Json  ? velmora::results::ResultsJson(ws)
           : format == Format::Csv ? velmora::results::ResultsCsv(ws)
                                   : velmora::results::ResultsPage(ws);
}

// The years ahead; when they stop early for amounts too large, the JSON and CSV
// forms say so on standard error (the page says so itself).
std::string YearsText(const velmora::Workspace& ws, const velmora::report::YearsOptions& options,
                      Format format) {
    namespace projection = velmora::projection;
    const projection::Settings& settings = options.settings;
    if (options.Compare) {
        const projection::WaysCompared ways =
            projection::CompareWays(ws.plan, ws.taxYear, settings);
        return format == Format::Page   ? projection::WaysPage(ways)
               : format == Format::Json ? projection::WaysJson(ways)
                                        : projection::WaysCsv(ways);
    }
    const projection::Projection years = projection::Project(ws.plan, ws.taxYear, settings);
    if (format == Format::Page) {
        return projection::ProjectionPage(years);
    }
    if (const std::string stop = projection::StopText(years); !stop.empty()) {
        std::fprintf(stderr, "velmora-report: %s\n", stop.c_str());
    }
    return format == Format::Json ? projection::ProjectionJson(years)
                                  : projection::ProjectionCsv(years);
}

} // namespace

int main(int argc, char** argv) {
    Format format = Format::Page;
    std::string path = velmora::kPlanFileName;
    bool havePath = false;
    std::optional<velmora::TaxYear> taxYear;
    velmora::report::YearsOptions years;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        std::string problem;
        const auto read = velmora::report::ReadYearsOption(argc, argv, i, years, problem);
        if (read == velmora::report::OptionRead::Wrong) {
            return UsageError(problem);
        }
        if (read == velmora::report::OptionRead::Read) {
            continue;
        }
        if (arg == "--json" || arg == "--csv") {
            const Format wanted = arg == "--json" ? Format::Json : Format::Csv;
            if (format != Format::Page && format != wanted) {
                return UsageError("--json and --csv cannot be used together");
            }
            format = wanted;
        } else if (arg == "--tax-year") {
            if (i + 1 == argc) {
                return UsageError("--tax-year needs a year: " + KnownYearsText(true));
            }
            const std::string_view text = argv[++i];
            const std::optional<velmora::TaxYear> year = TaxYearOf(text);
            if (!year) {
                // One line: the year is what was wrong, not the usage.
                std::fprintf(stderr,
                             "velmora-report: unknown tax year '%s': the known years are %s\n",
                             std::string(text).c_str(), KnownYearsText().c_str());
                return 2;
            }
            if (taxYear && *taxYear != *year) {
                return UsageError("only one tax year can be given, not also '" + std::string(text) +
                                  "'");
            }
            taxYear = year;
        } else if (arg == "--help" || arg == "-h") {
            std::fputs(Usage().c_str(), stdout);
            std::fputs(Help().c_str(), stdout);
            return 0;
        } else if (arg.size() > 1 && arg.front() == '-') {
            return UsageError("unknown option '" + std::string(arg) + "'");
        } else if (havePath) {
            return UsageError("only one plan file can be given, not also '" + std::string(arg) +
                              "'");
        } else {
            path = arg;
            havePath = true;
        }
    }

    if (const std::string problem = velmora::report::YearsProblem(years); !problem.empty()) {
        return UsageError(problem);
    }

    // The workspace is large (four ranking arrays), so it lives on the heap.
    const auto ws = std::make_unique<velmora::Workspace>();
    if (taxYear) {
        ws->taxYear = *taxYear;
    }
    const velmora::LoadResult loaded = velmora::LoadPlan(ws->plan, path);
    if (const std::string why = WhyNoReport(loaded); !why.empty()) {
        std::fprintf(stderr, "velmora-report: cannot open plan file %s: %s\n", path.c_str(),
                     why.c_str());
        return kNoPlanFile;
    }
    const std::string text =
        years.Wanted ? YearsText(*ws, years, format) : ResultsText(*ws, format);
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() ||
        std::fflush(stdout) != 0) {
        std::fprintf(stderr, "velmora-report: cannot write the report: %s\n", std::strerror(errno));
        return 1;
    }
    int status = 0;
    if (loaded.status == velmora::LoadStatus::NotFullyRead) {
        std::fprintf(stderr, "velmora-report: %s\n",
                     velmora::LoadProblemText(loaded, path).c_str());
        status = kNotFullyRead;
    }
    // Without a filing status the tax of the report is not the plan's.
    if (const std::string marital = velmora::MaritalStatusText(loaded, ws->plan.Married, path);
        !marital.empty()) {
        std::fprintf(stderr, "velmora-report: %s\n", marital.c_str());
        status = kNotFullyRead;
    }
    return status;
}

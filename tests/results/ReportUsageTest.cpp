// velmora-report's usage: --help, and the usage errors that name what was not understood.

#include "PlanSamples.h"
#include "ScratchFolder.h"
#include "plan/PlanFile.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>
#include <vector>

#ifdef VELMORA_REPORT_EXE

namespace velmora {
namespace {

using testing::ReadBytes;
using testing::ScratchFolder;

constexpr const char* kUsageLine =
    "usage: velmora-report [--json | --csv] [--tax-year YEAR]\n"
    "                      [--years [--through-age N] [--earnings-end-age N] "
    "[--pensions-indexed]\n"
    "                       [--way WAY] [--compare]] [PLANFILE]\n";

struct ReportRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the report in the folder; its output is kept elsewhere, so the folder shows
// whatever the report itself created.
ReportRun RunReport(const ScratchFolder& folder, const std::string& arguments) {
    const ScratchFolder output;
    const std::string command = "cd '" + folder.Path() + "' && '" VELMORA_REPORT_EXE "' " +
                                arguments + " > '" + output.Path("out") + "' 2> '" +
                                output.Path("err") + "'";
    const int raw = std::system(command.c_str());
    ReportRun run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = ReadBytes(output.Path("out"));
    run.err = ReadBytes(output.Path("err"));
    return run;
}

TEST(ReportUsage, HelpListsEveryOptionAndExitStatus) {
    ScratchFolder folder; // no plan file: the help does not need one
    const ReportRun run = RunReport(folder, "--help");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out.substr(0, std::string(kUsageLine).size()), kUsageLine);
    for (const char* line :
         {"\n  --json      print one JSON object instead of the text page\n",
          "\n  --csv       print comma-separated values, as the results screen's CSV export\n",
          "\n  --tax-year YEAR\n              work out the tax under the law of YEAR: 2004 (the "
          "default) or 2026\n",
          "\n  --years     print the years ahead instead: the plan carried forward year by\n",
          "\n  --through-age N\n              with --years: the last year is the one in which the "
          "younger\n              person reaches age N, from 70 to 110 (default 95)\n",
          "\n  --earnings-end-age N\n              with --years: continued earnings stop in the "
          "year "
          "a person\n              reaches age N, from 50 to 100 (default 70)\n",
          "\n  --pensions-indexed\n              with --years: pensions rise with inflation, as "
          "Social Security does\n",
          "\n  -h, --help  print this help and exit\n", "\nExit status:\n  0  report printed\n",
          "\n  1  plan file cannot be opened, or the report cannot be written\n",
          "\n  2  wrong usage\n",
          "\n  3  plan file not fully read, or its marital status (line 1) is neither\n"
          "     Yes nor No: report printed from what could be read, with a warning on\n"
          "     standard error\n",
          "\nSee velmora-report(1) for more.\n"}) {
        EXPECT_NE(run.out.find(line), std::string::npos) << "missing: " << line << run.out;
    }
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{}) << "nothing is created";

    EXPECT_EQ(RunReport(folder, "-h").out, run.out);
    const ReportRun late = RunReport(folder, "--json missing.dta --help");
    EXPECT_EQ(late.status, 0) << "the help wins over the other arguments: " << late.err;
    EXPECT_EQ(late.out, run.out);
}

TEST(ReportUsage, AUsageErrorNamesWhatWasNotUnderstood) {
    ScratchFolder folder;
    ASSERT_FALSE(SavePlan(testing::MarriedHousehold(), folder.Path("UserData.dta")));
    const std::string usageAndHint =
        std::string(kUsageLine) + "Try 'velmora-report --help' for more.\n";
    struct Case {
        const char* arguments;
        const char* problem;
    };
    for (const Case& c : {
             Case{"--yaml", "velmora-report: unknown option '--yaml'\n"},
             Case{"-j UserData.dta", "velmora-report: unknown option '-j'\n"},
             Case{"--json --help=all", "velmora-report: unknown option '--help=all'\n"},
             Case{"--JSON", "velmora-report: unknown option '--JSON'\n"},
             Case{"UserData.dta other.dta",
                  "velmora-report: only one plan file can be given, not also 'other.dta'\n"},
             Case{"--json --csv", "velmora-report: --json and --csv cannot be used together\n"},
             Case{"--json --tax-year",
                  "velmora-report: --tax-year needs a year: 2004 (the default) or 2026\n"},
             Case{"--tax-year 2004 --tax-year 2026",
                  "velmora-report: only one tax year can be given, not also '2026'\n"},
             Case{"--years --through-age 69",
                  "velmora-report: --through-age needs an age from 70 to 110, not '69'\n"},
             Case{"--through-age 111 --years",
                  "velmora-report: --through-age needs an age from 70 to 110, not '111'\n"},
             Case{"--years --through-age 80x",
                  "velmora-report: --through-age needs an age from 70 to 110, not '80x'\n"},
             Case{"--years --through-age",
                  "velmora-report: --through-age needs an age from 70 to 110\n"},
             Case{"--years --earnings-end-age 49",
                  "velmora-report: --earnings-end-age needs an age from 50 to 100, not '49'\n"},
             Case{"--years --earnings-end-age 101",
                  "velmora-report: --earnings-end-age needs an age from 50 to 100, not '101'\n"},
             Case{"--earnings-end-age 60 --json",
                  "velmora-report: --earnings-end-age is a setting of --years, which is not "
                  "given\n"},
             Case{"--years --way fastest",
                  "velmora-report: --way needs one of ranked, taxable-first, pro-rata, "
                  "ira-to-bracket, not 'fastest'\n"},
             Case{"--compare --json",
                  "velmora-report: --compare is a setting of --years, which is not given\n"},
             Case{"--pensions-indexed",
                  "velmora-report: --pensions-indexed is a setting of --years, which is not "
                  "given\n"},
         }) {
        SCOPED_TRACE(c.arguments);
        const ReportRun run = RunReport(folder, c.arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, c.problem + usageAndHint);
    }
}

TEST(ReportUsage, AnUnknownTaxYearIsOneLineNamingTheKnownYears) {
    ScratchFolder folder;
    ASSERT_FALSE(SavePlan(testing::MarriedHousehold(), folder.Path("UserData.dta")));
    struct Case {
        const char* arguments;
        const char* year;
    };
    for (const Case& c :
         {Case{"--tax-year 2025", "2025"}, Case{"--json --tax-year 2027", "2027"},
          Case{"--tax-year 02004 UserData.dta", "02004"}, Case{"--tax-year 2026.0", "2026.0"},
          Case{"--tax-year ''", ""}, Case{"--tax-year --csv", "--csv"}}) {
        SCOPED_TRACE(c.arguments);
        const ReportRun run = RunReport(folder, c.arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, std::string("velmora-report: unknown tax year '") + c.year +
                               "': the known years are 2004 and 2026\n");
    }
    // Either known year, given once or twice alike, is no error.
    EXPECT_EQ(RunReport(folder, "--tax-year 2026 --tax-year 2026").status, 0);
    EXPECT_EQ(RunReport(folder, "--tax-year 2004").status, 0);
}

TEST(ReportUsage, TheYearsSettingsTakeTheEndsOfTheirRanges) {
    ScratchFolder folder;
    ASSERT_FALSE(SavePlan(testing::MarriedHousehold(), folder.Path("UserData.dta")));
    for (const char* arguments : {"--years --through-age 70 --earnings-end-age 100",
                                  "--csv --years --through-age 110 --earnings-end-age 50 "
                                  "--pensions-indexed"}) {
        const ReportRun run = RunReport(folder, arguments);
        EXPECT_EQ(run.status, 0) << arguments << "\n" << run.err;
        EXPECT_NE(run.out, "") << arguments;
    }
}

} // namespace
} // namespace velmora

#endif

// velmora-report on plan files that cannot be read completely, or are no plan files at
// all: it reports what it could read and warns (status 3), or refuses at once
// (status 1), and it never waits, moves or writes anything.

#include "PlanSamples.h"
#include "ScratchFolder.h"
#include "Unprivileged.h"
#include "Workspace.h"
#include "plan/PlanFile.h"
#include "plan/PlanWriter.h"
#include "results/ResultsCalculation.h"
#include "results/ResultsPage.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#ifdef VELMORA_REPORT_EXE

namespace velmora {
namespace {

using testing::ReadBytes;
using testing::ScratchFolder;
using testing::WriteBytes;
using namespace std::string_literals;

struct ReportRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the report on `plan` in `folder`, its output kept elsewhere; a report that has
// not ended after 20 seconds is killed (status 124).
ReportRun RunReport(const ScratchFolder& folder, const std::string& plan) {
    ScratchFolder output;
    const std::string command = "cd '" + folder.Path() +
                                "' && timeout 20 '" VELMORA_REPORT_EXE "' '" + plan + "' > '" +
                                output.Path("out") + "' 2> '" + output.Path("err") + "'";
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadBytes(output.Path("out")),
            ReadBytes(output.Path("err"))};
}

std::string PageOf(const PlanData& plan) {
    const auto ws = std::make_unique<Workspace>();
    ws->plan = plan;
    results::Calculate(*ws);
    return results::ResultsPage(*ws);
}

TEST(ReportPlanFile, APlanNotFullyReadIsReportedWithAWarning) {
    ScratchFolder folder;
    std::string text = PlanFileText(testing::MarriedHousehold());
    const std::size_t line2 = text.find("\r\n") + 2;
    text.replace(line2, text.find("\r\n", line2) - line2, "sixty");
    WriteBytes(folder.Path(kPlanFileName), text);

    const ReportRun run = RunReport(folder, kPlanFileName);
    EXPECT_EQ(run.status, 3);
    PlanData read;
    read.Married = "Yes";
    read.AgeSelf = 0;
    EXPECT_EQ(run.out, PageOf(read)) << "the report of what could be read";
    EXPECT_EQ(run.err, "velmora-report: Line 2 of your plan file UserData.dta should hold a whole "
                       "number but holds \"sixty\". The values after that line are the default "
                       "values.\n");
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{kPlanFileName}) << "nothing moved";
    EXPECT_EQ(ReadBytes(folder.Path(kPlanFileName)), text);

    ASSERT_EQ(::truncate(folder.Path(kPlanFileName).c_str(), 17 * 1024 * 1024), 0);
    const ReportRun large = RunReport(folder, kPlanFileName);
    EXPECT_EQ(large.status, 3);
    EXPECT_EQ(large.out, PageOf(PlanData{}));
    EXPECT_EQ(large.err, "velmora-report: Your plan file UserData.dta is larger than 16 MB, far "
                         "too large for a plan file, so Velmora did not read it. All values are "
                         "the default values.\n");
}

TEST(ReportPlanFile, APlanCutShortOrWithANulInANumberIsNotFullyRead) {
    const std::string text = PlanFileText(testing::MarriedHousehold());
    std::size_t line3 = text.find("\r\n") + 2;
    line3 = text.find("\r\n", line3) + 2;
    struct Case {
        const char* what;
        std::string bytes;
        std::string warning;
    };
    const Case cases[] = {
        {"cut inside line 3", text.substr(0, line3 + 1),
         "Your plan file UserData.dta could not be read completely: the file ends at line 3 of "
         "1,376. The values after that line are 0 or empty."},
        {"empty", "",
         "Your plan file UserData.dta could not be read completely: the file is empty. All values "
         "are 0 or empty."},
        {"a NUL in line 3", text.substr(0, line3 + 1) + '\0' + text.substr(line3 + 1),
         "Line 3 of your plan file UserData.dta should hold a whole number but holds \"6?8\". The "
         "values after that line are the default values."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchFolder folder;
        WriteBytes(folder.Path(kPlanFileName), c.bytes);
        const ReportRun run = RunReport(folder, kPlanFileName);
        EXPECT_EQ(run.status, 3);
        EXPECT_EQ(run.err, "velmora-report: " + c.warning + "\n");
        EXPECT_NE(run.out, "") << "the report of what was read";
        EXPECT_EQ(folder.Entries(), std::vector<std::string>{kPlanFileName}) << "nothing moved";
    }
}

// Only "Yes" and "No" give the tax a filing status; any other line 1 is reported as it
// is, with a warning, and a NUL in it is damage like a NUL anywhere else.
TEST(ReportPlanFile, AMaritalStatusOtherThanYesOrNoIsSaid) {
    const std::string text = PlanFileText(testing::MarriedHousehold());
    const std::string rest = text.substr(text.find("\r\n"));
    const std::string neither =
        ", the marital status, should be \"Yes\" (married) or \"No\" (single) but ";
    const std::string choose = ". Velmora keeps it as it is, but the tax cannot be worked out "
                               "until you choose Single or Married on the Data Input Screen.\n";
    struct Case {
        std::string line1;
        int status;
        std::string warning;
    };
    const Case cases[] = {
        {"Yes", 0, ""},
        {"No", 0, ""},
        {"Yes"s + '\0', 3,
         "velmora-report: Line 1 of your plan file UserData.dta holds a NUL character (code 0), "
         "which no plan file holds: the file is damaged. The values from line 1 on are the "
         "default values.\n"},
        {"Yes ", 3,
         "velmora-report: Line 1 of your plan file UserData.dta" + neither + "holds \"Yes \"" +
             choose},
        {"yes", 3,
         "velmora-report: Line 1 of your plan file UserData.dta" + neither + "holds \"yes\"" +
             choose},
        {"", 3,
         "velmora-report: Line 1 of your plan file UserData.dta" + neither + "is empty" + choose},
        {"\xEF\xBBYes\t", 3,
         "velmora-report: Line 1 of your plan file UserData.dta" + neither +
             "holds \"<EF><BB>Yes<09>\"" + choose},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line1);
        ScratchFolder folder;
        WriteBytes(folder.Path(kPlanFileName), c.line1 + rest);
        const ReportRun run = RunReport(folder, kPlanFileName);
        EXPECT_EQ(run.status, c.status);
        EXPECT_EQ(run.err, c.warning);
        PlanData read = testing::MarriedHousehold();
        if (c.line1.find('\0') != std::string::npos) {
            read = PlanData{}; // nothing was read
        } else {
            read.Married = c.line1;
        }
        EXPECT_EQ(run.out, PageOf(read)) << "the report of the plan as read";
        EXPECT_EQ(folder.Entries(), std::vector<std::string>{kPlanFileName}) << "nothing moved";
    }
}

TEST(ReportPlanFile, APipeOrADeviceIsRefusedAtOnce) {
    ScratchFolder folder;
    ASSERT_EQ(::mkfifo(folder.Path("pipe.dta").c_str(), 0600), 0);
    ASSERT_EQ(::symlink("/dev/zero", folder.Path(kPlanFileName).c_str()), 0);
    for (const char* plan : {"pipe.dta", kPlanFileName}) {
        const ReportRun run = RunReport(folder, plan);
        EXPECT_EQ(run.status, 1) << plan;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, "velmora-report: cannot open plan file " + std::string(plan) +
                               ": not a regular file\n");
    }
    EXPECT_EQ(folder.Entries(), (std::vector<std::string>{kPlanFileName, "pipe.dta"}));
}

TEST(ReportPlanFile, AFileWithoutReadPermissionCannotBeOpened) {
    ScratchFolder folder;
    WriteBytes(folder.Path(kPlanFileName), PlanFileText(PlanData{}));
    ASSERT_EQ(::chmod(folder.Path(kPlanFileName).c_str(), 0), 0);
    ASSERT_EQ(::chmod(folder.Path().c_str(), 0755), 0);
    // The report runs as an unprivileged user, who may not read the file.
    const int status = testing::RunAsUnprivilegedUser([&] {
        const ReportRun run = RunReport(folder, kPlanFileName);
        const bool said = run.err == "velmora-report: cannot open plan file UserData.dta: "
                                     "Permission denied\n";
        return run.status == 1 && run.out.empty() && said ? 0 : 1;
    });
    if (status == -1) {
        GTEST_SKIP() << "cannot run as an unprivileged user here";
    }
    EXPECT_EQ(status, 0);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{kPlanFileName});
}

} // namespace
} // namespace velmora

#endif

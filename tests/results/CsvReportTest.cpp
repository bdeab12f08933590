// velmora-report --csv run on a plan file written by the program's own writer.

#include "CsvReader.h"
#include "PlanSamples.h"
#include "ScratchFolder.h"
#include "plan/PlanFile.h"
#include "Workspace.h"
#include "results/ResultsCalculation.h"
#include "results/ResultsCsv.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <sys/wait.h>

#ifdef VELMORA_REPORT_EXE

namespace velmora {
namespace {

using testing::ReadBytes;
using testing::ScratchFolder;

struct ReportRun {
    int status = -1;
    std::string out;
    std::string err;
};

ReportRun RunReport(const ScratchFolder& folder, const std::string& arguments) {
    const std::string command = "cd '" + folder.Path() + "' && '" VELMORA_REPORT_EXE "' " +
                                arguments + " > out.txt 2> err.txt";
    const int raw = std::system(command.c_str());
    ReportRun run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = ReadBytes(folder.Path("out.txt"));
    run.err = ReadBytes(folder.Path("err.txt"));
    return run;
}

TEST(CsvReport, PrintsTheExportOfThePlanFile) {
    ScratchFolder folder;
    PlanData plan = testing::MarriedHousehold();
    plan.DebtHoldings[1].Name = "CD, \"jumbo\"";
    ASSERT_FALSE(SavePlan(plan, folder.Path("my plan.dta")));

    const ReportRun run = RunReport(folder, "--csv 'my plan.dta'");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");

    const auto ws = std::make_unique<Workspace>();
    LoadPlan(ws->plan, folder.Path("my plan.dta"));
    results::Calculate(*ws);
    EXPECT_EQ(run.out, results::ResultsCsv(*ws));

    const auto records = testing::ParseCsv(run.out);
    ASSERT_TRUE(records) << run.out;
    bool found = false;
    for (const testing::CsvRecord& record : *records) {
        found = found || (record.size() == 4 && record[1] == "B:CD, \"jumbo\"");
    }
    EXPECT_TRUE(found) << run.out;
    EXPECT_EQ(records->back(), (testing::CsvRecord{"editPerCent3", "High % of Total",
                                                   ws->results.boxes.editPerCent3}));
}

TEST(CsvReport, DefaultPlanFileAndErrors) {
    ScratchFolder folder;
    ReportRun run = RunReport(folder, "--csv");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("UserData.dta"), std::string::npos) << run.err;

    ASSERT_FALSE(SavePlan(testing::MarriedHousehold(), folder.Path("UserData.dta")));
    run = RunReport(folder, "--csv");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, 25), "Category,Name,Value,ERR\r\n");

    run = RunReport(folder, "--csv --json");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("usage: velmora-report [--json | --csv]"), std::string::npos);
    run = RunReport(folder, "--csv --csv");
    EXPECT_EQ(run.status, 0) << "the same format twice is no contradiction";
}

} // namespace
} // namespace velmora

#endif

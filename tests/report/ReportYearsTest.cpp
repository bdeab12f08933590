// velmora-report --years: the settings reach the projection, and a damaged plan
// gives the years of what could be read with a warning (status 3).

#include "PlanSamples.h"
#include "ScratchFolder.h"
#include "plan/PlanFile.h"
#include "plan/PlanWriter.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>

#ifdef VELMORA_REPORT_EXE

namespace velmora {
namespace {

using testing::ReadBytes;
using testing::ScratchFolder;
using testing::WriteBytes;

struct ReportRun {
    int status = -1;
    std::string out;
    std::string err;
};

ReportRun RunReport(const ScratchFolder& folder, const std::string& arguments) {
    const ScratchFolder output;
    const std::string command = "cd '" + folder.Path() +
                                "' && timeout 20 '" VELMORA_REPORT_EXE "' " + arguments + " > '" +
                                output.Path("out") + "' 2> '" + output.Path("err") + "'";
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadBytes(output.Path("out")),
            ReadBytes(output.Path("err"))};
}

std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

// The household is 72 and 68: through 80 is 13 years, the spouse reaching 80 in 2016.
TEST(ReportYears, TheSettingsReachTheProjection) {
    ScratchFolder folder;
    ASSERT_FALSE(SavePlan(testing::MarriedHousehold(), folder.Path(kPlanFileName)));
    struct Case {
        const char* arguments;
        const char* head;
        std::size_t rows;
    };
    for (const Case& c :
         {Case{"--years --json --tax-year 2026 --through-age 80 --earnings-end-age 60 "
               "--pensions-indexed",
               "{\"TaxYear\": 2026, \"ThroughAge\": 80, \"EarningsEndAge\": 60, "
               "\"PensionsIndexed\": true, \"Way\": \"ranked\",\n \"Years\": [\n {\"Year\": 2026, "
               "\"AgeSelf\": 72, "
               "\"AgeSpouse\": 68,",
               13},
          Case{"--json --years",
               "{\"TaxYear\": 2004, \"ThroughAge\": 95, \"EarningsEndAge\": 70, "
               "\"PensionsIndexed\": false,",
               28},
          Case{"--years --csv --through-age 80",
               "Year,Age,Spouse age,Budget,Income,Minimum IRA withdrawal,Total sold,Taxes,"
               "Of which on sales,Cash kept,Investments at year end,Regular IRA at year end,Sold,"
               "Shortfall,Money runs short\r\n2004,72,68,64000,",
               14}}) {
        SCOPED_TRACE(c.arguments);
        const ReportRun run = RunReport(folder, c.arguments);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out.substr(0, std::string(c.head).size()), c.head);
        const bool csv = std::string(c.arguments).find("--csv") != std::string::npos;
        EXPECT_EQ(Count(run.out, csv ? "\r\n" : "\"Year\": "), c.rows);
    }
}

// Every year carries what it sold and its tax under the names the years' readers use.
TEST(ReportYears, EachYearSaysWhatItSoldAndItsTax) {
    ScratchFolder folder;
    ASSERT_FALSE(SavePlan(testing::MarriedHousehold(), folder.Path(kPlanFileName)));
    const ReportRun run = RunReport(folder, "--years --json --through-age 80 --way pro-rata");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("\"Way\": \"pro-rata\""), std::string::npos);
    for (const char* member : {"\"Sold\": ", "\"Taxes\": ", "\"TaxOnSales\": ",
                               "\"GainsRealized\": ", "\"LossCarried\": ", "\"Surplus\": ",
                               "\"Shortfall\": ", "\"EndInvestments\": ", "\"EndRegularIra\": "}) {
        EXPECT_EQ(Count(run.out, member), 13u) << member;
    }
}

TEST(ReportYears, ADamagedPlanGivesTheYearsOfWhatWasReadWithAWarning) {
    ScratchFolder folder;
    std::string text = PlanFileText(testing::MarriedHousehold());
    WriteBytes(folder.Path(kPlanFileName), text.substr(0, text.size() / 2));
    const ReportRun run = RunReport(folder, "--years");
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.out.substr(0, 25), "Velmora: the years ahead\n");
    EXPECT_NE(run.err.find("could not be read completely"), std::string::npos) << run.err;
}

} // namespace
} // namespace velmora

#endif

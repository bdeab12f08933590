#include "plan/PlanFile.h"

#include "FaultyFileSystem.h"
#include "PlanCompare.h"
#include "PlanSamples.h"
#include "ScratchFolder.h"
#include "plan/PlanWriter.h"
#include "plan/PosixFileSystem.h"

#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace velmora {
namespace {

using testing::FaultyFileSystem;
using testing::FileMode;
using testing::MarriedHousehold;
using testing::PlanDifference;
using testing::ReadBytes;
using testing::ScratchFolder;
using testing::VariedPlan;
using testing::WriteBytes;

const std::string kFixtures = std::string(VELMORA_TEST_DATA_DIR) + "/plan/";

TEST(PlanFile, SaveThenLoadReproducesEveryField) {
    ScratchFolder folder;
    const std::string path = folder.Path(kPlanFileName);
    for (const PlanData& saved : {VariedPlan(), MarriedHousehold(), PlanData{}}) {
        ASSERT_FALSE(SavePlan(saved, path));
        PlanData loaded = VariedPlan();
        loaded.Married = "?";
        LoadPlan(loaded, path);
        EXPECT_EQ(PlanDifference(saved, loaded), "");
    }
}

TEST(PlanFile, StoredPlansLoadAndSaveByteForByte) {
    struct Fixture {
        const char* file;
        PlanData plan;
    };
    for (const Fixture& fixture : {Fixture{"married-household.dta", MarriedHousehold()},
                                   Fixture{"varied-values.dta", VariedPlan()}}) {
        const std::string stored = ReadBytes(kFixtures + fixture.file);
        ASSERT_EQ(stored.size(), PlanFileText(fixture.plan).size()) << fixture.file;
        PlanData loaded;
        LoadPlan(loaded, kFixtures + fixture.file);
        EXPECT_EQ(PlanDifference(fixture.plan, loaded), "") << fixture.file;

        ScratchFolder folder;
        ASSERT_FALSE(SavePlan(loaded, folder.Path(kPlanFileName)));
        EXPECT_EQ(ReadBytes(folder.Path(kPlanFileName)), stored) << fixture.file;
    }
}

TEST(PlanFile, OtherLineEndsInStoredFilesLoadLikeCrLf) {
    const PlanData household = MarriedHousehold();
    for (const char* file : {"married-household-lf.dta", "married-household-cr.dta"}) {
        PlanData loaded;
        EXPECT_EQ(LoadPlan(loaded, kFixtures + file).status, LoadStatus::Complete) << file;
        EXPECT_EQ(PlanDifference(household, loaded), "") << file;
    }
}

TEST(PlanFile, MissingOrUnreadableFileLeavesThePlanAsItIs) {
    ScratchFolder folder;
    PlanData defaults;
    EXPECT_EQ(LoadPlan(defaults, folder.Path(kPlanFileName)).status, LoadStatus::NoFile);
    EXPECT_EQ(PlanDifference(PlanData{}, defaults), "");

    PlanData household = MarriedHousehold();
    EXPECT_EQ(LoadPlan(household, folder.Path("missing/UserData.dta")).status, LoadStatus::NoFile);
    const LoadResult folderResult = LoadPlan(household, folder.Path());
    EXPECT_EQ(folderResult.status, LoadStatus::NotFullyRead);
    EXPECT_EQ(folderResult.problem, LoadProblem::NotAFile);
    EXPECT_EQ(PlanDifference(MarriedHousehold(), household), "");
}

TEST(PlanFile, ReadErrorStopsTheLoadBeforeTheFieldItHits) {
    ScratchFolder folder;
    const std::string path = folder.Path(kPlanFileName);
    WriteBytes(path, "Yes\r\n67\r\n64\r\n40000\r\n2\r\n");
    // One byte per read: call 1 opens, call 2 looks at the file, call 3 + k reads byte k.
    struct Case {
        int bytesRead;
        std::int32_t budget;
        std::int32_t ageSpouse;
        int line; // of the first field not read
    };
    for (const Case& c : {Case{13, 555, 64, 4}, Case{15, 555, 64, 4}, Case{12, 555, 555, 3},
                          Case{0, 555, 555, 1}}) {
        FaultyFileSystem files;
        files.LimitTransfer(1);
        files.FailCall(3 + c.bytesRead, EIO);
        PlanData plan;
        plan.Married = "?";
        plan.AgeSelf = 555;
        plan.AgeSpouse = 555;
        plan.AnnualBudget = 555;
        const LoadResult result = LoadPlan(plan, path, files);
        EXPECT_EQ(result.status, LoadStatus::NotFullyRead) << c.bytesRead;
        EXPECT_EQ(result.problem, LoadProblem::ReadError) << c.bytesRead;
        EXPECT_EQ(result.error, EIO) << c.bytesRead;
        EXPECT_EQ(result.line, c.line) << c.bytesRead;
        EXPECT_EQ(files.Log().back(), "close " + std::string(kPlanFileName));
        if (c.bytesRead == 0) {
            EXPECT_EQ(plan.Married, "?");
            continue;
        }
        EXPECT_EQ(plan.Married, "Yes") << c.bytesRead;
        EXPECT_EQ(plan.AgeSelf, 67) << c.bytesRead;
        EXPECT_EQ(plan.AgeSpouse, c.ageSpouse) << c.bytesRead;
        EXPECT_EQ(plan.AnnualBudget, c.budget) << c.bytesRead;
        EXPECT_EQ(plan.InflationRate, 3) << c.bytesRead;
    }
}

TEST(PlanFile, ShortAndInterruptedReadsLoadTheWholeFile) {
    ScratchFolder folder;
    const std::string path = folder.Path(kPlanFileName);
    WriteBytes(path, PlanFileText(VariedPlan()));
    FaultyFileSystem files;
    files.LimitTransfer(7);
    files.Interrupt();
    PlanData plan;
    LoadPlan(plan, path, files);
    EXPECT_EQ(PlanDifference(VariedPlan(), plan), "");
}

TEST(PlanFile, SaveKeepsThePreviousPlanAsBackup) {
    ScratchFolder folder;
    const std::string path = folder.Path(kPlanFileName);
    const std::string backup = folder.Path(kPlanBackupName);
    EXPECT_EQ(BackupPathFor(path), backup);

    PlanData plan = MarriedHousehold();
    ASSERT_FALSE(SavePlan(plan, path));
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{kPlanFileName}) << "nothing to back up";
    const std::string first = ReadBytes(path);

    plan.AgeSelf = 73;
    ASSERT_FALSE(SavePlan(plan, path));
    EXPECT_EQ(ReadBytes(backup), first);
    const std::string second = ReadBytes(path);
    EXPECT_NE(second, first);

    plan.AgeSelf = 74;
    ASSERT_FALSE(SavePlan(plan, path));
    EXPECT_EQ(ReadBytes(backup), second) << "one generation only";
    EXPECT_EQ(ReadBytes(path), PlanFileText(plan));
    EXPECT_EQ(folder.Entries(), (std::vector<std::string>{kPlanBackupName, kPlanFileName}));
}

TEST(PlanFile, BackupIsCopiedWhenTheFileSystemHasNoHardLinks) {
    ScratchFolder folder;
    const std::string path = folder.Path(kPlanFileName);
    WriteBytes(path, "old plan\r\n");
    WriteBytes(folder.Path(kPlanBackupName), "older plan\r\n");
    FaultyFileSystem probe;
    ASSERT_FALSE(SavePlan(MarriedHousehold(), path, probe));
    int linkCall = 0;
    for (std::size_t i = 0; i < probe.Log().size(); ++i) {
        if (probe.Log()[i].starts_with("link ")) {
            linkCall = static_cast<int>(i + 1);
        }
    }
    ASSERT_GT(linkCall, 0);

    WriteBytes(path, "old plan\r\n");
    FaultyFileSystem files;
    files.FailCall(linkCall, EPERM);
    ASSERT_FALSE(SavePlan(MarriedHousehold(), path, files));
    EXPECT_EQ(ReadBytes(folder.Path(kPlanBackupName)), "old plan\r\n");
    EXPECT_EQ(ReadBytes(path), PlanFileText(MarriedHousehold()));
}

TEST(PlanFile, SaveThroughALinkReplacesTheFileItPointsTo) {
    ScratchFolder folder;
    ASSERT_EQ(::mkdir(folder.Path("plans").c_str(), 0755), 0);
    const std::string target = folder.Path("plans/ours.dta");
    WriteBytes(target, "old plan\r\n");
    const std::string link = folder.Path(kPlanFileName);
    ASSERT_EQ(::symlink("plans/ours.dta", link.c_str()), 0);
    ASSERT_EQ(::symlink(link.c_str(), folder.Path("second.dta").c_str()), 0); // a link to it

    for (const std::string& path : {link, folder.Path("second.dta")}) {
        SCOPED_TRACE(path);
        const std::string before = ReadBytes(target);
        PosixFileSystem files;
        const SaveResult saved = SavePlanFile(VariedPlan(), path, files);
        ASSERT_FALSE(saved.error) << saved.error->text;
        EXPECT_EQ(saved.savedPath, target);
        EXPECT_EQ(saved.backupError, 0);
        EXPECT_EQ(ReadBytes(target), PlanFileText(VariedPlan()));
        EXPECT_EQ(ReadBytes(folder.Path("plans/ours.bak")), before) << "beside the target";
        char pointsTo[64] = {};
        EXPECT_EQ(::readlink(link.c_str(), pointsTo, sizeof pointsTo - 1), 14);
        EXPECT_STREQ(pointsTo, "plans/ours.dta") << "the link stays";
        EXPECT_EQ(folder.Entries(),
                  (std::vector<std::string>{kPlanFileName, "plans", "second.dta"}));
        PlanData loaded;
        EXPECT_EQ(LoadPlan(loaded, path).status, LoadStatus::Complete);
        EXPECT_EQ(PlanDifference(VariedPlan(), loaded), "");
    }

    // A link to a file not there yet makes the file.
    ASSERT_EQ(::unlink(link.c_str()), 0);
    ASSERT_EQ(::symlink((folder.Path("plans") + "/new.dta").c_str(), link.c_str()), 0);
    ASSERT_FALSE(SavePlan(MarriedHousehold(), link));
    EXPECT_EQ(ReadBytes(folder.Path("plans/new.dta")), PlanFileText(MarriedHousehold()));
    struct stat info {};
    ASSERT_EQ(::lstat(link.c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
}

TEST(PlanFile, NewFileIsPrivateAndAReplacedFileKeepsItsPermissions) {
    ScratchFolder folder;
    const std::string path = folder.Path(kPlanFileName);
    const mode_t oldMask = ::umask(0);
    const auto saved = SavePlan(MarriedHousehold(), path);
    ::umask(oldMask);
    ASSERT_FALSE(saved);
    EXPECT_EQ(FileMode(path), 0600u);

    ASSERT_EQ(::chmod(path.c_str(), 0644), 0);
    ASSERT_FALSE(SavePlan(VariedPlan(), path));
    EXPECT_EQ(FileMode(path), 0644u);
    EXPECT_EQ(ReadBytes(path), PlanFileText(VariedPlan()));
}

} // namespace
} // namespace velmora

#include "FaultyFileSystem.h"
#include "PlanSamples.h"
#include "ScratchFolder.h"
#include "Unprivileged.h"
#include "plan/PlanFile.h"
#include "plan/PlanFileSession.h"
#include "plan/PlanWriter.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace velmora {
namespace {

using testing::FaultyFileSystem;
using testing::kNobody;
using testing::kNoGroup;
using testing::MarriedHousehold;
using testing::ReadBytes;
using testing::RunAsUnprivilegedUser;
using testing::ScratchFolder;
using testing::VariedPlan;
using testing::WriteBytes;

const std::string kOldPlan = "the plan already on disk\r\n";
const std::string kOldBackup = "an older backup\r\n";

std::string BaseName(const std::string& path) {
    return path.substr(path.find_last_of('/') + 1);
}

// The log with the scratch folder's name shown as "<folder>".
std::vector<std::string> WithFolderLabel(std::vector<std::string> log,
                                         const ScratchFolder& folder) {
    const std::string name = BaseName(folder.Path());
    for (std::string& call : log) {
        const std::size_t at = call.find(name);
        if (at != std::string::npos) {
            call.replace(at, name.size(), "<folder>");
        }
    }
    return log;
}

// The log of a save that nothing disturbs, in a folder laid out by `prepare`.
std::vector<std::string> CleanSaveLog(const std::function<void(ScratchFolder&)>& prepare,
                                      std::size_t writeLimit = 0) {
    ScratchFolder folder;
    prepare(folder);
    FaultyFileSystem files;
    files.LimitTransfer(writeLimit);
    EXPECT_FALSE(SavePlan(VariedPlan(), folder.Path(kPlanFileName), files));
    return WithFolderLabel(files.Log(), folder);
}

std::size_t IndexOf(const std::vector<std::string>& log, const std::string& call) {
    return static_cast<std::size_t>(std::find(log.begin(), log.end(), call) - log.begin());
}

void PrepareOldPlan(ScratchFolder& folder) {
    WriteBytes(folder.Path(kPlanFileName), kOldPlan);
    ::chmod(folder.Path(kPlanFileName).c_str(), 0644);
    WriteBytes(folder.Path(kPlanBackupName), kOldBackup);
}

TEST(PlanSaveFaults, StepsComeInASafeOrder) {
    const std::vector<std::string> log = CleanSaveLog(PrepareOldPlan);
    std::size_t lastWrite = 0;
    for (std::size_t i = 0; i < log.size(); ++i) {
        lastWrite = log[i] == "write <temp>" ? i : lastWrite;
    }
    const std::size_t fsyncTemp = IndexOf(log, "fsync <temp>");
    const std::size_t closeTemp = IndexOf(log, "close <temp>");
    const std::size_t link = IndexOf(log, "link UserData.dta <temp>");
    const std::size_t backup = IndexOf(log, "rename <temp> UserData.bak");
    const std::size_t rename = IndexOf(log, "rename <temp> UserData.dta");
    ASSERT_LT(rename, log.size()) << ::testing::PrintToString(log);
    EXPECT_LT(IndexOf(log, "create <temp>"), lastWrite);
    EXPECT_LT(lastWrite, fsyncTemp);
    EXPECT_LT(fsyncTemp, closeTemp);
    EXPECT_LT(closeTemp, link);
    EXPECT_EQ(backup, link + 1) << "the old backup is replaced in one step";
    EXPECT_EQ(rename, backup + 1);
    EXPECT_EQ(std::count_if(log.begin(), log.end(),
                            [](const std::string& call) { return call.starts_with("unlink"); }),
              0)
        << ::testing::PrintToString(log);
    // Then the folder is opened, synced and closed.
    ASSERT_EQ(log.size(), rename + 4) << ::testing::PrintToString(log);
    EXPECT_TRUE(log[rename + 1].starts_with("open <folder>")) << log[rename + 1];
    EXPECT_TRUE(log[rename + 2].starts_with("fsync <folder>")) << log[rename + 2];
    EXPECT_TRUE(log[rename + 3].starts_with("close <folder>")) << log[rename + 3];
}

// Fails every call of a save in turn and checks that the plan on disk is either
// the old one, with the error reported, or the complete new one. With a write
// limit the plan is written in many pieces, each of which fails once.
void FailEveryStep(const std::function<void(ScratchFolder&)>& prepare, bool oldPlanExists,
                   std::size_t writeLimit) {
    const std::vector<std::string> clean = CleanSaveLog(prepare, writeLimit);
    const std::string newPlan = PlanFileText(VariedPlan());
    ASSERT_GT(clean.size(), 8u);
    for (int n = 1; n <= static_cast<int>(clean.size()); ++n) {
        SCOPED_TRACE("failing call " + std::to_string(n) + ": " + clean[n - 1]);
        ScratchFolder folder;
        prepare(folder);
        // Steps whose failure must not fail the save: keeping the backup, the
        // permissions of the new file (it stays owner-only) and syncing the folder
        // after the rename, which cannot be undone.
        const std::set<std::string> tolerated = {"link UserData.dta <temp>",
                                                 "rename <temp> UserData.bak",
                                                 "fchmod <temp>",
                                                 "open <folder>",
                                                 "fsync <folder>",
                                                 "close <folder>"};

        FaultyFileSystem files;
        files.LimitTransfer(writeLimit);
        files.FailCall(n, EIO);
        const auto error = SavePlan(VariedPlan(), folder.Path(kPlanFileName), files);
        ASSERT_EQ(WithFolderLabel(files.Log(), folder)[n - 1], clean[n - 1])
            << "the save took another way";

        const std::vector<std::string> entries = folder.Entries();
        for (const std::string& name : entries) {
            EXPECT_TRUE(name == kPlanFileName || name == kPlanBackupName)
                << "left behind: " << name;
        }
        if (tolerated.contains(clean[n - 1])) {
            EXPECT_FALSE(error) << error->text;
        }
        if (error) {
            EXPECT_EQ(error->code, EIO);
            EXPECT_EQ(error->text, "I/O error 5");
            if (oldPlanExists) {
                EXPECT_EQ(ReadBytes(folder.Path(kPlanFileName)), kOldPlan);
            } else {
                EXPECT_EQ(std::count(entries.begin(), entries.end(), kPlanFileName), 0);
            }
        } else {
            EXPECT_EQ(ReadBytes(folder.Path(kPlanFileName)), newPlan);
        }
    }
}

TEST(PlanSaveFaults, FailureAtAnyStepKeepsTheOldPlan) {
    FailEveryStep(PrepareOldPlan, true, 0);
    FailEveryStep(PrepareOldPlan, true, 4096);
}

TEST(PlanSaveFaults, FailureAtAnyStepOfAFirstSaveLeavesNoFile) {
    FailEveryStep([](ScratchFolder&) {}, false, 0);
    FailEveryStep([](ScratchFolder&) {}, false, 4096);
}

// A save in another process that is killed just before its call number `call`.
void SaveKilledBefore(const std::string& path, int call) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        FaultyFileSystem files;
        files.BeforeCall([call](int number) {
            if (number == call) {
                ::_exit(0);
            }
        });
        SavePlan(VariedPlan(), path, files);
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
}

TEST(PlanSaveFaults, AKillAtAnyStepLeavesTheOldOrNewPlanAndABackup) {
    const std::vector<std::string> clean = CleanSaveLog(PrepareOldPlan);
    const std::string newPlan = PlanFileText(VariedPlan());
    for (int call = 1; call <= static_cast<int>(clean.size()) + 1; ++call) {
        SCOPED_TRACE(call <= static_cast<int>(clean.size())
                         ? "killed before call " + std::to_string(call) + ": " + clean[call - 1]
                         : "not killed");
        ScratchFolder folder;
        PrepareOldPlan(folder);
        const std::string path = folder.Path(kPlanFileName);
        SaveKilledBefore(path, call);

        const std::string plan = ReadBytes(path);
        EXPECT_TRUE(plan == kOldPlan || plan == newPlan) << plan;
        const std::string backup = ReadBytes(folder.Path(kPlanBackupName));
        EXPECT_TRUE(backup == kOldBackup || backup == kOldPlan) << "backup: " << backup;
        if (plan == newPlan) {
            EXPECT_EQ(backup, kOldPlan);
        }
        // What the save left behind goes at the next start.
        PlanFileSession(path).RemoveSaveLeftovers();
        EXPECT_EQ(folder.Entries(), (std::vector<std::string>{kPlanBackupName, kPlanFileName}));
    }
}

TEST(PlanSaveFaults, ErrorTextFollowsTheErrorNumber) {
    struct Case {
        int code;
        const char* text;
    };
    const Case cases[] = {
        {ENOENT, "File not found"},
        {ENOTDIR, "File not found"},
        {ENAMETOOLONG, "Invalid filename"},
        {EINVAL, "Invalid filename"},
        {EILSEQ, "Invalid filename"},
        {EMFILE, "Too many open files"},
        {ENFILE, "Too many open files"},
        {EACCES, "File access denied"},
        {EPERM, "File access denied"},
        {EROFS, "File access denied"},
        {ENOSPC, "Disk full"},
        {EDQUOT, "Disk full"},
        {EIO, "I/O error 5"},
        {EBUSY, "I/O error 16"},
        {EXDEV, "I/O error 18"},
    };
    const std::vector<std::string> clean = CleanSaveLog(PrepareOldPlan);
    const int createCall = static_cast<int>(IndexOf(clean, "create <temp>")) + 1;
    const int writeCall = static_cast<int>(IndexOf(clean, "write <temp>")) + 1;
    for (const Case& c : cases) {
        EXPECT_EQ(SaveErrorText(c.code), c.text) << c.code;
        for (const int call : {createCall, writeCall}) {
            ScratchFolder folder;
            PrepareOldPlan(folder);
            FaultyFileSystem files;
            files.FailCall(call, c.code);
            const auto error = SavePlan(MarriedHousehold(), folder.Path(kPlanFileName), files);
            ASSERT_TRUE(error) << c.code;
            EXPECT_EQ(error->code, c.code);
            EXPECT_EQ(error->text, c.text);
            EXPECT_EQ(ReadBytes(folder.Path(kPlanFileName)), kOldPlan);
        }
    }
}

TEST(PlanSaveFaults, ShortAndInterruptedWritesSaveTheWholePlan) {
    ScratchFolder folder;
    PrepareOldPlan(folder);
    FaultyFileSystem files;
    files.LimitTransfer(5);
    files.Interrupt();
    ASSERT_FALSE(SavePlan(VariedPlan(), folder.Path(kPlanFileName), files));
    EXPECT_EQ(ReadBytes(folder.Path(kPlanFileName)), PlanFileText(VariedPlan()));
    EXPECT_EQ(ReadBytes(folder.Path(kPlanBackupName)), kOldPlan);
    EXPECT_EQ(folder.Entries(), (std::vector<std::string>{kPlanBackupName, kPlanFileName}));
}

TEST(PlanSaveFaults, RealFailuresLeaveNothingBehind) {
    ScratchFolder folder;
    auto error = SavePlan(MarriedHousehold(), folder.Path("missing/UserData.dta"));
    ASSERT_TRUE(error);
    EXPECT_EQ(error->code, ENOENT);
    EXPECT_EQ(error->text, "File not found");

    error = SavePlan(MarriedHousehold(), folder.Path(std::string(300, 'x') + ".dta"));
    ASSERT_TRUE(error);
    EXPECT_EQ(error->text, "Invalid filename");

    ASSERT_EQ(::mkdir(folder.Path(kPlanFileName).c_str(), 0755), 0);
    error = SavePlan(MarriedHousehold(), folder.Path(kPlanFileName));
    ASSERT_TRUE(error) << "a folder in the plan file's place";
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{kPlanFileName});
}

TEST(PlanSaveFaults, ReadOnlyFolderOrFileIsReportedAndKept) {
    struct Case {
        const char* what;
        mode_t folderMode;
        bool userOwnsFolder;
        mode_t fileMode;
    };
    for (const Case& c :
         {Case{"read-only folder", 0555, false, 0644}, Case{"read-only file", 0755, true, 0444}}) {
        SCOPED_TRACE(c.what);
        ScratchFolder folder;
        const std::string path = folder.Path(kPlanFileName);
        WriteBytes(path, kOldPlan);
        ASSERT_EQ(::chmod(path.c_str(), c.fileMode), 0);
        if (::geteuid() == 0) {
            ASSERT_EQ(::chown(path.c_str(), kNobody, kNoGroup), 0);
            if (c.userOwnsFolder) {
                ASSERT_EQ(::chown(folder.Path().c_str(), kNobody, kNoGroup), 0);
            }
        }
        ASSERT_EQ(::chmod(folder.Path().c_str(), c.folderMode), 0);

        const int code = RunAsUnprivilegedUser([&] {
            const auto error = SavePlan(MarriedHousehold(), path);
            return error ? error->code : 0;
        });
        ::chmod(folder.Path().c_str(), 0755);
        if (code == -1) {
            GTEST_SKIP() << "cannot run as an unprivileged user here";
        }
        EXPECT_EQ(code, EACCES);
        EXPECT_EQ(SaveErrorText(EACCES), "File access denied");
        EXPECT_EQ(ReadBytes(path), kOldPlan);
        EXPECT_EQ(folder.Entries(), std::vector<std::string>{kPlanFileName});
    }
}

} // namespace
} // namespace velmora

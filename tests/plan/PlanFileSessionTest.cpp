// The plan file through a run of the program: a file that cannot be read completely is
// kept aside and never saved over; changes by other programs are noticed; leftovers of
// cut-short saves go; a backup that cannot be kept is told.

#include "plan/PlanFileSession.h"

#include "FaultyFileSystem.h"
#include "PlanSamples.h"
#include "ScratchFolder.h"
#include "Unprivileged.h"
#include "plan/PlanWriter.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace velmora {
namespace {

using testing::FaultyFileSystem;
using testing::MarriedHousehold;
using testing::ReadBytes;
using testing::ScratchFolder;
using testing::VariedPlan;
using testing::WriteBytes;

const std::string kKept = "\n\nThe file as Velmora found it is kept unchanged as UserData.damaged; "
                          "when you save, your plan is written to a new UserData.dta.";

// Line 1 a text, then 30 numbers: six bytes on every line.
const std::string kSixByteLines = [] {
    std::string text = "Yess\r\n";
    for (int i = 0; i < 30; ++i) {
        text += "1000\r\n";
    }
    return text;
}();

FileStatus Entry(const std::string& path) {
    PosixFileSystem files;
    FileStatus status;
    if (files.Lstat(path, status) != 0) {
        return {};
    }
    return status;
}

// The varied plan's text with line `line` (from 1) replaced.
std::string WithLine(int line, const std::string& text) {
    std::string plan = PlanFileText(VariedPlan());
    std::size_t start = 0;
    for (int before = 1; before < line; ++before) {
        start = plan.find("\r\n", start) + 2;
    }
    return plan.replace(start, plan.find("\r\n", start) - start, text);
}

std::string WithLine2(const std::string& word) {
    return WithLine(2, word);
}

// The varied plan's first `count` lines, then `rest`.
std::string FirstLines(int count, const std::string& rest = {}) {
    const std::string plan = PlanFileText(VariedPlan());
    std::size_t end = 0;
    for (int line = 0; line < count; ++line) {
        end = plan.find("\r\n", end) + 2;
    }
    return plan.substr(0, end) + rest;
}

struct DamagedCase {
    const char* what;
    std::function<void(const std::string& path)> make; // the file found at start-up
    std::function<void(FaultyFileSystem&)> fault;
    std::string message;
};

TEST(PlanFileSession, AFileNotFullyReadIsKeptAsideAndNeverSavedOver) {
    const DamagedCase cases[] = {
        {"no read permission", [](const std::string& path) { WriteBytes(path, kSixByteLines); },
         [](FaultyFileSystem& files) { files.FailCall(1, EACCES); },
         "Velmora could not open your plan file UserData.dta (File access denied). All values "
         "are the default values." +
             kKept},
        {"read error in line 1", [](const std::string& path) { WriteBytes(path, kSixByteLines); },
         [](FaultyFileSystem& files) {
             files.LimitTransfer(6); // a line per read: open, fstat, then line k at call 2 + k
             files.FailCall(3, EIO);
         },
         "Velmora could not read line 1 of your plan file UserData.dta (I/O error 5). The values "
         "from line 1 on are the default values." +
             kKept},
        {"read error in line 10", [](const std::string& path) { WriteBytes(path, kSixByteLines); },
         [](FaultyFileSystem& files) {
             files.LimitTransfer(6);
             files.FailCall(12, EIO);
         },
         "Velmora could not read line 10 of your plan file UserData.dta (I/O error 5). The "
         "values from line 10 on are the default values." +
             kKept +
             "\n\nLine 1 of your plan file UserData.dta, the marital status, should be \"Yes\" "
             "(married) or \"No\" (single) but holds \"Yess\". Velmora keeps it as it is, but "
             "the tax cannot be worked out until you choose Single or Married on the Data Input "
             "Screen."},
        {"a word in line 2", [](const std::string& path) { WriteBytes(path, WithLine2("sixty")); },
         [](FaultyFileSystem&) {},
         "Line 2 of your plan file UserData.dta should hold a whole number but holds \"sixty\". "
         "The values after that line are the default values." +
             kKept},
        {"a pipe", [](const std::string& path) { ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0); },
         [](FaultyFileSystem&) {},
         "Your plan file UserData.dta is not an ordinary file (it may be a folder, a device or a "
         "pipe), so Velmora did not read it. All values are the default values." +
             kKept},
        {"a link to /dev/zero",
         [](const std::string& path) { ASSERT_EQ(::symlink("/dev/zero", path.c_str()), 0); },
         [](FaultyFileSystem&) {},
         "Your plan file UserData.dta is not an ordinary file (it may be a folder, a device or a "
         "pipe), so Velmora did not read it. All values are the default values." +
             kKept},
        {"17 MB",
         [](const std::string& path) {
             WriteBytes(path, kSixByteLines);
             ASSERT_EQ(::truncate(path.c_str(), 17 * 1024 * 1024), 0);
         },
         [](FaultyFileSystem&) {},
         "Your plan file UserData.dta is larger than 16 MB, far too large for a plan file, so "
         "Velmora did not read it. All values are the default values." +
             kKept},
        {"cut after line 663", [](const std::string& path) { WriteBytes(path, FirstLines(663)); },
         [](FaultyFileSystem&) {},
         "Your plan file UserData.dta could not be read completely: the file ends at line 663 of "
         "1,376. The values after that line are 0 or empty." +
             kKept},
        {"cut inside line 664",
         [](const std::string& path) { WriteBytes(path, FirstLines(663, "-21")); },
         [](FaultyFileSystem&) {},
         "Your plan file UserData.dta could not be read completely: the file ends at line 664 of "
         "1,376. The values after that line are 0 or empty." +
             kKept},
        {"0 bytes", [](const std::string& path) { WriteBytes(path, ""); }, [](FaultyFileSystem&) {},
         "Your plan file UserData.dta could not be read completely: the file is empty. All values "
         "are 0 or empty." +
             kKept},
        {"a NUL in the value of IRA row 1",
         [](const std::string& path) {
             WriteBytes(path, WithLine(19, std::string("185\0"
                                                       "000",
                                                       7)));
         },
         [](FaultyFileSystem&) {},
         "Line 19 of your plan file UserData.dta should hold a whole number but holds "
         "\"185?000\". The values after that line are the default values." +
             kKept},
    };
    for (const DamagedCase& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchFolder folder;
        const std::string path = folder.Path(kPlanFileName);
        const std::string kept = folder.Path("UserData.damaged");
        c.make(path);
        const FileStatus found = Entry(path);
        const std::string bytes = S_ISREG(found.mode) ? ReadBytes(path) : ""; // a pipe would wait
        WriteBytes(folder.Path("UserData.bak"), "the last good plan");
        FaultyFileSystem files;
        c.fault(files);
        PlanFileSession session(path, &files);

        PlanData plan;
        const PlanLoadReport report = session.Load(plan);
        EXPECT_EQ(report.read.status, LoadStatus::NotFullyRead);
        EXPECT_EQ(report.message, c.message);
        EXPECT_EQ(report.keptPath, kept);
        EXPECT_EQ(Entry(path).inode, 0u) << "moved away";

        plan.AgeSelf = 71;
        ASSERT_FALSE(session.ChangedOnDisk());
        const PlanSaveReport first = session.Save(plan);
        ASSERT_FALSE(first.error) << first.error->text;
        EXPECT_EQ(ReadBytes(folder.Path("UserData.bak")), "the last good plan")
            << "the file found is no plan to keep as the backup";
        plan.AgeSelf = 72;
        const PlanSaveReport second = session.Save(plan);
        ASSERT_FALSE(second.error) << second.error->text;
        EXPECT_EQ(first.warning + second.warning, "");

        const FileStatus keptEntry = Entry(kept);
        EXPECT_EQ(keptEntry.inode, found.inode) << "the very file found";
        EXPECT_EQ(keptEntry.mode, found.mode);
        if (S_ISREG(found.mode)) {
            EXPECT_EQ(ReadBytes(kept), bytes);
        }
        EXPECT_EQ(ReadBytes(path), PlanFileText(plan));
        EXPECT_EQ(folder.Entries(),
                  (std::vector<std::string>{"UserData.bak", "UserData.damaged", "UserData.dta"}));
    }
}

TEST(PlanFileSession, AFileWithoutReadPermissionIsKeptAsideForReal) {
    ScratchFolder folder;
    const std::string path = folder.Path(kPlanFileName);
    WriteBytes(path, kSixByteLines);
    ASSERT_EQ(::chmod(path.c_str(), 0), 0);
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(folder.Path().c_str(), testing::kNobody, testing::kNoGroup), 0);
    }
    // 0 when the load is kept aside and two saves leave it alone, else the failed step.
    const int step = testing::RunAsUnprivilegedUser([&] {
        PlanFileSession session(path);
        PlanData plan;
        const PlanLoadReport report = session.Load(plan);
        if (report.read.problem != LoadProblem::CannotOpen || report.read.error != EACCES) {
            return 1;
        }
        if (report.keptPath != folder.Path("UserData.damaged")) {
            return 2;
        }
        return session.Save(plan).error || session.Save(plan).error ? 3 : 0;
    });
    if (step == -1) {
        GTEST_SKIP() << "cannot run as an unprivileged user here";
    }
    EXPECT_EQ(step, 0);
    ::chmod(folder.Path("UserData.damaged").c_str(), 0600);
    EXPECT_EQ(ReadBytes(folder.Path("UserData.damaged")), kSixByteLines);
    EXPECT_EQ(ReadBytes(path), PlanFileText(PlanData{}));
}

TEST(PlanFileSession, KeptFilesTakeTheNextFreeName) {
    ScratchFolder folder;
    const std::string path = folder.Path(kPlanFileName);
    WriteBytes(path, WithLine2("x"));
    WriteBytes(folder.Path("UserData.damaged"), "first");
    ASSERT_EQ(::symlink("nowhere", folder.Path("UserData.damaged.2").c_str()), 0);
    PlanFileSession session(path);
    PlanData plan;
    const PlanLoadReport report = session.Load(plan);
    EXPECT_EQ(report.keptPath, folder.Path("UserData.damaged.3"));
    EXPECT_TRUE(report.message.ends_with("kept unchanged as UserData.damaged.3; when you save, "
                                         "your plan is written to a new UserData.dta."))
        << report.message;
    EXPECT_EQ(ReadBytes(folder.Path("UserData.damaged")), "first");
    EXPECT_EQ(ReadBytes(folder.Path("UserData.damaged.3")), WithLine2("x"));
}

TEST(PlanFileSession, WhenTheFileCannotBeKeptAsideSavesAreRefusedUntilItIsGone) {
    ScratchFolder folder;
    const std::string path = folder.Path(kPlanFileName);
    const std::string damaged = WithLine2("sixty");
    WriteBytes(path, damaged);
    int renameCall = 0;
    {
        FaultyFileSystem probe;
        PlanFileSession session(path, &probe);
        PlanData plan;
        session.Load(plan);
        const auto& log = probe.Log();
        renameCall = static_cast<int>(
            std::find(log.begin(), log.end(), "rename UserData.dta UserData.damaged") -
            log.begin() + 1);
        ASSERT_LE(renameCall, static_cast<int>(log.size()));
        ASSERT_EQ(std::rename(folder.Path("UserData.damaged").c_str(), path.c_str()), 0);
    }
    FaultyFileSystem files;
    files.FailCall(renameCall, EACCES);
    PlanFileSession session(path, &files);
    PlanData plan;
    const PlanLoadReport report = session.Load(plan);
    EXPECT_EQ(report.keptPath, "");
    EXPECT_EQ(report.keepError, EACCES);
    EXPECT_EQ(report.message,
              "Line 2 of your plan file UserData.dta should hold a whole number but holds "
              "\"sixty\". The values after that line are the default values.\n\nVelmora could "
              "not keep the file aside as UserData.damaged (File access denied), so it will not "
              "save your plan over it. Please move or rename UserData.dta yourself, then save.");

    for (int attempt = 0; attempt < 2; ++attempt) {
        EXPECT_FALSE(session.ChangedOnDisk()) << "still the file that was found";
        const PlanSaveReport refused = session.Save(plan);
        ASSERT_TRUE(refused.error);
        EXPECT_EQ(refused.error->text,
                  "Your plan was not saved: UserData.dta could not be read completely and could "
                  "not be kept aside, so saving would replace it. Please move or rename "
                  "UserData.dta, then save again");
        EXPECT_EQ(ReadBytes(path), damaged);
        EXPECT_EQ(folder.Entries(), std::vector<std::string>{"UserData.dta"});
    }

    ASSERT_EQ(std::rename(path.c_str(), folder.Path("mine.dta").c_str()), 0);
    EXPECT_FALSE(session.Save(plan).error) << "dealt with: moved by the user";
    EXPECT_EQ(ReadBytes(folder.Path("mine.dta")), damaged);
    EXPECT_EQ(ReadBytes(path), PlanFileText(plan));
}

TEST(PlanFileSession, ChangesByAnotherProgramAreNoticed) {
    ScratchFolder folder;
    const std::string path = folder.Path(kPlanFileName);
    PlanFileSession session(path);
    PlanData plan = MarriedHousehold();
    EXPECT_EQ(session.Load(plan).read.status, LoadStatus::NoFile);
    EXPECT_FALSE(session.ChangedOnDisk());
    WriteBytes(path, "created meanwhile\r\n");
    EXPECT_TRUE(session.ChangedOnDisk()) << "created by another program";

    ASSERT_FALSE(session.Save(plan).error);
    EXPECT_FALSE(session.ChangedOnDisk()) << "our own save";
    WriteBytes(path, PlanFileText(VariedPlan()));
    EXPECT_TRUE(session.ChangedOnDisk()) << "rewritten in place";

    EXPECT_EQ(session.Load(plan).read.status, LoadStatus::Complete);
    EXPECT_FALSE(session.ChangedOnDisk()) << "just loaded";
    WriteBytes(folder.Path("other"), PlanFileText(VariedPlan()));
    ASSERT_EQ(std::rename(folder.Path("other").c_str(), path.c_str()), 0);
    EXPECT_TRUE(session.ChangedOnDisk()) << "replaced by a file of the same size";

    ASSERT_EQ(::unlink(path.c_str()), 0);
    EXPECT_FALSE(session.ChangedOnDisk()) << "removed: a save replaces nothing";
}

TEST(PlanFileSession, LeftoversOfCutShortSavesAreRemoved) {
    ScratchFolder folder;
    ASSERT_EQ(::mkdir(folder.Path("plans").c_str(), 0755), 0);
    ASSERT_EQ(::symlink("plans/mine.dta", folder.Path(kPlanFileName).c_str()), 0);
    for (const char* name :
         {"UserData.dta.tmpA1b2C3", "UserData.dta.tmp123456", "plans/mine.dta",
          "plans/mine.dta.tmpzzzzzz", "UserData.dta.tmp12345", "UserData.dta.tmp1234567",
          "Other.dta.tmp123456", "UserData.dta.old"}) {
        WriteBytes(folder.Path(name), "x");
    }
    ASSERT_EQ(::mkdir(folder.Path("UserData.dta.tmpFOLDER").c_str(), 0755), 0);
    FaultyFileSystem files;
    PlanFileSession session(folder.Path(kPlanFileName), &files);
    EXPECT_EQ(session.RemoveSaveLeftovers(), 3);
    EXPECT_EQ(folder.Entries(),
              (std::vector<std::string>{"Other.dta.tmp123456", "UserData.dta", "UserData.dta.old",
                                        "UserData.dta.tmp12345", "UserData.dta.tmp1234567",
                                        "UserData.dta.tmpFOLDER", "plans"}));
    EXPECT_EQ(ReadBytes(folder.Path("plans/mine.dta")), "x");
    EXPECT_EQ(ReadBytes(folder.Path("plans/mine.dta.tmpzzzzzz")), "");
}

TEST(PlanFileSession, ABackupThatCannotBeKeptIsTold) {
    ScratchFolder folder;
    const std::string path = folder.Path(kPlanFileName);
    PlanFileSession session(path);
    PlanData plan;
    session.Load(plan);
    const PlanSaveReport first = session.Save(plan);
    EXPECT_FALSE(first.error);
    EXPECT_EQ(first.warning, "") << "nothing to keep";

    ASSERT_EQ(::mkdir(folder.Path("UserData.bak").c_str(), 0755), 0);
    plan.AgeSelf = 75;
    const PlanSaveReport second = session.Save(plan);
    EXPECT_FALSE(second.error);
    EXPECT_EQ(second.warning,
              "Your plan has been saved in UserData.dta, but the previous plan could not be kept "
              "as UserData.bak (it is a folder). UserData.bak does not hold the plan as it was "
              "before this save.");
    EXPECT_EQ(ReadBytes(path), PlanFileText(plan));

    ASSERT_EQ(::rmdir(folder.Path("UserData.bak").c_str()), 0);
    WriteBytes(folder.Path("UserData.bak"), "older");
    FaultyFileSystem files;
    PlanFileSession denied(path, &files);
    denied.Load(plan);
    // The step that replaces the old backup, found in a save that nothing disturbs.
    {
        FaultyFileSystem probe;
        PlanFileSession clean(path, &probe);
        clean.Load(plan);
        const int loaded = probe.Calls();
        ASSERT_FALSE(clean.Save(plan).error);
        const auto& log = probe.Log();
        const int replace = static_cast<int>(
            std::find(log.begin(), log.end(), "rename <temp> UserData.bak") - log.begin() + 1);
        ASSERT_LE(replace, probe.Calls());
        files.FailCall(files.Calls() + replace - loaded, EACCES);
    }
    WriteBytes(folder.Path("UserData.bak"), "older");
    const PlanSaveReport third = denied.Save(plan);
    EXPECT_FALSE(third.error);
    EXPECT_EQ(third.warning,
              "Your plan has been saved in UserData.dta, but the previous plan could not be kept "
              "as UserData.bak (File access denied). UserData.bak does not hold the plan as it "
              "was before this save.");
    EXPECT_EQ(ReadBytes(folder.Path("UserData.bak")), "older");
    EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"UserData.bak", "UserData.dta"}))
        << "the backup's new name is gone";
}

TEST(PlanFileSession, APlanClaimedThroughLinksHasOneLockBesideThePlan) {
    ScratchFolder folder;
    for (const char* name : {"plans", "ann", "bob"}) {
        ASSERT_EQ(::mkdir(folder.Path(name).c_str(), 0755), 0);
    }
    WriteBytes(folder.Path("plans/UserData.dta"), PlanFileText(VariedPlan()));
    ASSERT_EQ(::symlink("../plans/UserData.dta", folder.Path("ann/UserData.dta").c_str()), 0);
    ASSERT_EQ(::symlink(folder.Path("plans/UserData.dta").c_str(),
                        folder.Path("bob/UserData.dta").c_str()),
              0);
    PlanFileSession ann(folder.Path("ann/UserData.dta"));
    const PlanClaimReport first = ann.Claim();
    EXPECT_FALSE(first.heldByOther);
    EXPECT_EQ(first.lockProblem, "");
    EXPECT_TRUE(
        ReadBytes(folder.Path("plans/UserData.lock")).starts_with(std::to_string(::getpid())));
    EXPECT_EQ(ReadBytes(folder.Path("ann/UserData.lock")), "") << "none beside the link";

    PlanFileSession bob(folder.Path("bob/UserData.dta"));
    const PlanClaimReport second = bob.Claim();
    EXPECT_TRUE(second.heldByOther);
    EXPECT_EQ(second.holder, ::getpid());
    PlanFileSession plans(folder.Path("plans/UserData.dta"));
    EXPECT_TRUE(plans.Claim().heldByOther) << "nor through the plan's own name";
}

// A plan linked to what is no file (a pipe, a device, a folder) gets its lock
// beside the link, never beside what it points to.
TEST(PlanFileSession, APlanLinkedToWhatIsNoFileIsLockedBesideTheLink) {
    ScratchFolder folder;
    for (const char* name : {"pipes", "ann"}) {
        ASSERT_EQ(::mkdir(folder.Path(name).c_str(), 0755), 0);
    }
    ASSERT_EQ(::mkfifo(folder.Path("pipes/UserData.dta").c_str(), 0600), 0);
    ASSERT_EQ(::symlink("../pipes/UserData.dta", folder.Path("ann/UserData.dta").c_str()), 0);
    PlanFileSession ann(folder.Path("ann/UserData.dta"));
    const PlanClaimReport claim = ann.Claim();
    EXPECT_FALSE(claim.heldByOther);
    EXPECT_EQ(claim.lockProblem, "");
    EXPECT_TRUE(
        ReadBytes(folder.Path("ann/UserData.lock")).starts_with(std::to_string(::getpid())));
    struct stat status {};
    EXPECT_NE(::lstat(folder.Path("pipes/UserData.lock").c_str(), &status), 0)
        << "nothing beside the pipe";
    PlanData plan;
    EXPECT_EQ(ann.Load(plan).read.problem, LoadProblem::NotAFile);
    EXPECT_EQ(::lstat(folder.Path("pipes/UserData.dta").c_str(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode)) << "the pipe is not written over";
}

TEST(PlanFileSession, ALockThatCannotBeMadeIsToldAndTheRunGoesOn) {
    struct Case {
        const char* failing; // the call of a claim that fails
        int error;
        std::string told;
    };
    const std::string after = "). Another copy of Velmora could change this plan at the same time.";
    const Case cases[] = {
        {"create <temp>", ENOSPC,
         "Velmora could not create its lock file UserData.lock (Disk full" + after},
        {"write <temp>", EIO,
         "Velmora could not create its lock file UserData.lock (I/O error 5" + after},
        {"fsync <temp>", EIO,
         "Velmora could not create its lock file UserData.lock (I/O error 5" + after},
        {"create <temp>", EROFS,
         "Velmora could not create its lock file UserData.lock (File access denied" + after},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.failing);
        ScratchFolder folder;
        const std::string path = folder.Path(kPlanFileName);
        WriteBytes(path, PlanFileText(VariedPlan()));
        WriteBytes(folder.Path("UserData.dta.tmpAb12Cd"), "a save of the run that has the plan");
        int call = 0;
        {
            FaultyFileSystem probe;
            PlanFileSession session(path, &probe);
            ASSERT_FALSE(session.Claim().heldByOther);
            const auto& log = probe.Log();
            call = static_cast<int>(std::find(log.begin(), log.end(), c.failing) - log.begin()) + 1;
            ASSERT_LE(call, static_cast<int>(log.size()));
        }
        WriteBytes(folder.Path("UserData.dta.tmpAb12Cd"), "a save of the run that has the plan");
        FaultyFileSystem files;
        files.FailCall(call, c.error);
        PlanFileSession session(path, &files);
        const PlanClaimReport claim = session.Claim();
        EXPECT_FALSE(claim.heldByOther) << "the run goes on";
        EXPECT_EQ(claim.lockProblem, c.told);
        EXPECT_EQ(folder.Entries(),
                  (std::vector<std::string>{"UserData.dta", "UserData.dta.tmpAb12Cd"}))
            << "no lock, and what may be another run's save is left alone";
        PlanData plan;
        EXPECT_EQ(session.Load(plan).read.status, LoadStatus::Complete);
        EXPECT_FALSE(session.Save(plan).error);
    }
}

TEST(PlanFileSession, AReadOnlyFolderGivesNoLockButThePlanIsRead) {
    ScratchFolder folder;
    const std::string path = folder.Path(kPlanFileName);
    WriteBytes(path, PlanFileText(VariedPlan()));
    ASSERT_EQ(::chmod(path.c_str(), 0644), 0);
    ASSERT_EQ(::chmod(folder.Path().c_str(), 0555), 0);
    // 0 when the claim tells the lock problem, the plan is read, and the save fails.
    const int step = testing::RunAsUnprivilegedUser([&] {
        PlanFileSession session(path);
        const PlanClaimReport claim = session.Claim();
        if (claim.heldByOther || claim.lockProblem !=
                                     "Velmora could not create its lock file UserData.lock (File "
                                     "access denied). Another copy of Velmora could change this "
                                     "plan at the same time.") {
            return 1;
        }
        PlanData plan;
        if (session.Load(plan).read.status != LoadStatus::Complete) {
            return 2;
        }
        const PlanSaveReport saved = session.Save(plan);
        return saved.error && saved.error->text == "File access denied" ? 0 : 3;
    });
    ::chmod(folder.Path().c_str(), 0755);
    if (step == -1) {
        GTEST_SKIP() << "cannot run as an unprivileged user here";
    }
    EXPECT_EQ(step, 0);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{kPlanFileName});
}

TEST(PlanFileSession, AClaimClearsLeftoversOnlyOnceTheLockIsTaken) {
    ScratchFolder folder;
    const std::string path = folder.Path(kPlanFileName);
    PlanFileSession first(path);
    ASSERT_FALSE(first.Claim().heldByOther);
    WriteBytes(folder.Path("UserData.dta.tmpAb12Cd"), "a save of the first run");
    PlanFileSession second(path);
    EXPECT_TRUE(second.Claim().heldByOther);
    EXPECT_EQ(ReadBytes(folder.Path("UserData.dta.tmpAb12Cd")), "a save of the first run");
}

} // namespace
} // namespace velmora

// The lock that keeps a second run of the program away from a plan: who holds it, when
// a lock file is stale, what a lock file holds, and what a failure at each step does.

#include "plan/PlanLock.h"

#include "FaultyFileSystem.h"
#include "ScratchFolder.h"
#include "plan/PlanFile.h"
#include "plan/ProcessIdentity.h"

#include <algorithm>
#include <csignal>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace velmora {
namespace {

using testing::FaultyFileSystem;
using testing::FileMode;
using testing::ReadBytes;
using testing::ScratchFolder;
using testing::WriteBytes;
using Result = LockClaim::Result;

// The id of a process that has ended and been waited for.
long long EndedProcess() {
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(0);
    }
    ::waitpid(child, nullptr, 0);
    return child;
}

std::string ThisProcessId() {
    return std::to_string(::getpid());
}

TEST(ProcessIdentity, TheTextOfALockFile) {
    EXPECT_EQ(ProcessText({12345, 678901}), "12345 678901\n");
    struct Case {
        const char* text;
        long long id;
        unsigned long long started;
    };
    const Case cases[] = {
        {"12345 678901\n", 12345, 678901},
        {"12345 678901", 12345, 678901},
        {"12345\n", 12345, 0},
        {"12345\nVelmora\nhost\n", 12345, 0}, // an older program's lock file
        {"12345 6789x\n", 12345, 0},
        {"", 0, 0},
        {"\n", 0, 0},
        {"-5 1\n", 0, 0},
        {"0 1\n", 0, 0},
        {"x12345 1\n", 0, 0},
        {"99999999999999999999999 1\n", 0, 0},
    };
    for (const Case& c : cases) {
        const ProcessIdentity process = ParseProcessText(c.text);
        EXPECT_EQ(process.id, c.id) << c.text;
        EXPECT_EQ(process.started, c.started) << c.text;
    }
}

TEST(ProcessIdentity, AProcessRunsUntilItHasEnded) {
    const ProcessIdentity self = ThisProcess();
    EXPECT_EQ(self.id, ::getpid());
    EXPECT_NE(self.started, 0u) << "known from the system";
    EXPECT_TRUE(IsRunning(self));
    EXPECT_TRUE(IsRunning({self.id, 0})) << "start unknown";
    EXPECT_FALSE(IsRunning({self.id, self.started + 1})) << "the id of another, older process";
    EXPECT_FALSE(IsRunning({0, 0}));
    EXPECT_FALSE(IsRunning({-1, 0}));
    EXPECT_FALSE(IsRunning({EndedProcess(), 0}));

    const pid_t zombie = ::fork();
    if (zombie == 0) {
        ::_exit(0);
    }
    // Ended but not yet waited for; whether it has ended already is only seen through
    // the system, so wait for that without waiting for the child itself.
    siginfo_t info{};
    ASSERT_EQ(::waitid(P_PID, static_cast<id_t>(zombie), &info, WEXITED | WNOWAIT), 0);
    EXPECT_FALSE(IsRunning({zombie, 0}));
    ::waitpid(zombie, nullptr, 0);
}

class PlanLockTest : public ::testing::Test {
protected:
    std::string LockPath() const { return folder.Path("UserData.lock"); }

    ScratchFolder folder;
    PosixFileSystem system;
};

TEST_F(PlanLockTest, OneHolderAtATimeNamedInTheLockFile) {
    PlanLock first(system, LockPath());
    ASSERT_EQ(first.Claim().result, Result::Taken);
    EXPECT_TRUE(first.Held());
    const std::string text = ReadBytes(LockPath());
    EXPECT_TRUE(text.starts_with(ThisProcessId() + " ")) << text;
    EXPECT_EQ(ParseProcessText(text).started, ThisProcess().started);
    EXPECT_EQ(FileMode(LockPath()), 0600u);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"UserData.lock"}) << "no temporary file";

    PlanLock second(system, LockPath());
    const LockClaim refused = second.Claim();
    EXPECT_EQ(refused.result, Result::HeldByOther);
    EXPECT_EQ(refused.holder, ::getpid());
    EXPECT_FALSE(second.Held());
    EXPECT_EQ(ReadBytes(LockPath()), text) << "untouched";

    first.Release();
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{}) << "released: the file goes";
    EXPECT_EQ(second.Claim().result, Result::Taken);
}

TEST_F(PlanLockTest, ALockFileThatNobodyHasLockedIsStale) {
    // Whatever it names: only the system's lock on it tells that its run still runs.
    const std::string stale[] = {
        std::to_string(EndedProcess()) + " 1\n",
        ThisProcessId() + " " + std::to_string(ThisProcess().started) + "\n",
        std::to_string(::getppid()) + "\nVelmora\nhost\n",
        "",
        "half wr",
    };
    for (const std::string& text : stale) {
        SCOPED_TRACE(text);
        WriteBytes(LockPath(), text);
        PlanLock lock(system, LockPath());
        EXPECT_EQ(lock.Claim().result, Result::Taken);
        EXPECT_TRUE(ReadBytes(LockPath()).starts_with(ThisProcessId() + " "));
    }
}

// A run of the program in another process: it claims the lock, says how that went
// through a pipe, and holds what it got until it is killed.
struct OtherRun {
    pid_t pid = -1;
    LockClaim claim;
};

OtherRun StartOtherRun(const std::string& lockPath) {
    int pipe[2];
    if (::pipe(pipe) != 0) {
        return {};
    }
    OtherRun run;
    run.pid = ::fork();
    if (run.pid == 0) {
        PosixFileSystem files;
        PlanLock lock(files, lockPath);
        const LockClaim claim = lock.Claim();
        if (::write(pipe[1], &claim, sizeof claim) != sizeof claim) {
            ::_exit(1);
        }
        for (;;) {
            ::pause();
        }
    }
    ::close(pipe[1]);
    if (::read(pipe[0], &run.claim, sizeof run.claim) != sizeof run.claim) {
        run.claim.result = Result::NotMade;
    }
    ::close(pipe[0]);
    return run;
}

void Kill(pid_t pid) {
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
}

TEST_F(PlanLockTest, ARunInAnotherProcessHoldsTheLockUntilItIsKilled) {
    const OtherRun other = StartOtherRun(LockPath());
    ASSERT_GT(other.pid, 0);
    ASSERT_EQ(other.claim.result, Result::Taken);

    PlanLock lock(system, LockPath());
    const LockClaim refused = lock.Claim();
    EXPECT_EQ(refused.result, Result::HeldByOther);
    EXPECT_EQ(refused.holder, other.pid);

    Kill(other.pid);
    EXPECT_TRUE(ReadBytes(LockPath()).starts_with(std::to_string(other.pid) + " "))
        << "left behind";
    EXPECT_EQ(lock.Claim().result, Result::Taken);
}

TEST_F(PlanLockTest, ClaimsOfRunsThatEndedLeaveNothingBehind) {
    const std::string ended = std::to_string(EndedProcess()) + " 1\n";
    WriteBytes(folder.Path("UserData.lock.tmpAb12Cd"), ended);
    WriteBytes(folder.Path("UserData.lock.tmpEf34Gh"), ThisProcessId() + " 1\n");
    WriteBytes(folder.Path("UserData.lock.tmpIj56Kl"), ""); // a claim writing it now
    WriteBytes(folder.Path("UserData.lock.tmp1234567"), ended);
    WriteBytes(folder.Path("Other.lock.tmpAb12Cd"), ended);
    PlanLock lock(system, LockPath());
    ASSERT_EQ(lock.Claim().result, Result::Taken);
    EXPECT_EQ(folder.Entries(),
              (std::vector<std::string>{"Other.lock.tmpAb12Cd", "UserData.lock",
                                        "UserData.lock.tmp1234567", "UserData.lock.tmpIj56Kl"}));
}

TEST_F(PlanLockTest, WithoutHardLinksTheLockFileIsMadeInPlace) {
    FaultyFileSystem files;
    files.FailEvery("link", EPERM);
    PlanLock first(files, LockPath());
    ASSERT_EQ(first.Claim().result, Result::Taken);
    EXPECT_TRUE(ReadBytes(LockPath()).starts_with(ThisProcessId() + " "));
    EXPECT_EQ(FileMode(LockPath()), 0600u);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"UserData.lock"});

    PlanLock second(files, LockPath());
    const LockClaim refused = second.Claim();
    EXPECT_EQ(refused.result, Result::HeldByOther);
    EXPECT_EQ(refused.holder, ::getpid());

    first.Release();
    WriteBytes(LockPath(), std::to_string(EndedProcess()) + " 1\n");
    EXPECT_EQ(second.Claim().result, Result::Taken) << "a stale one is taken over";
}

TEST_F(PlanLockTest, UnderAnyUmaskTheLockFileIsTheUsersAlone) {
    for (const mode_t mask : {0000, 0022, 0077, 0277}) {
        SCOPED_TRACE(mask);
        const mode_t previous = ::umask(mask);
        PlanLock lock(system, LockPath());
        const LockClaim claim = lock.Claim();
        ::umask(previous);
        EXPECT_EQ(claim.result, Result::Taken);
        EXPECT_EQ(FileMode(LockPath()), 0600u);
    }
}

// A failure at any call of a claim over a stale lock file is either told (NotMade,
// with its error) or does no harm (the lock is taken); it never leaves a lock file
// that keeps the next run away.
TEST_F(PlanLockTest, AFailureAtAnyStepIsToldAndLeavesNoLockBehind) {
    const std::string stale = std::to_string(EndedProcess()) + " 1\n";
    std::vector<std::string> clean;
    {
        WriteBytes(LockPath(), stale);
        FaultyFileSystem files;
        PlanLock lock(files, LockPath());
        ASSERT_EQ(lock.Claim().result, Result::Taken);
        clean = files.Log();
    }
    ASSERT_EQ(folder.Entries(), std::vector<std::string>{});
    // Failing these only keeps the file from being tightened to 0600 (it is made so),
    // the second name of the lock file from going, or the leftovers of other claims
    // from being looked for; a descriptor is closed even when its close fails.
    const std::vector<std::string> harmless = {"fchmod <temp>", "unlink <temp>", "list ", "close "};
    for (int call = 1; call <= static_cast<int>(clean.size()); ++call) {
        const std::string step = clean[static_cast<std::size_t>(call - 1)];
        SCOPED_TRACE("failing call " + std::to_string(call) + ": " + step);
        WriteBytes(LockPath(), stale);
        FaultyFileSystem files;
        files.FailCall(call, EIO);
        {
            PlanLock lock(files, LockPath());
            const LockClaim claim = lock.Claim();
            const bool tolerated =
                std::any_of(harmless.begin(), harmless.end(),
                            [&](const std::string& name) { return step.starts_with(name); });
            if (tolerated) {
                EXPECT_EQ(claim.result, Result::Taken);
            } else {
                EXPECT_EQ(claim.result, Result::NotMade);
                EXPECT_EQ(claim.error, EIO);
                EXPECT_FALSE(lock.Held());
            }
        }
        PlanLock next(system, LockPath());
        EXPECT_EQ(next.Claim().result, Result::Taken) << "nothing keeps the next run away";
        next.Release();
        for (const std::string& name : folder.Entries()) {
            ::unlink(folder.Path(name).c_str());
        }
    }
}

} // namespace
} // namespace velmora

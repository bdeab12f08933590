// Two runs of the program that claim one plan at the same time, over the stale lock
// file of a run that was killed: exactly one of them holds the plan, and the other
// names it. Each run is a process of its own, as the program's runs are.
//
// Run alone: velmora_plan_tests --gtest_filter='PlanLockRace*'

#include "FaultyFileSystem.h"
#include "ScratchFolder.h"
#include "plan/PlanFileSession.h"
#include "plan/PlanLock.h"
#include "plan/ProcessIdentity.h"

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace velmora {
namespace {

using testing::FaultyFileSystem;
using testing::ReadBytes;
using testing::ScratchFolder;
using testing::WriteBytes;
using Result = LockClaim::Result;

// More than enough rounds to have seen the two runs meet at every step before.
constexpr int kRounds = 250;

struct Pipe {
    Pipe() {
        if (::pipe(ends) != 0) {
            ends[0] = ends[1] = -1;
        }
    }
    ~Pipe() {
        ::close(ends[0]);
        ::close(ends[1]);
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;
    int Read() const { return ends[0]; }
    int Write() const { return ends[1]; }
    int ends[2];
};

// A run in a child process: it waits for a byte on `go` (unless it is -1), claims the
// lock through `files`, writes the claim to `report`, then holds what it got until it
// is killed.
pid_t StartRun(const std::function<FileSystem&()>& files, const std::string& lockPath, int waits,
               int go, int report) {
    const pid_t child = ::fork();
    if (child != 0) {
        return child;
    }
    char byte = 0;
    if (go >= 0 && ::read(go, &byte, 1) != 1) {
        ::_exit(1);
    }
    PlanLock lock(files(), lockPath, waits);
    const LockClaim claim = lock.Claim();
    if (::write(report, &claim, sizeof claim) != sizeof claim) {
        ::_exit(1);
    }
    for (;;) {
        ::pause();
    }
}

LockClaim Receive(int report) {
    LockClaim claim;
    claim.result = Result::NotMade;
    claim.error = -1;
    if (::read(report, &claim, sizeof claim) != sizeof claim) {
        claim.error = -1;
    }
    return claim;
}

void Kill(pid_t pid) {
    if (pid > 0) {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
    }
}

// The id of a process that has ended and been waited for.
long long EndedProcess() {
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(0);
    }
    ::waitpid(child, nullptr, 0);
    return child;
}

// Exactly one of the two holds the lock, and the other names it.
void ExpectOneOwner(pid_t a, const LockClaim& claimA, pid_t b, const LockClaim& claimB) {
    const int owners =
        (claimA.result == Result::Taken ? 1 : 0) + (claimB.result == Result::Taken ? 1 : 0);
    ASSERT_EQ(owners, 1) << "results " << static_cast<int>(claimA.result) << " and "
                         << static_cast<int>(claimB.result);
    const bool aOwns = claimA.result == Result::Taken;
    const LockClaim& other = aOwns ? claimB : claimA;
    EXPECT_EQ(other.result, Result::HeldByOther);
    EXPECT_EQ(other.holder, aOwns ? a : b) << "the running owner is named";
}

TEST(PlanLockRace, TwoRunsStartedTogetherOverAStaleLockHaveOneOwner) {
    ScratchFolder folder;
    const std::string lockPath = folder.Path("UserData.lock");
    PosixFileSystem system;
    const auto files = [&system]() -> FileSystem& { return system; };
    int firstWon = 0;
    for (int round = 0; round < kRounds; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        // The lock file of a killed run names a process that has ended, or (its id
        // given to another process since) one that runs: stale either way.
        const long long named = round % 2 == 0 ? EndedProcess() : ::getpid();
        WriteBytes(lockPath, std::to_string(named) + " 1\n");
        Pipe go;
        Pipe reportA;
        Pipe reportB;
        const pid_t a =
            StartRun(files, lockPath, PlanLock::kDefaultWaits, go.Read(), reportA.Write());
        const pid_t b =
            StartRun(files, lockPath, PlanLock::kDefaultWaits, go.Read(), reportB.Write());
        ASSERT_GT(a, 0);
        ASSERT_GT(b, 0);
        ASSERT_EQ(::write(go.Write(), "ab", 2), 2) << "both start at once";
        const LockClaim claimA = Receive(reportA.Read());
        const LockClaim claimB = Receive(reportB.Read());
        Kill(a);
        Kill(b);
        ExpectOneOwner(a, claimA, b, claimB);
        if (HasFatalFailure() || HasNonfatalFailure()) {
            return;
        }
        firstWon += claimA.result == Result::Taken ? 1 : 0;
    }
    std::printf("first started won %d of %d rounds\n", firstWon, kRounds);
}

// A run in a child process that claims the plan at `planPath` as the program does,
// once `go` gives a byte; it writes the claim as a LockClaim to `report`, then holds
// what it got until it is killed.
pid_t StartPlanRun(const std::string& planPath, int go, int report) {
    const pid_t child = ::fork();
    if (child != 0) {
        return child;
    }
    char byte = 0;
    if (::read(go, &byte, 1) != 1) {
        ::_exit(1);
    }
    PlanFileSession session(planPath);
    const PlanClaimReport claimed = session.Claim();
    LockClaim claim;
    claim.result = claimed.heldByOther           ? Result::HeldByOther
                   : claimed.lockProblem.empty() ? Result::Taken
                                                 : Result::NotMade;
    claim.holder = claimed.holder;
    if (::write(report, &claim, sizeof claim) != sizeof claim) {
        ::_exit(1);
    }
    for (;;) {
        ::pause();
    }
}

TEST(PlanLockRace, TwoRunsInTwoFoldersLinkedToOnePlanHaveOneOwner) {
    ScratchFolder folder;
    for (const char* name : {"plans", "ann", "bob"}) {
        ASSERT_EQ(::mkdir(folder.Path(name).c_str(), 0755), 0);
    }
    WriteBytes(folder.Path("plans/UserData.dta"), "Yes\r\n");
    for (const char* name : {"ann/UserData.dta", "bob/UserData.dta"}) {
        ASSERT_EQ(::symlink("../plans/UserData.dta", folder.Path(name).c_str()), 0);
    }
    for (int round = 0; round < kRounds / 5; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        Pipe go;
        Pipe reportA;
        Pipe reportB;
        const pid_t a = StartPlanRun(folder.Path("ann/UserData.dta"), go.Read(), reportA.Write());
        const pid_t b = StartPlanRun(folder.Path("bob/UserData.dta"), go.Read(), reportB.Write());
        ASSERT_GT(a, 0);
        ASSERT_GT(b, 0);
        ASSERT_EQ(::write(go.Write(), "ab", 2), 2);
        const LockClaim claimA = Receive(reportA.Read());
        const LockClaim claimB = Receive(reportB.Read());
        Kill(a);
        Kill(b);
        ExpectOneOwner(a, claimA, b, claimB);
        if (HasFatalFailure() || HasNonfatalFailure()) {
            return;
        }
    }
    EXPECT_EQ(ReadBytes(folder.Path("ann/UserData.lock")), "") << "the lock is the plan's";
}

// One run is held before each call of its claim in turn, while the other claims from
// start to end; then the first goes on. Among those moments: just after its lock file
// has been linked into place, and while it removes the stale lock file.
TEST(PlanLockRace, ARunHeldAtAnyStepOfItsClaimLeavesOneOwner) {
    ScratchFolder folder;
    const std::string lockPath = folder.Path("UserData.lock");
    const std::string stale = std::to_string(EndedProcess()) + " 1\n";
    std::vector<std::string> clean;
    {
        WriteBytes(lockPath, stale);
        FaultyFileSystem files;
        PlanLock lock(files, lockPath);
        ASSERT_EQ(lock.Claim().result, Result::Taken);
        clean = files.Log();
    }
    // The number of the call `name` after call `after`.
    const auto at = [&](const std::string& name, int after = 0) {
        return static_cast<int>(std::find(clean.begin() + after, clean.end(), name) -
                                clean.begin()) +
               1;
    };
    const int staleLocked = at("lock UserData.lock");
    const int staleClosed = at("close UserData.lock");
    // The first link meets the stale file; once that is gone, the second one succeeds.
    const int linked = at("link <temp> UserData.lock", at("link <temp> UserData.lock")) + 1;
    ASSERT_LT(staleLocked, staleClosed);
    ASSERT_LT(staleClosed, linked);
    ASSERT_LE(linked, static_cast<int>(clean.size()));

    PosixFileSystem system;
    int heldAfterLinking = 0;
    for (int call = 1; call <= static_cast<int>(clean.size()); ++call) {
        SCOPED_TRACE("held before call " + std::to_string(call) + ": " + clean[call - 1]);
        WriteBytes(lockPath, stale);
        Pipe held;
        Pipe resume;
        Pipe reportA;
        Pipe reportB;
        FaultyFileSystem faulty;
        faulty.BeforeCall([&](int number) {
            char byte = 0;
            if (number == call &&
                (::write(held.Write(), "h", 1) != 1 || ::read(resume.Read(), &byte, 1) != 1)) {
                ::_exit(1);
            }
        });
        const pid_t a = StartRun([&]() -> FileSystem& { return faulty; }, lockPath,
                                 PlanLock::kDefaultWaits, -1, reportA.Write());
        char byte = 0;
        ASSERT_EQ(::read(held.Read(), &byte, 1), 1);
        // The other run waits a little for a stale lock file that is being removed,
        // then counts the plan as held by a run it cannot name.
        const pid_t b =
            StartRun([&]() -> FileSystem& { return system; }, lockPath, 2, -1, reportB.Write());
        const LockClaim claimB = Receive(reportB.Read());
        ASSERT_EQ(::write(resume.Write(), "r", 1), 1);
        const LockClaim claimA = Receive(reportA.Read());
        Kill(a);
        Kill(b);
        // Held with the stale file locked, before it is removed.
        const bool removing = call > staleLocked && call < staleClosed;
        if (removing) {
            EXPECT_EQ(claimA.result, Result::Taken) << "the one removing the stale file";
            EXPECT_EQ(claimB.result, Result::HeldByOther);
            EXPECT_EQ(claimB.holder, 0);
        } else {
            ExpectOneOwner(a, claimA, b, claimB);
        }
        if (call == linked) {
            ++heldAfterLinking;
            EXPECT_EQ(claimA.result, Result::Taken) << "its lock file is in place and locked";
        }
        if (HasFatalFailure()) {
            return;
        }
    }
    EXPECT_EQ(heldAfterLinking, 1);
}

} // namespace
} // namespace velmora

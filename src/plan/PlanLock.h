#pragma once
// The lock that makes one run of the program the only user of a plan: a file beside
// the plan ("UserData.lock") that names the process holding it, and that this process
// keeps locked (flock) for as long as it holds it. The system drops that lock when the
// process ends, however it ends, so a lock file that nobody has locked is stale.
//
// A lock file is never seen half made: its text is written to a temporary file, which
// is locked first and then linked into place. A stale lock file is removed only by the
// run that has locked it and found it still in place, so two runs can never both
// remove it, nor remove the lock of a third run that has just put its own in place.

#include "plan/FileSystem.h"

#include <string>

namespace velmora {

struct LockClaim {
    enum class Result {
        Taken,       // this run holds the lock
        HeldByOther, // another run of the program holds it
        NotMade,     // the lock file could not be made or checked (`error`)
    };
    Result result = Result::NotMade;
    long long holder = 0; // HeldByOther: the process id of the run that holds it; 0 unknown
    int error = 0;        // NotMade: the system's error number
};

class PlanLock {
public:
    // How many times, 10 ms apart, a run waits for a stale lock file that another run
    // is removing, before it gives up and counts the plan as held.
    static constexpr int kDefaultWaits = 200;

    // The lock file at `path`, through `files`.
    PlanLock(FileSystem& files, std::string path, int waits = kDefaultWaits);
    ~PlanLock(); // releases the lock
    PlanLock(const PlanLock&) = delete;
    PlanLock& operator=(const PlanLock&) = delete;

    // Takes the lock, removing a stale one on the way; once it is taken, removes the
    // temporary files that claims of runs that have ended left behind.
    LockClaim Claim();
    bool Held() const { return fd_ >= 0; }
    // Removes the lock file, if it is still this run's, and unlocks it.
    void Release();
    const std::string& Path() const { return path_; }

private:
    enum class Found { Gone, Removed, Busy, Running, Failed };
    int MakeTemp(const std::string& text, std::string& temp, int& fd);
    int Place(const std::string& temp, int tempFd, const std::string& text, int& placedFd);
    int PlaceWithoutLink(const std::string& text, int& placedFd);
    Found Inspect(long long& holder, int& error);
    void RemoveLeftovers();

    FileSystem& files_;
    std::string path_;
    int waits_;
    bool hardLinks_ = true; // false once the file system has refused a hard link
    int fd_ = -1;           // the lock file, locked, while this run holds it
    FileStatus file_;       // which file that is
};

} // namespace velmora

#include "plan/PlanLock.h"

#include "plan/AtomicReplace.h"
#include "plan/PathNames.h"
#include "plan/ProcessIdentity.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>
#include <utility>
#include <vector>

namespace velmora {
namespace {

constexpr mode_t kLockMode = 0600;
// A lock file holds one short line; anything longer is not read to its end.
constexpr std::size_t kMaxLockText = 256;
// Far more turns than runs that start together ever take; a claim never runs on and on.
constexpr int kMaxTurns = 1000;
constexpr long kWaitNanoseconds = 10L * 1000 * 1000;

bool SameFile(const FileStatus& a, const FileStatus& b) {
    return a.device == b.device && a.inode == b.inode;
}

// The beginning of an open file, at most kMaxLockText bytes; returns 0 or the error number.
int ReadText(FileSystem& files, int fd, std::string& text) {
    text.clear();
    char buffer[kMaxLockText];
    while (text.size() < kMaxLockText) {
        const ssize_t got =
            RetryOnInterrupt([&] { return files.Read(fd, buffer, kMaxLockText - text.size()); });
        if (got < 0) {
            return static_cast<int>(-got);
        }
        if (got == 0) {
            break;
        }
        text.append(buffer, static_cast<std::size_t>(got));
    }
    return 0;
}

// The file system cannot make hard links (FAT, some network file systems).
bool RefusesHardLinks(int error) {
    return error == EPERM || error == EOPNOTSUPP || error == ENOSYS;
}

void WaitAMoment() {
    const timespec pause{0, kWaitNanoseconds};
    ::nanosleep(&pause, nullptr);
}

} // namespace

PlanLock::PlanLock(FileSystem& files, std::string path, int waits)
    : files_(files), path_(std::move(path)), waits_(waits) {}

PlanLock::~PlanLock() {
    Release();
}

LockClaim PlanLock::Claim() {
    Release();
    LockClaim claim;
    const std::string text = ProcessText(ThisProcess());
    std::string temp;
    int tempFd = -1;
    claim.error = MakeTemp(text, temp, tempFd);
    if (claim.error != 0) {
        return claim;
    }
    int waited = 0;
    bool decided = false;
    for (int turn = 0; turn < kMaxTurns && !decided; ++turn) {
        int placedFd = -1;
        const int placed = Place(temp, tempFd, text, placedFd);
        if (placed == 0) {
            // Taken, unless something other than a run of this program has put another
            // file in its place since.
            FileStatus mine;
            FileStatus there;
            int error = -files_.Fstat(placedFd, mine);
            if (error == 0) {
                error = -files_.Stat(path_, there);
            }
            if (error == 0 && SameFile(mine, there)) {
                fd_ = placedFd;
                file_ = mine;
                claim.result = LockClaim::Result::Taken;
                decided = true;
            } else if (error != 0) {
                claim.error = error; // left in place, it is stale once this run lets go
                decided = true;
            }
            if (fd_ != placedFd && placedFd != tempFd) {
                files_.Close(placedFd);
            }
            continue;
        }
        if (placed == EAGAIN) {
            continue;
        }
        if (placed != EEXIST) {
            claim.error = placed;
            break;
        }
        long long holder = 0;
        int error = 0;
        switch (Inspect(holder, error)) {
        case Found::Gone:
        case Found::Removed:
            break;
        case Found::Running:
            claim.result = LockClaim::Result::HeldByOther;
            claim.holder = holder;
            decided = true;
            break;
        case Found::Busy:
            if (waited < waits_) {
                ++waited;
                WaitAMoment();
                break;
            }
            claim.result = LockClaim::Result::HeldByOther; // by a run that cannot be named
            decided = true;
            break;
        case Found::Failed:
            claim.error = error;
            decided = true;
            break;
        }
    }
    if (!decided && claim.error == 0) {
        claim.result = LockClaim::Result::HeldByOther;
    }
    // Linked into place, the temporary file is a second name of the lock file.
    files_.Unlink(temp);
    if (tempFd != fd_) {
        files_.Close(tempFd);
    }
    if (claim.result == LockClaim::Result::Taken) {
        claim.error = 0;
        RemoveLeftovers();
    }
    return claim;
}

// A new temporary file beside the lock file, holding `text`, synced and locked.
int PlanLock::MakeTemp(const std::string& text, std::string& temp, int& fd) {
    fd = RetryOnInterrupt([&] {
        temp = path_ + std::string(kTempSuffix); // a failed attempt may change it
        return files_.CreateTemp(temp);
    });
    if (fd < 0) {
        const int error = -fd;
        fd = -1;
        return error;
    }
    files_.Fchmod(fd, kLockMode); // on failure it stays as made: owner read/write at most
    int error = WriteAll(files_, fd, text);
    if (error == 0) {
        error = -RetryOnInterrupt([&] { return files_.Fsync(fd); });
    }
    if (error == 0) {
        error = -files_.TryLock(fd);
    }
    if (error != 0) {
        files_.Close(fd);
        files_.Unlink(temp);
        fd = -1;
    }
    return error;
}

// Puts this run's lock file in place: the temporary file, linked under the lock's
// name. Returns 0 with `placedFd` the lock file's descriptor, EEXIST when a lock file
// is in place already, EAGAIN when another run got in the way, or the error.
int PlanLock::Place(const std::string& temp, int tempFd, const std::string& text, int& placedFd) {
    if (hardLinks_) {
        const int linked = -files_.Link(temp, path_);
        if (linked == 0) {
            placedFd = tempFd;
            return 0;
        }
        if (!RefusesHardLinks(linked)) {
            return linked;
        }
        hardLinks_ = false;
    }
    return PlaceWithoutLink(text, placedFd);
}

// Without hard links the lock file is made in place, then locked, then filled. A run
// that finds it before it is locked takes it for stale and removes it; the check after
// placing sees that, and this run tries again.
int PlanLock::PlaceWithoutLink(const std::string& text, int& placedFd) {
    const int fd = RetryOnInterrupt(
        [&] { return files_.Open(path_, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kLockMode); });
    if (fd < 0) {
        return -fd;
    }
    int error = -files_.TryLock(fd);
    if (error == EWOULDBLOCK) {
        files_.Close(fd); // the run that has it locked removes it
        return EAGAIN;
    }
    if (error == 0) {
        files_.Fchmod(fd, kLockMode);
        error = WriteAll(files_, fd, text);
    }
    if (error == 0) {
        error = -RetryOnInterrupt([&] { return files_.Fsync(fd); });
    }
    if (error != 0) {
        // Removed only while it is still the file made here.
        FileStatus mine;
        FileStatus there;
        if (files_.Fstat(fd, mine) == 0 && files_.Stat(path_, there) == 0 &&
            SameFile(mine, there)) {
            files_.Unlink(path_);
        }
        files_.Close(fd);
        return error;
    }
    placedFd = fd;
    return 0;
}

// Looks at the lock file in place: gone meanwhile; stale and now removed; locked by a
// run whose process is gone (one that is removing it, or filling it without links:
// busy); locked by a running process (`holder`); or it could not be looked at (`error`).
PlanLock::Found PlanLock::Inspect(long long& holder, int& error) {
    const int fd =
        RetryOnInterrupt([&] { return files_.Open(path_, O_RDONLY | O_CLOEXEC | O_NONBLOCK, 0); });
    if (fd == -ENOENT) {
        return Found::Gone;
    }
    if (fd < 0) {
        error = -fd;
        return Found::Failed;
    }
    std::string text;
    FileStatus opened;
    error = ReadText(files_, fd, text);
    if (error == 0) {
        error = -files_.Fstat(fd, opened);
    }
    Found found = Found::Failed;
    if (error == 0) {
        const int locked = files_.TryLock(fd);
        if (locked == -EWOULDBLOCK) {
            const ProcessIdentity process = ParseProcessText(text);
            found = IsRunning(process) ? Found::Running : Found::Busy;
            holder = process.id;
        } else if (locked != 0) {
            error = -locked;
        } else {
            // Nobody had it locked: its run has ended. It is removed only while this
            // run has it locked and finds it still in place, so no other run can
            // remove it as well, and no new lock file can stand in its place yet.
            FileStatus there;
            const int stat = files_.Stat(path_, there);
            if (stat == -ENOENT || (stat == 0 && !SameFile(there, opened))) {
                found = Found::Gone;
            } else if (stat != 0) {
                error = -stat;
            } else {
                const int removed = files_.Unlink(path_);
                found = removed == 0 || removed == -ENOENT ? Found::Removed : Found::Failed;
                error = -removed;
            }
        }
    }
    files_.Close(fd);
    return found;
}

// Removes the temporary files of claims whose runs have ended: a claim in progress has
// written its running process into its file, or not yet written anything.
void PlanLock::RemoveLeftovers() {
    const std::string prefix = FileNameOf(path_) + ".tmp";
    const std::size_t length = FileNameOf(path_).size() + kTempSuffix.size();
    std::vector<std::string> names;
    if (files_.ListFolder(FolderOf(path_), names) != 0) {
        return;
    }
    for (const std::string& name : names) {
        if (name.size() != length || !name.starts_with(prefix)) {
            continue;
        }
        const std::string leftover = BesidePath(path_, name);
        const int fd = RetryOnInterrupt([&] {
            return files_.Open(leftover, O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0);
        });
        if (fd < 0) {
            continue;
        }
        std::string text;
        FileStatus status;
        const bool read = ReadText(files_, fd, text) == 0 && files_.Fstat(fd, status) == 0 &&
                          S_ISREG(status.mode);
        files_.Close(fd);
        const ProcessIdentity writer = ParseProcessText(text);
        if (read && writer.id != 0 && !IsRunning(writer)) {
            files_.Unlink(leftover);
        }
    }
}

void PlanLock::Release() {
    if (fd_ < 0) {
        return;
    }
    FileStatus there;
    if (files_.Stat(path_, there) == 0 && SameFile(there, file_)) {
        files_.Unlink(path_);
    }
    files_.Close(fd_);
    fd_ = -1;
}

} // namespace velmora

#include "app/ui/PlanStore.h"

#include <QLockFile>
#include <QString>

namespace velmora {

PlanFileStore::PlanFileStore(std::string path, FileSystem* files)
    : session_(std::move(path), files) {}

PlanFileStore::~PlanFileStore() = default; // the lock goes with the store

bool PlanFileStore::Claim(long long& holder) {
    lock_ = std::make_unique<QLockFile>(QString::fromLocal8Bit(LockPathFor(session_.Path())));
    // The lock is held for the whole run, so only a lock whose program has gone is
    // stale, never one that is merely old.
    lock_->setStaleLockTime(0);
    bool locked = lock_->tryLock(0);
    if (!locked && lock_->error() == QLockFile::LockFailedError) {
        qint64 pid = 0;
        // A lock file that cannot be read was left half written; it is removed only
        // when no running program holds it.
        if (lock_->getLockInfo(&pid, nullptr, nullptr) || !lock_->removeStaleLockFile() ||
            !(locked = lock_->tryLock(0))) {
            holder = pid;
            lock_.reset();
            return false;
        }
    }
    // A folder where no lock file can be made (read-only, say) does not keep the
    // program from running, but then another run might be saving right now.
    if (locked) {
        session_.RemoveSaveLeftovers();
    }
    return true;
}

} // namespace velmora

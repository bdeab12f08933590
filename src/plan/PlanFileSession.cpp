#include "plan/PlanFileSession.h"

#include "plan/AtomicReplace.h"
#include "plan/PathNames.h"
#include "plan/PlanFileMessages.h"

#include <sys/stat.h>
#include <utility>
#include <vector>

namespace velmora {
namespace {

// More kept files than anyone keeps: the names run out rather than the search running on.
constexpr int kMaxKeptFiles = 999;

bool SameFile(const FileStatus& a, const FileStatus& b) {
    return a.device == b.device && a.inode == b.inode;
}

bool SameContents(const FileStatus& a, const FileStatus& b) {
    return SameFile(a, b) && a.size == b.size && a.modified.tv_sec == b.modified.tv_sec &&
           a.modified.tv_nsec == b.modified.tv_nsec;
}

// Removes the leftover temporary files of replacing `path`; returns how many.
int RemoveTempFilesOf(FileSystem& files, const std::string& path) {
    const std::string prefix = FileNameOf(path) + ".tmp";
    const std::size_t length = FileNameOf(path).size() + kTempSuffix.size();
    std::vector<std::string> names;
    if (files.ListFolder(FolderOf(path), names) != 0) {
        return 0;
    }
    int removed = 0;
    for (const std::string& name : names) {
        if (name.size() != length || !name.starts_with(prefix)) {
            continue;
        }
        const std::string leftover = BesidePath(path, name);
        FileStatus status;
        if (files.Lstat(leftover, status) == 0 && S_ISREG(status.mode) &&
            files.Unlink(leftover) == 0) {
            ++removed;
        }
    }
    return removed;
}

} // namespace

PlanFileSession::PlanFileSession(std::string path, FileSystem* files)
    : path_(std::move(path)), files_(files != nullptr ? *files : system_) {}

std::string PlanFileSession::FileName() const {
    return FileNameOf(path_);
}

std::string PlanFileSession::Shown(const std::string& path) const {
    return FolderOf(path) == FolderOf(path_) ? FileNameOf(path) : path;
}

std::optional<FileStatus> PlanFileSession::Current() {
    FileStatus status;
    if (files_.Stat(path_, status) != 0) {
        return std::nullopt;
    }
    return status;
}

PlanClaimReport PlanFileSession::Claim() {
    PlanClaimReport report;
    lock_.reset();
    std::string target;
    const int resolved = ResolveLinks(files_, path_, target);
    // Beside the plan that a link points to, but only when that is a file: a
    // link to a device or a folder gets its lock beside the link.
    FileStatus linked;
    const bool besideTarget =
        resolved == 0 && (files_.Stat(target, linked) != 0 || S_ISREG(linked.mode));
    lock_.emplace(files_, LockPathFor(besideTarget ? target : path_));
    const LockClaim claim =
        resolved == 0 ? lock_->Claim() : LockClaim{LockClaim::Result::NotMade, 0, resolved};
    switch (claim.result) {
    case LockClaim::Result::Taken:
        RemoveSaveLeftovers();
        break;
    case LockClaim::Result::HeldByOther:
        report.heldByOther = true;
        report.holder = claim.holder;
        break;
    case LockClaim::Result::NotMade:
        report.lockProblem = LockNotMadeText(Shown(lock_->Path()), claim.error);
        break;
    }
    return report;
}

int PlanFileSession::RemoveSaveLeftovers() {
    int removed = RemoveTempFilesOf(files_, path_);
    std::string target;
    if (ResolveLinks(files_, path_, target) == 0 && target != path_) {
        removed += RemoveTempFilesOf(files_, target);
    }
    return removed;
}

PlanLoadReport PlanFileSession::Load(PlanData& plan) {
    PlanLoadReport report;
    report.read = LoadPlan(plan, path_, files_);
    known_.reset();
    refuseSaves_ = false;
    if (report.read.file.mode != 0) {
        known_ = report.read.file;
    }
    if (report.read.status == LoadStatus::NotFullyRead) {
        KeepAside(report);
        report.message = LoadProblemText(report.read, FileName()) + "\n\n";
        if (report.keptPath.empty()) {
            report.message +=
                NotKeptAsideText(FileName(), Shown(DamagedPathFor(path_, 1)), report.keepError);
        } else {
            report.message += KeptAsideText(FileName(), Shown(report.keptPath));
        }
    }
    // A marital status of neither kind is no damage: the file stays where it is.
    if (const std::string marital = MaritalStatusText(report.read, plan.Married, FileName());
        !marital.empty()) {
        report.message += report.message.empty() ? marital : "\n\n" + marital;
    }
    return report;
}

// Moves the file to the first free name, renaming it as it stands: a link is moved as
// the link, and no read permission is needed.
void PlanFileSession::KeepAside(PlanLoadReport& report) {
    int error = EEXIST;
    for (int number = 1; number <= kMaxKeptFiles; ++number) {
        const std::string candidate = DamagedPathFor(path_, number);
        FileStatus taken;
        const int found = files_.Lstat(candidate, taken);
        if (found == 0) {
            continue;
        }
        error = found == -ENOENT ? -files_.Rename(path_, candidate) : -found;
        if (error == 0) {
            report.keptPath = candidate;
            known_.reset(); // nothing at the plan file's place any more
            return;
        }
        break;
    }
    report.keepError = error;
    keepError_ = error;
    refuseSaves_ = true;
    if (!known_) {
        known_ = Current(); // the file that must not be replaced
    }
}

// Whether the file that could not be kept aside is still at the plan file's place.
bool PlanFileSession::StillInTheWay() {
    FileStatus now;
    const int found = files_.Stat(path_, now);
    if (found == -ENOENT) {
        return false; // moved or removed by the user
    }
    return found != 0 || !known_ || SameFile(*known_, now);
}

bool PlanFileSession::ChangedOnDisk() {
    const std::optional<FileStatus> now = Current();
    if (!now) {
        return false; // nothing there that a save could replace
    }
    return !known_ || !SameContents(*known_, *now);
}

PlanSaveReport PlanFileSession::Save(const PlanData& plan) {
    PlanSaveReport report;
    if (refuseSaves_) {
        if (StillInTheWay()) {
            report.error = SaveError{keepError_, SaveRefusedText(FileName())};
            return report;
        }
        refuseSaves_ = false;
    }
    const SaveResult saved = SavePlanFile(plan, path_, files_);
    if (saved.error) {
        report.error = saved.error;
        return report;
    }
    known_ = Current();
    if (saved.backupError != 0) {
        report.warning =
            BackupNotKeptText(Shown(saved.savedPath), Shown(saved.backupPath), saved.backupError);
    }
    return report;
}

} // namespace velmora

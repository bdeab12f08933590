#pragma once
// The plan file through one run of the program: claimed by this run alone, loaded
// once, moved aside when it could not be read completely (so that no save can replace
// it), watched for changes by other programs, and saved.

#include "plan/FileSystem.h"
#include "plan/LoadResult.h"
#include "plan/PlanData.h"
#include "plan/PlanFile.h"
#include "plan/PlanLock.h"
#include "plan/PosixFileSystem.h"

#include <optional>
#include <string>

namespace velmora {

struct PlanLoadReport {
    LoadResult read;
    std::string keptPath; // where a file not fully read was moved; empty when it was not
    int keepError = 0;    // why it could not be moved there
    std::string message;  // what to tell the user (also a marital status that is neither
                          // "Yes" nor "No"); empty when there is nothing to say
};

struct PlanClaimReport {
    bool heldByOther = false; // another run of the program has the plan
    long long holder = 0;     // its process id; 0 when unknown
    std::string lockProblem;  // the lock could not be made: what to tell the user
};

struct PlanSaveReport {
    std::optional<SaveError> error; // nothing was saved
    std::string warning;            // saved, with something to tell the user
};

class PlanFileSession {
public:
    // The plan file at `path`, through the system's files or through `files`.
    explicit PlanFileSession(std::string path = kPlanFileName, FileSystem* files = nullptr);
    PlanFileSession(const PlanFileSession&) = delete;
    PlanFileSession& operator=(const PlanFileSession&) = delete;

    // The plan file's name as the user knows it.
    std::string FileName() const;
    const std::string& Path() const { return path_; }

    // Makes this run the only one of the program using the plan: takes the lock file
    // beside the plan file, or beside the file its link points to (LockPathFor), then
    // clears what interrupted saves left behind. Another run that has the plan is told
    // and nothing is touched. A lock that cannot be made (a read-only folder, a full
    // disk) does not keep this run from going on: what to say about it is returned.
    // The lock is held until the session ends or claims again.
    PlanClaimReport Claim();

    // Removes the temporary files that saves of this plan left behind when they were
    // cut short, beside the plan file and beside the file its link points to. Only for
    // when no other program can be saving this plan. Returns how many were removed.
    int RemoveSaveLeftovers();

    // Fills the plan from the file. A file that was not fully read is moved to the
    // first free DamagedPathFor name before anything can write over it; when even that
    // fails, saves are refused while the file is still there.
    PlanLoadReport Load(PlanData& plan);

    // Whether the plan file is another than the one loaded or last saved: created,
    // replaced or rewritten by another program since.
    bool ChangedOnDisk();

    PlanSaveReport Save(const PlanData& plan);

private:
    void KeepAside(PlanLoadReport& report);
    bool StillInTheWay();
    std::optional<FileStatus> Current();
    // A name for messages: without its folder when it lies beside the plan file.
    std::string Shown(const std::string& path) const;

    std::string path_;
    PosixFileSystem system_;
    FileSystem& files_;
    std::optional<PlanLock> lock_;
    std::optional<FileStatus> known_; // the file as loaded or last saved; none when absent
    bool refuseSaves_ = false;        // a file not fully read is still in the way
    int keepError_ = 0;
};

} // namespace velmora

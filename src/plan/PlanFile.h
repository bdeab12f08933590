#pragma once
// The plan file: 1376 lines, one value per line, CR LF line ends.

#include "plan/LoadResult.h"
#include "plan/PlanData.h"

#include <optional>
#include <string>
#include <string_view>

namespace velmora {

class FileSystem;

inline constexpr const char* kPlanFileName = "UserData.dta";
inline constexpr const char* kPlanBackupName = "UserData.bak";

// Why a save failed: the system error number and the text to show
// ("File access denied", "Disk full", "I/O error 5", ...), without a full stop.
struct SaveError {
    int code = 0;
    std::string text;
};

// Fills the plan from the file and says how that went. A missing file leaves the plan
// as it is. Reading never waits: only a regular file is read, and at most
// kMaxPlanFileSize bytes of it.
LoadResult LoadPlan(PlanData& plan, const std::string& path = kPlanFileName);
LoadResult LoadPlan(PlanData& plan, const std::string& path, FileSystem& files);

// Fills the plan from the bytes of a plan file, exactly as LoadPlan reads the file.
LoadResult LoadPlanFromBytes(PlanData& plan, std::string_view bytes);

// How a save went.
struct SaveResult {
    std::optional<SaveError> error; // nothing was saved: the file on disk is unchanged
    int backupError = 0;            // saved, but the previous plan is not kept as the backup
    std::string savedPath;          // the file written: `path`, or where its link points
    std::string backupPath;         // beside savedPath
};

// Writes the whole plan; on failure the file already on disk is left unchanged.
// The file that a successful save replaces is kept as the backup (BackupPathFor).
// When `path` is a symbolic link, the file it points to is replaced (in that file's
// folder, with the backup beside it) and the link stays.
SaveResult SavePlanFile(const PlanData& plan, const std::string& path, FileSystem& files);
std::optional<SaveError> SavePlan(const PlanData& plan, const std::string& path = kPlanFileName);
std::optional<SaveError> SavePlan(const PlanData& plan, const std::string& path, FileSystem& files);

// Where a symbolic link at `path` finally points (`path` itself when it is no link);
// returns 0 or the error number.
int ResolveLinks(FileSystem& files, const std::string& path, std::string& target);

// Where a save keeps the previous plan: "UserData.dta" -> "UserData.bak"; a name
// without ".dta" gets ".bak" appended.
std::string BackupPathFor(const std::string& path);
// Beside the plan file in the same way: "UserData.lock" marks the plan as in use by a
// running program; "UserData.damaged", "UserData.damaged.2", ... keep plan files that
// could not be read completely (`number` 1, 2, ...).
std::string LockPathFor(const std::string& path);
std::string DamagedPathFor(const std::string& path, int number);

// The text shown for a failed save with system error number `code`.
std::string SaveErrorText(int code);

} // namespace velmora

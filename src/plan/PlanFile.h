#pragma once
// The plan file: 1376 lines, one value per line, CR LF line ends.

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

// Fills the plan from the file; a missing or unreadable file leaves it as it is.
void LoadPlan(PlanData& plan, const std::string& path = kPlanFileName);
void LoadPlan(PlanData& plan, const std::string& path, FileSystem& files);

// Fills the plan from the bytes of a plan file, exactly as LoadPlan reads the file.
void LoadPlanFromBytes(PlanData& plan, std::string_view bytes);

// Writes the whole plan; on failure the file already on disk is left unchanged.
// The file that a successful save replaces is kept as the backup (BackupPathFor).
std::optional<SaveError> SavePlan(const PlanData& plan, const std::string& path = kPlanFileName);
std::optional<SaveError> SavePlan(const PlanData& plan, const std::string& path, FileSystem& files);

// Where a save keeps the previous plan: "UserData.dta" -> "UserData.bak"; a name
// without ".dta" gets ".bak" appended.
std::string BackupPathFor(const std::string& path);

// The text shown for a failed save with system error number `code`.
std::string SaveErrorText(int code);

} // namespace velmora

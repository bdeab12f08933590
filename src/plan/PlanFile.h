#pragma once
// The plan file: 1376 lines, one value per line, CR LF line ends.

#include "plan/PlanData.h"

#include <optional>
#include <string>

namespace velmora {

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

// Writes the whole plan; on failure the file already on disk is left unchanged.
std::optional<SaveError> SavePlan(const PlanData& plan, const std::string& path = kPlanFileName);

} // namespace velmora

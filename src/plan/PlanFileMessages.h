#pragma once
// What the program tells the user about its plan file, beyond the texts of failed
// saves (SaveErrorText). `fileName` and the other names are shown as given.

#include "plan/LoadResult.h"

#include <string>

namespace velmora {

// For a load that was not full: what could not be read, where, and that the values
// from there on are the defaults. Empty for every other load.
std::string LoadProblemText(const LoadResult& result, const std::string& fileName);

// For a load that read line 1 (the marital status, `married` as read) when it holds
// neither "Yes" nor "No": what it holds and that the tax needs a choice. Empty for
// every other load.
std::string MaritalStatusText(const LoadResult& result, const std::string& married,
                              const std::string& fileName);

// After LoadProblemText, when the file has been moved to `keptName`.
std::string KeptAsideText(const std::string& fileName, const std::string& keptName);
// After LoadProblemText, when it could not be moved to `keptName`.
std::string NotKeptAsideText(const std::string& fileName, const std::string& keptName, int error);
// A save refused because the file that could not be read is still in the way.
std::string SaveRefusedText(const std::string& fileName);
// After a failed save (whose text the error box shows): the plan file on disk is as
// it was, since a save replaces it only once the new file is complete.
std::string NotSavedNote(const std::string& fileName);
// A save that went through, although the previous plan could not be kept as the backup.
std::string BackupNotKeptText(const std::string& fileName, const std::string& backupName,
                              int error);
// The question before saving over a file that another program has changed.
std::string ChangedOnDiskQuestion(const std::string& fileName);
// The lock file that keeps a second copy of the program away from the plan could not be
// made, for system error number `error`.
std::string LockNotMadeText(const std::string& lockName, int error);
// A second copy of the program started on the same plan; `processId` 0 when unknown.
std::string AlreadyOpenText(const std::string& fileName, long long processId);

} // namespace velmora

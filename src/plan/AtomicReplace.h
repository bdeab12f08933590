#pragma once
// Replacing a file's contents so that the file on disk is either the old one or the
// complete new one, never anything in between.

#include "plan/FileSystem.h"

#include <string>
#include <string_view>

namespace velmora {

// The temporary files of a replace (the new file, and the new name of the backup) are
// named after the file it replaces with this suffix, whose last six characters become
// unique ones.
inline constexpr std::string_view kTempSuffix = ".tmpXXXXXX";

// Writes all of `data` to the open file, however little each write takes; returns 0 or
// the error number.
int WriteAll(FileSystem& files, int fd, std::string_view data);

// Writes `contents` to a new temporary file beside `path`, syncs it, keeps the file
// being replaced as `backupPath` (best effort: a second name for it under a temporary
// name, renamed over the previous backup, so that a backup is there at every moment),
// renames the new file over `path` and syncs the folder. A new file is owner
// read/write only; a replaced file keeps its permissions. A file that the process may
// not write is not replaced. An empty `backupPath` keeps no backup.
// Returns 0, or the error number of the step that failed; then `path` is unchanged
// and no temporary file is left behind. After a successful replace, `backupError`
// (if given) receives 0, or the error number that kept the backup from being made.
int AtomicReplace(FileSystem& files, const std::string& path, std::string_view contents,
                  const std::string& backupPath, int* backupError = nullptr);

} // namespace velmora

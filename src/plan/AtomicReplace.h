#pragma once
// Replacing a file's contents so that the file on disk is either the old one or the
// complete new one, never anything in between.

#include "plan/FileSystem.h"

#include <string>
#include <string_view>

namespace velmora {

// Writes `contents` to a new temporary file beside `path`, syncs it, keeps the file
// being replaced as `backupPath` (best effort), renames the new file over `path` and
// syncs the folder. A new file is owner read/write only; a replaced file keeps its
// permissions. A file that the process may not write is not replaced. An empty
// `backupPath` keeps no backup.
// Returns 0, or the error number of the step that failed; then `path` is unchanged
// and no temporary file is left behind.
int AtomicReplace(FileSystem& files, const std::string& path, std::string_view contents,
                  const std::string& backupPath);

} // namespace velmora

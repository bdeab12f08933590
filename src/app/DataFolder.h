#pragma once
// Where a start from the desktop keeps the plan: the user's data folder
// "velmora" ($XDG_DATA_HOME/velmora, else ~/.local/share/velmora). The
// program's files there are the same as in any working folder: the plan
// file, its backup and the mark of an ended run.

#include <optional>
#include <string>

namespace velmora {

// The option that the desktop entry passes.
inline constexpr const char* kDataFolderOption = "--data-folder";

// The data folder from the values of XDG_DATA_HOME and HOME (either may be
// null); a data home that is empty or not an absolute path is not used. Empty
// when neither gives a folder.
std::string UserDataFolder(const char* xdgDataHome, const char* home);

// Creates `folder` and any missing folder above it (each readable by the user
// only, mode 0700, whatever the umask) and makes it the working folder. An
// existing data folder that others may use is tightened to the user alone
// (TightenFolder); the folders above it keep their modes. Returns what went
// wrong, or nothing.
std::optional<std::string> EnterDataFolder(const std::string& folder);

} // namespace velmora

#pragma once
// Files and folders of the program that only the user may read or write, whatever
// the umask: the data folder, the mark of an ended run and the settings file.

#include <string>
#include <string_view>

namespace velmora {

// Creates `folder` and every missing folder above it, each with mode 0700 (an existing
// folder keeps its mode). Returns 0, or the error number with `failed` the folder that
// could not be made.
int MakePrivateFolders(const std::string& folder, std::string& failed);

// Gives an existing folder of the user's that others may use mode 0700 (its owner's
// bits stay as they are: 0755 becomes 0700). Returns 0 or the error number.
int TightenFolder(const std::string& folder);

// Makes sure that the file at `path` exists with mode 0600, making it (empty) and its
// missing folders (0700) when needed, so that a program that rewrites it afterwards
// keeps that mode. Returns 0 or the error number.
int MakePrivateFile(const std::string& path);

// Writes the file at `path` whole, with mode 0600 also when it was there before.
// Returns 0 or the error number.
int WritePrivateFile(const std::string& path, std::string_view text);

} // namespace velmora

#pragma once
// The parts of a file's path.

#include <string>

namespace velmora {

// The folder of a path: "UserData.dta" -> ".", "/UserData.dta" -> "/", "a/b/c" -> "a/b".
std::string FolderOf(const std::string& path);
// The last part of a path: "/home/ann/UserData.dta" -> "UserData.dta".
std::string FileNameOf(const std::string& path);
// `name` in the folder of `path`: ("a/UserData.dta", "x") -> "a/x"; an absolute
// `name` stays as it is.
std::string BesidePath(const std::string& path, const std::string& name);

} // namespace velmora

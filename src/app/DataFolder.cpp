#include "app/DataFolder.h"

#include "plan/PrivateFiles.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace velmora {

namespace {

bool IsAbsolute(const char* path) {
    return path != nullptr && path[0] == '/';
}

std::string Failure(const std::string& what, const std::string& folder, int error) {
    return what + " " + folder + ": " + std::strerror(error);
}

} // namespace

std::string UserDataFolder(const char* xdgDataHome, const char* home) {
    if (IsAbsolute(xdgDataHome)) {
        return std::string(xdgDataHome) + "/velmora";
    }
    if (IsAbsolute(home)) {
        return std::string(home) + "/.local/share/velmora";
    }
    return {};
}

std::optional<std::string> EnterDataFolder(const std::string& folder) {
    if (folder.empty()) {
        return std::string("no data folder: neither XDG_DATA_HOME nor HOME names a folder");
    }
    std::string failed;
    if (const int error = MakePrivateFolders(folder, failed); error != 0) {
        return Failure("cannot create the data folder", failed, error);
    }
    TightenFolder(folder); // where that fails, the plan is kept all the same
    if (chdir(folder.c_str()) != 0) {
        return Failure("cannot open the data folder", folder, errno);
    }
    return std::nullopt;
}

} // namespace velmora

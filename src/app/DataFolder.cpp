#include "app/DataFolder.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
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
    // Every folder on the way, from the top down.
    for (std::size_t end = folder.find('/', 1);; end = folder.find('/', end + 1)) {
        const std::string part = folder.substr(0, end);
        if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) {
            return Failure("cannot create the data folder", part, errno);
        }
        if (end == std::string::npos) {
            break;
        }
    }
    if (chdir(folder.c_str()) != 0) {
        return Failure("cannot open the data folder", folder, errno);
    }
    return std::nullopt;
}

} // namespace velmora

#include "plan/PathNames.h"

namespace velmora {

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string FileNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string BesidePath(const std::string& path, const std::string& name) {
    const std::size_t slash = path.find_last_of('/');
    if (name.starts_with('/') || slash == std::string::npos) {
        return name;
    }
    return path.substr(0, slash + 1) + name;
}

} // namespace velmora

#include "plan/PrivateFiles.h"

#include "plan/AtomicReplace.h"
#include "plan/PosixFileSystem.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora {
namespace {

constexpr mode_t kFolderMode = 0700;
constexpr mode_t kFileMode = 0600;

// Opens the file at `path`, making it when it is missing, and gives it mode 0600;
// returns the descriptor or -errno.
int OpenPrivate(const std::string& path, int flags) {
    const int fd = ::open(path.c_str(), flags | O_CREAT | O_CLOEXEC, kFileMode);
    if (fd < 0) {
        return -errno;
    }
    if (::fchmod(fd, kFileMode) != 0) { // made under a umask, or there before
        const int error = errno;
        ::close(fd);
        return -error;
    }
    return fd;
}

int FolderOfFile(const std::string& path, std::string& folder) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos || slash == 0) {
        return ENOENT; // the working folder or the root: nothing to make
    }
    folder = path.substr(0, slash);
    return 0;
}

} // namespace

int MakePrivateFolders(const std::string& folder, std::string& failed) {
    // Every folder on the way, from the top down.
    for (std::size_t end = folder.find('/', 1);; end = folder.find('/', end + 1)) {
        const std::string part = folder.substr(0, end);
        if (::mkdir(part.c_str(), kFolderMode) == 0) {
            ::chmod(part.c_str(), kFolderMode); // the umask may have taken the owner's bits
        } else if (errno != EEXIST) {
            failed = part;
            return errno;
        }
        if (end == std::string::npos) {
            return 0;
        }
    }
}

int TightenFolder(const std::string& folder) {
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0) {
        return errno;
    }
    if (!S_ISDIR(info.st_mode) || info.st_uid != ::geteuid() || (info.st_mode & 077) == 0) {
        return 0; // not a folder of the user's that others may use
    }
    return ::chmod(folder.c_str(), info.st_mode & kFolderMode) == 0 ? 0 : errno;
}

int MakePrivateFile(const std::string& path) {
    std::string folder;
    std::string failed;
    if (FolderOfFile(path, folder) == 0) {
        if (const int error = MakePrivateFolders(folder, failed); error != 0) {
            return error;
        }
    }
    const int fd = OpenPrivate(path, O_WRONLY | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) {
        return -fd;
    }
    return ::close(fd) == 0 ? 0 : errno;
}

int WritePrivateFile(const std::string& path, std::string_view text) {
    const int fd = OpenPrivate(path, O_WRONLY | O_TRUNC);
    if (fd < 0) {
        return -fd;
    }
    PosixFileSystem files;
    int error = WriteAll(files, fd, text);
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    return error;
}

} // namespace velmora

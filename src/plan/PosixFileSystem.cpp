#include "plan/PosixFileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <stdlib.h>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora {
namespace {

template <typename Value> Value Checked(Value result) {
    return result < 0 ? static_cast<Value>(-errno) : result;
}

int Described(int result, const struct stat& info, FileStatus& status) {
    if (result == 0) {
        status.mode = info.st_mode;
        status.device = info.st_dev;
        status.inode = info.st_ino;
        status.size = info.st_size;
        status.modified = info.st_mtim;
    }
    return result;
}

} // namespace

int PosixFileSystem::Open(const std::string& path, int flags, mode_t mode) {
    return Checked(::open(path.c_str(), flags, mode));
}

int PosixFileSystem::CreateTemp(std::string& pathTemplate) {
    return Checked(::mkostemp(pathTemplate.data(), O_CLOEXEC));
}

ssize_t PosixFileSystem::Read(int fd, void* buffer, std::size_t size) {
    return Checked(::read(fd, buffer, size));
}

ssize_t PosixFileSystem::Write(int fd, const void* data, std::size_t size) {
    return Checked(::write(fd, data, size));
}

int PosixFileSystem::Fsync(int fd) {
    return Checked(::fsync(fd));
}

int PosixFileSystem::Fchmod(int fd, mode_t mode) {
    return Checked(::fchmod(fd, mode));
}

int PosixFileSystem::TryLock(int fd) {
    return Checked(::flock(fd, LOCK_EX | LOCK_NB));
}

int PosixFileSystem::Close(int fd) {
    return Checked(::close(fd));
}

int PosixFileSystem::Stat(const std::string& path, FileStatus& status) {
    struct stat info {};
    return Described(Checked(::stat(path.c_str(), &info)), info, status);
}

int PosixFileSystem::Lstat(const std::string& path, FileStatus& status) {
    struct stat info {};
    return Described(Checked(::lstat(path.c_str(), &info)), info, status);
}

int PosixFileSystem::Fstat(int fd, FileStatus& status) {
    struct stat info {};
    return Described(Checked(::fstat(fd, &info)), info, status);
}

int PosixFileSystem::ReadLink(const std::string& path, std::string& target) {
    std::string buffer(256, '\0');
    for (;;) {
        const ssize_t length = ::readlink(path.c_str(), buffer.data(), buffer.size());
        if (length < 0) {
            return -errno;
        }
        if (static_cast<std::size_t>(length) < buffer.size()) {
            buffer.resize(static_cast<std::size_t>(length));
            target = std::move(buffer);
            return 0;
        }
        buffer.resize(buffer.size() * 2); // the link may be longer than the buffer
    }
}

int PosixFileSystem::ListFolder(const std::string& folder, std::vector<std::string>& names) {
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) {
        return -errno;
    }
    names.clear();
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (name != "." && name != "..") {
            names.emplace_back(name);
        }
    }
    ::closedir(dir);
    return 0;
}

int PosixFileSystem::CheckWritable(const std::string& path) {
    return Checked(::access(path.c_str(), W_OK));
}

int PosixFileSystem::Rename(const std::string& from, const std::string& to) {
    return Checked(::rename(from.c_str(), to.c_str()));
}

int PosixFileSystem::Link(const std::string& existing, const std::string& newPath) {
    return Checked(::link(existing.c_str(), newPath.c_str()));
}

int PosixFileSystem::Unlink(const std::string& path) {
    return Checked(::unlink(path.c_str()));
}

} // namespace velmora

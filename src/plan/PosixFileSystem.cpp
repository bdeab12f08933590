#include "plan/PosixFileSystem.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora {
namespace {

template <typename Value> Value Checked(Value result) {
    return result < 0 ? static_cast<Value>(-errno) : result;
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

int PosixFileSystem::Close(int fd) {
    return Checked(::close(fd));
}

int PosixFileSystem::Stat(const std::string& path, mode_t& mode) {
    struct stat info {};
    const int result = Checked(::stat(path.c_str(), &info));
    if (result == 0) {
        mode = info.st_mode & 07777;
    }
    return result;
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

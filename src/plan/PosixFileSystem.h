#pragma once
// The file operations of the operating system.

#include "plan/FileSystem.h"

namespace velmora {

class PosixFileSystem final : public FileSystem {
public:
    int Open(const std::string& path, int flags, mode_t mode) override;
    int CreateTemp(std::string& pathTemplate) override;
    ssize_t Read(int fd, void* buffer, std::size_t size) override;
    ssize_t Write(int fd, const void* data, std::size_t size) override;
    int Fsync(int fd) override;
    int Fchmod(int fd, mode_t mode) override;
    int TryLock(int fd) override;
    int Close(int fd) override;
    int Stat(const std::string& path, FileStatus& status) override;
    int Lstat(const std::string& path, FileStatus& status) override;
    int Fstat(int fd, FileStatus& status) override;
    int ReadLink(const std::string& path, std::string& target) override;
    int ListFolder(const std::string& folder, std::vector<std::string>& names) override;
    int CheckWritable(const std::string& path) override;
    int Rename(const std::string& from, const std::string& to) override;
    int Link(const std::string& existing, const std::string& newPath) override;
    int Unlink(const std::string& path) override;
};

} // namespace velmora

#pragma once
// Files held in memory, for fuzzing loads and saves without touching the disk.
// Folders are not modelled: every name is a file, and opening with O_DIRECTORY
// gives a handle that can only be synced and closed.

#include "plan/FileSystem.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace velmora::fuzzing {

class MemoryFileSystem final : public FileSystem {
public:
    // Creates or replaces a file.
    void Put(const std::string& path, std::string bytes);
    // The content of a file, or nullptr when there is none.
    const std::string* Find(const std::string& path) const;
    // Each read returns at most `bytes` bytes.
    void LimitReads(std::size_t bytes) { readLimit_ = bytes; }

    int Open(const std::string& path, int flags, mode_t mode) override;
    int CreateTemp(std::string& pathTemplate) override;
    ssize_t Read(int fd, void* buffer, std::size_t size) override;
    ssize_t Write(int fd, const void* data, std::size_t size) override;
    int Fsync(int fd) override;
    int Fchmod(int fd, mode_t mode) override;
    int TryLock(int) override { return 0; } // one process: nothing else can hold a lock
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

private:
    static constexpr int kFirstFd = 3;
    struct File {
        std::string bytes;
        mode_t mode = 0600;
    };
    struct Handle {
        bool open = false;
        std::shared_ptr<File> file; // null for a folder
        std::size_t position = 0;
    };
    int NewHandle(std::shared_ptr<File> file);
    Handle* Find(int fd);

    std::map<std::string, std::shared_ptr<File>> files_; // shared by hard links
    std::vector<Handle> handles_;                        // descriptor kFirstFd + i, never reused
    unsigned nextTemp_ = 0;
    std::size_t readLimit_ = 0;
};

} // namespace velmora::fuzzing

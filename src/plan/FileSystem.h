#pragma once
// The few file operations that loading, saving and locking the plan need, behind an
// interface so that tests can make any one of them fail with any error.
// Every operation returns a negative error number (-errno) on failure.

#include <cerrno>
#include <cstddef>
#include <ctime>
#include <string>
#include <sys/types.h>
#include <vector>

namespace velmora {

// What stat() tells about a file.
struct FileStatus {
    mode_t mode = 0; // the file's type and permission bits, as st_mode
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
};

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // Opens a file or folder; returns the descriptor.
    virtual int Open(const std::string& path, int flags, mode_t mode) = 0;
    // Creates and opens a new file, owner read/write only, named after pathTemplate
    // whose last six characters ("XXXXXX") are replaced to make the name unique.
    virtual int CreateTemp(std::string& pathTemplate) = 0;
    virtual ssize_t Read(int fd, void* buffer, std::size_t size) = 0;
    virtual ssize_t Write(int fd, const void* data, std::size_t size) = 0;
    virtual int Fsync(int fd) = 0;
    virtual int Fchmod(int fd, mode_t mode) = 0;
    // Locks the open file for this descriptor alone, like flock(LOCK_EX | LOCK_NB):
    // -EWOULDBLOCK when another descriptor has it locked. The lock lasts until the
    // descriptor is closed or the process ends, however it ends.
    virtual int TryLock(int fd) = 0;
    virtual int Close(int fd) = 0;
    // Like stat(): a symbolic link is followed.
    virtual int Stat(const std::string& path, FileStatus& status) = 0;
    // Like lstat(): a symbolic link is described itself.
    virtual int Lstat(const std::string& path, FileStatus& status) = 0;
    virtual int Fstat(int fd, FileStatus& status) = 0;
    // Where a symbolic link points, like readlink(); -EINVAL when `path` is no link.
    virtual int ReadLink(const std::string& path, std::string& target) = 0;
    // The names in a folder, without "." and "..", in no particular order.
    virtual int ListFolder(const std::string& folder, std::vector<std::string>& names) = 0;
    // Whether the process may write the file, like access(path, W_OK).
    virtual int CheckWritable(const std::string& path) = 0;
    virtual int Rename(const std::string& from, const std::string& to) = 0;
    virtual int Link(const std::string& existing, const std::string& newPath) = 0;
    virtual int Unlink(const std::string& path) = 0;
};

// Repeats an operation that a signal interrupted.
template <typename Operation> auto RetryOnInterrupt(Operation operation) {
    for (;;) {
        const auto result = operation();
        if (result != -EINTR) {
            return result;
        }
    }
}

} // namespace velmora

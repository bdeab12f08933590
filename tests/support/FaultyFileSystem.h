#pragma once
// The real file operations with faults on demand: fail the n-th call with a chosen
// error, move only a few bytes per read or write, or interrupt calls by a signal.
// Every call is logged as "operation target", where the target is the file's name
// without its folder, and "<temp>" for the temporary file of a save.

#include "plan/PosixFileSystem.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace velmora::testing {

class FaultyFileSystem final : public FileSystem {
public:
    // Call number `number` (counting from 1) fails with `error` without doing anything.
    void FailCall(int number, int error) {
        failAt_ = number;
        failError_ = error;
    }
    // Every call of `operation` ("link", "lock", ... as logged) fails with `error`.
    void FailEvery(const std::string& operation, int error) { failEvery_[operation] = error; }
    // Each read or write moves at most `bytes` bytes.
    void LimitTransfer(std::size_t bytes) { limit_ = bytes; }
    // Every open, create, read, write and fsync first fails with EINTR once, and
    // every close reports EINTR after closing (as Linux does).
    void Interrupt() { interrupt_ = true; }
    // `hook` runs before every call, with its number (counting from 1): it may stop
    // the process there, or hold it while another one works.
    void BeforeCall(std::function<void(int number)> hook) { beforeCall_ = std::move(hook); }

    int Calls() const { return static_cast<int>(log_.size()); }
    const std::vector<std::string>& Log() const { return log_; }

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

private:
    // Logs the call; returns the error to fail it with, or 0.
    int Enter(const std::string& operation, const std::string& target);
    // Logs a retryable call; true when it is to be interrupted this time.
    bool Interrupted(const std::string& operation, const std::string& target);
    static std::string Label(const std::string& path);
    std::string LabelOf(int fd) const;

    PosixFileSystem real_;
    std::vector<std::string> log_;
    std::map<int, std::string> names_;
    std::function<void(int)> beforeCall_;
    std::map<std::string, int> failEvery_;
    int failAt_ = 0;
    int failError_ = 0;
    std::size_t limit_ = 0;
    bool interrupt_ = false;
    bool interruptedLast_ = false;
};

} // namespace velmora::testing

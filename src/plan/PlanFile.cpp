#include "plan/PlanFile.h"

#include "plan/AtomicReplace.h"
#include "plan/PathNames.h"
#include "plan/PlanReader.h"
#include "plan/PlanWriter.h"
#include "plan/PosixFileSystem.h"

#include <algorithm>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <utility>

namespace velmora {
namespace {

constexpr std::size_t kReadBlock = 64 * 1024;
constexpr std::size_t kMinReadBlock = 4 * 1024;
constexpr int kMaxLinks = 40; // as the system allows when it follows links itself
constexpr std::string_view kPlanExtension = ".dta";
constexpr const char* kBackupExtension = ".bak";
constexpr const char* kLockExtension = ".lock";
constexpr const char* kDamagedExtension = ".damaged";

class MemorySource final : public ByteSource {
public:
    explicit MemorySource(std::string_view bytes) : bytes_(bytes) {}
    std::string_view Next() override { return std::exchange(bytes_, {}); }
    bool Failed() const override { return false; }

private:
    std::string_view bytes_;
};

// The bytes of an open file; a file that grows beyond kMaxPlanFileSize while it is
// read fails with EFBIG.
class FileSource final : public ByteSource {
public:
    // Reads in blocks of the file's size as it was opened (and a byte to see its end),
    // from kMinReadBlock to kReadBlock: a plan file is read whole by the first read,
    // into a buffer not much larger than the file.
    FileSource(FileSystem& files, int fd, off_t size)
        : files_(files), fd_(fd),
          size_(static_cast<std::size_t>(std::clamp<off_t>(
              size + 1, static_cast<off_t>(kMinReadBlock), static_cast<off_t>(kReadBlock)))),
          buffer_(std::make_unique_for_overwrite<char[]>(size_)) {}

    std::string_view Next() override {
        const ssize_t got =
            RetryOnInterrupt([&] { return files_.Read(fd_, buffer_.get(), size_); });
        if (got <= 0) {
            error_ = static_cast<int>(-got);
            return {};
        }
        total_ += got;
        if (total_ > kMaxPlanFileSize) {
            error_ = EFBIG;
            return {};
        }
        return {buffer_.get(), static_cast<std::size_t>(got)};
    }
    bool Failed() const override { return error_ != 0; }
    int Error() const { return error_; }

private:
    FileSystem& files_;
    int fd_;
    std::size_t size_;
    std::unique_ptr<char[]> buffer_;
    off_t total_ = 0;
    int error_ = 0;
};

LoadResult NotRead(LoadProblem problem, int error = 0) {
    LoadResult result;
    result.status = LoadStatus::NotFullyRead;
    result.problem = problem;
    result.error = error;
    return result;
}

// The path without the plan file's extension.
std::string StemOf(const std::string& path) {
    return path.ends_with(kPlanExtension) ? path.substr(0, path.size() - kPlanExtension.size())
                                          : path;
}

} // namespace

LoadResult LoadPlan(PlanData& plan, const std::string& path, FileSystem& files) {
    // Without O_NONBLOCK, opening a pipe would wait for a writer.
    const int fd = RetryOnInterrupt(
        [&] { return files.Open(path, O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY, 0); });
    if (fd == -ENOENT) {
        return {}; // no plan yet: keep what the plan holds
    }
    if (fd < 0) {
        return NotRead(LoadProblem::CannotOpen, -fd);
    }
    FileStatus file;
    LoadResult result;
    if (const int described = files.Fstat(fd, file); described != 0) {
        result = NotRead(LoadProblem::CannotOpen, -described);
        file = {};
    } else if (!S_ISREG(file.mode)) {
        result = NotRead(LoadProblem::NotAFile);
    } else if (file.size > kMaxPlanFileSize) {
        result = NotRead(LoadProblem::FileTooLarge);
    } else {
        FileSource source(files, fd, file.size);
        result = ReadPlan(plan, source);
        if (result.problem == LoadProblem::ReadError) {
            result.error = source.Error();
            if (result.error == EFBIG) {
                result.problem = LoadProblem::FileTooLarge;
                result.error = 0;
            }
        }
    }
    result.file = file;
    files.Close(fd);
    return result;
}

LoadResult LoadPlan(PlanData& plan, const std::string& path) {
    PosixFileSystem files;
    return LoadPlan(plan, path, files);
}

LoadResult LoadPlanFromBytes(PlanData& plan, std::string_view bytes) {
    MemorySource source(bytes);
    return ReadPlan(plan, source);
}

int ResolveLinks(FileSystem& files, const std::string& path, std::string& target) {
    std::string current = path;
    for (int hop = 0; hop <= kMaxLinks; ++hop) {
        std::string next;
        const int read = files.ReadLink(current, next);
        if (read == -EINVAL || read == -ENOENT) { // no link, or nothing there yet
            target = std::move(current);
            return 0;
        }
        if (read != 0) {
            return -read;
        }
        current = BesidePath(current, next);
    }
    return ELOOP;
}

SaveResult SavePlanFile(const PlanData& plan, const std::string& path, FileSystem& files) {
    SaveResult result;
    if (const int error = ResolveLinks(files, path, result.savedPath); error != 0) {
        result.error = SaveError{error, SaveErrorText(error)};
        return result;
    }
    result.backupPath = BackupPathFor(result.savedPath);
    const int error = AtomicReplace(files, result.savedPath, PlanFileText(plan), result.backupPath,
                                    &result.backupError);
    if (error != 0) {
        result.error = SaveError{error, SaveErrorText(error)};
    }
    return result;
}

std::optional<SaveError> SavePlan(const PlanData& plan, const std::string& path,
                                  FileSystem& files) {
    return SavePlanFile(plan, path, files).error;
}

std::optional<SaveError> SavePlan(const PlanData& plan, const std::string& path) {
    PosixFileSystem files;
    return SavePlan(plan, path, files);
}

std::string BackupPathFor(const std::string& path) {
    return StemOf(path) + kBackupExtension;
}

std::string LockPathFor(const std::string& path) {
    return StemOf(path) + kLockExtension;
}

std::string DamagedPathFor(const std::string& path, int number) {
    std::string damaged = StemOf(path) + kDamagedExtension;
    if (number > 1) {
        damaged += "." + std::to_string(number);
    }
    return damaged;
}

} // namespace velmora

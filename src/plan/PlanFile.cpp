#include "plan/PlanFile.h"

#include "plan/AtomicReplace.h"
#include "plan/PlanReader.h"
#include "plan/PlanWriter.h"
#include "plan/PosixFileSystem.h"

#include <fcntl.h>
#include <utility>
#include <vector>

namespace velmora {
namespace {

constexpr std::size_t kReadBlock = 64 * 1024;
constexpr std::string_view kPlanExtension = ".dta";
constexpr const char* kBackupExtension = ".bak";

class MemorySource final : public ByteSource {
public:
    explicit MemorySource(std::string_view bytes) : bytes_(bytes) {}
    std::string_view Next() override { return std::exchange(bytes_, {}); }
    bool Failed() const override { return false; }

private:
    std::string_view bytes_;
};

class FileSource final : public ByteSource {
public:
    FileSource(FileSystem& files, int fd) : files_(files), fd_(fd), buffer_(kReadBlock) {}

    std::string_view Next() override {
        const ssize_t got =
            RetryOnInterrupt([&] { return files_.Read(fd_, buffer_.data(), buffer_.size()); });
        if (got <= 0) {
            failed_ = got < 0;
            return {};
        }
        return {buffer_.data(), static_cast<std::size_t>(got)};
    }
    bool Failed() const override { return failed_; }

private:
    FileSystem& files_;
    int fd_;
    std::vector<char> buffer_;
    bool failed_ = false;
};

} // namespace

void LoadPlan(PlanData& plan, const std::string& path, FileSystem& files) {
    const int fd = RetryOnInterrupt([&] { return files.Open(path, O_RDONLY | O_CLOEXEC, 0); });
    if (fd < 0) {
        return; // no plan yet: keep what the plan holds
    }
    FileSource source(files, fd);
    ReadPlan(plan, source);
    files.Close(fd);
}

void LoadPlan(PlanData& plan, const std::string& path) {
    PosixFileSystem files;
    LoadPlan(plan, path, files);
}

void LoadPlanFromBytes(PlanData& plan, std::string_view bytes) {
    MemorySource source(bytes);
    ReadPlan(plan, source);
}

std::optional<SaveError> SavePlan(const PlanData& plan, const std::string& path,
                                  FileSystem& files) {
    const int error = AtomicReplace(files, path, PlanFileText(plan), BackupPathFor(path));
    if (error == 0) {
        return std::nullopt;
    }
    return SaveError{error, SaveErrorText(error)};
}

std::optional<SaveError> SavePlan(const PlanData& plan, const std::string& path) {
    PosixFileSystem files;
    return SavePlan(plan, path, files);
}

std::string BackupPathFor(const std::string& path) {
    if (path.ends_with(kPlanExtension)) {
        return path.substr(0, path.size() - kPlanExtension.size()) + kBackupExtension;
    }
    return path + kBackupExtension;
}

} // namespace velmora

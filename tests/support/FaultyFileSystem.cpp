#include "FaultyFileSystem.h"

#include <algorithm>

namespace velmora::testing {

std::string FaultyFileSystem::Label(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    return name.find(".tmp") != std::string::npos ? "<temp>" : name;
}

std::string FaultyFileSystem::LabelOf(int fd) const {
    const auto found = names_.find(fd);
    return found == names_.end() ? "?" : found->second;
}

int FaultyFileSystem::Enter(const std::string& operation, const std::string& target) {
    log_.push_back(operation + " " + target);
    if (beforeCall_) {
        beforeCall_(Calls());
    }
    if (const auto every = failEvery_.find(operation); every != failEvery_.end()) {
        return every->second;
    }
    return Calls() == failAt_ ? failError_ : 0;
}

bool FaultyFileSystem::Interrupted(const std::string& operation, const std::string& target) {
    if (!interrupt_) {
        return false;
    }
    interruptedLast_ = !interruptedLast_;
    if (interruptedLast_) {
        log_.push_back(operation + " " + target + " (interrupted)");
    }
    return interruptedLast_;
}

int FaultyFileSystem::Open(const std::string& path, int flags, mode_t mode) {
    if (Interrupted("open", Label(path))) {
        return -EINTR;
    }
    if (const int error = Enter("open", Label(path))) {
        return -error;
    }
    const int fd = real_.Open(path, flags, mode);
    if (fd >= 0) {
        names_[fd] = Label(path);
    }
    return fd;
}

int FaultyFileSystem::CreateTemp(std::string& pathTemplate) {
    if (Interrupted("create", "<temp>")) {
        return -EINTR;
    }
    if (const int error = Enter("create", "<temp>")) {
        return -error;
    }
    const int fd = real_.CreateTemp(pathTemplate);
    if (fd >= 0) {
        names_[fd] = "<temp>";
    }
    return fd;
}

ssize_t FaultyFileSystem::Read(int fd, void* buffer, std::size_t size) {
    if (Interrupted("read", LabelOf(fd))) {
        return -EINTR;
    }
    if (const int error = Enter("read", LabelOf(fd))) {
        return -error;
    }
    return real_.Read(fd, buffer, limit_ == 0 ? size : std::min(size, limit_));
}

ssize_t FaultyFileSystem::Write(int fd, const void* data, std::size_t size) {
    if (Interrupted("write", LabelOf(fd))) {
        return -EINTR;
    }
    if (const int error = Enter("write", LabelOf(fd))) {
        return -error;
    }
    return real_.Write(fd, data, limit_ == 0 ? size : std::min(size, limit_));
}

int FaultyFileSystem::Fsync(int fd) {
    if (Interrupted("fsync", LabelOf(fd))) {
        return -EINTR;
    }
    if (const int error = Enter("fsync", LabelOf(fd))) {
        return -error;
    }
    return real_.Fsync(fd);
}

int FaultyFileSystem::Fchmod(int fd, mode_t mode) {
    if (const int error = Enter("fchmod", LabelOf(fd))) {
        return -error;
    }
    return real_.Fchmod(fd, mode);
}

int FaultyFileSystem::TryLock(int fd) {
    if (const int error = Enter("lock", LabelOf(fd))) {
        return -error;
    }
    return real_.TryLock(fd);
}

int FaultyFileSystem::Close(int fd) {
    const std::string label = LabelOf(fd);
    names_.erase(fd);
    if (const int error = Enter("close", label)) {
        real_.Close(fd); // Linux releases the descriptor even when close fails
        return -error;
    }
    const int result = real_.Close(fd);
    return interrupt_ && result == 0 ? -EINTR : result;
}

int FaultyFileSystem::Stat(const std::string& path, FileStatus& status) {
    if (const int error = Enter("stat", Label(path))) {
        return -error;
    }
    return real_.Stat(path, status);
}

int FaultyFileSystem::Lstat(const std::string& path, FileStatus& status) {
    if (const int error = Enter("lstat", Label(path))) {
        return -error;
    }
    return real_.Lstat(path, status);
}

int FaultyFileSystem::Fstat(int fd, FileStatus& status) {
    if (const int error = Enter("fstat", LabelOf(fd))) {
        return -error;
    }
    return real_.Fstat(fd, status);
}

int FaultyFileSystem::ReadLink(const std::string& path, std::string& target) {
    if (const int error = Enter("readlink", Label(path))) {
        return -error;
    }
    return real_.ReadLink(path, target);
}

int FaultyFileSystem::ListFolder(const std::string& folder, std::vector<std::string>& names) {
    if (const int error = Enter("list", Label(folder))) {
        return -error;
    }
    return real_.ListFolder(folder, names);
}

int FaultyFileSystem::CheckWritable(const std::string& path) {
    if (const int error = Enter("access", Label(path))) {
        return -error;
    }
    return real_.CheckWritable(path);
}

int FaultyFileSystem::Rename(const std::string& from, const std::string& to) {
    if (const int error = Enter("rename", Label(from) + " " + Label(to))) {
        return -error;
    }
    return real_.Rename(from, to);
}

int FaultyFileSystem::Link(const std::string& existing, const std::string& newPath) {
    if (const int error = Enter("link", Label(existing) + " " + Label(newPath))) {
        return -error;
    }
    return real_.Link(existing, newPath);
}

int FaultyFileSystem::Unlink(const std::string& path) {
    if (const int error = Enter("unlink", Label(path))) {
        return -error;
    }
    return real_.Unlink(path);
}

} // namespace velmora::testing

#include "MemoryFileSystem.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>

namespace velmora::fuzzing {

void MemoryFileSystem::Put(const std::string& path, std::string bytes) {
    files_[path] = std::make_shared<File>(File{std::move(bytes), 0644});
}

const std::string* MemoryFileSystem::Find(const std::string& path) const {
    const auto found = files_.find(path);
    return found == files_.end() ? nullptr : &found->second->bytes;
}

int MemoryFileSystem::NewHandle(std::shared_ptr<File> file) {
    handles_.push_back(Handle{true, std::move(file), 0});
    return kFirstFd + static_cast<int>(handles_.size() - 1);
}

MemoryFileSystem::Handle* MemoryFileSystem::Find(int fd) {
    if (fd < kFirstFd || static_cast<std::size_t>(fd - kFirstFd) >= handles_.size()) {
        return nullptr;
    }
    Handle& handle = handles_[static_cast<std::size_t>(fd - kFirstFd)];
    return handle.open ? &handle : nullptr;
}

int MemoryFileSystem::Open(const std::string& path, int flags, mode_t mode) {
    if ((flags & O_DIRECTORY) != 0) {
        return NewHandle(nullptr);
    }
    const auto found = files_.find(path);
    if (found != files_.end()) {
        if ((flags & O_CREAT) != 0 && (flags & O_EXCL) != 0) {
            return -EEXIST;
        }
        if ((flags & O_TRUNC) != 0) {
            found->second->bytes.clear();
        }
        return NewHandle(found->second);
    }
    if ((flags & O_CREAT) == 0) {
        return -ENOENT;
    }
    auto file = std::make_shared<File>(File{{}, mode});
    files_[path] = file;
    return NewHandle(file);
}

int MemoryFileSystem::CreateTemp(std::string& pathTemplate) {
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, "%06u", nextTemp_++ % 1000000u);
    pathTemplate.replace(pathTemplate.size() - 6, 6, suffix);
    return Open(pathTemplate, O_WRONLY | O_CREAT | O_EXCL, 0600);
}

ssize_t MemoryFileSystem::Read(int fd, void* buffer, std::size_t size) {
    Handle* handle = Find(fd);
    if (handle == nullptr || !handle->file) {
        return handle == nullptr ? -EBADF : -EISDIR;
    }
    const std::string& bytes = handle->file->bytes;
    std::size_t count = std::min(size, bytes.size() - std::min(handle->position, bytes.size()));
    if (readLimit_ != 0) {
        count = std::min(count, readLimit_);
    }
    std::memcpy(buffer, bytes.data() + handle->position, count);
    handle->position += count;
    return static_cast<ssize_t>(count);
}

ssize_t MemoryFileSystem::Write(int fd, const void* data, std::size_t size) {
    Handle* handle = Find(fd);
    if (handle == nullptr || !handle->file) {
        return -EBADF;
    }
    std::string& bytes = handle->file->bytes;
    bytes.resize(std::max(bytes.size(), handle->position + size));
    std::memcpy(bytes.data() + handle->position, data, size);
    handle->position += size;
    return static_cast<ssize_t>(size);
}

int MemoryFileSystem::Fsync(int fd) {
    return Find(fd) == nullptr ? -EBADF : 0;
}

int MemoryFileSystem::Fchmod(int fd, mode_t mode) {
    Handle* handle = Find(fd);
    if (handle == nullptr || !handle->file) {
        return -EBADF;
    }
    handle->file->mode = mode;
    return 0;
}

int MemoryFileSystem::Close(int fd) {
    Handle* handle = Find(fd);
    if (handle == nullptr) {
        return -EBADF;
    }
    *handle = Handle{};
    return 0;
}

int MemoryFileSystem::Stat(const std::string& path, FileStatus& status) {
    const auto found = files_.find(path);
    if (found == files_.end()) {
        return -ENOENT;
    }
    status = FileStatus{};
    status.mode = S_IFREG | found->second->mode;
    status.size = static_cast<off_t>(found->second->bytes.size());
    return 0;
}

int MemoryFileSystem::Lstat(const std::string& path, FileStatus& status) {
    return Stat(path, status); // there are no links
}

int MemoryFileSystem::Fstat(int fd, FileStatus& status) {
    Handle* handle = Find(fd);
    if (handle == nullptr) {
        return -EBADF;
    }
    status = FileStatus{};
    status.mode = handle->file ? S_IFREG | handle->file->mode : S_IFDIR | 0755;
    status.size = handle->file ? static_cast<off_t>(handle->file->bytes.size()) : 0;
    return 0;
}

int MemoryFileSystem::ReadLink(const std::string& path, std::string&) {
    return files_.contains(path) ? -EINVAL : -ENOENT;
}

int MemoryFileSystem::ListFolder(const std::string&, std::vector<std::string>& names) {
    names.clear();
    for (const auto& entry : files_) {
        names.push_back(entry.first);
    }
    return 0;
}

int MemoryFileSystem::CheckWritable(const std::string& path) {
    return files_.contains(path) ? 0 : -ENOENT;
}

int MemoryFileSystem::Rename(const std::string& from, const std::string& to) {
    const auto found = files_.find(from);
    if (found == files_.end()) {
        return -ENOENT;
    }
    auto file = found->second;
    files_.erase(found);
    files_[to] = std::move(file);
    return 0;
}

int MemoryFileSystem::Link(const std::string& existing, const std::string& newPath) {
    const auto found = files_.find(existing);
    if (found == files_.end()) {
        return -ENOENT;
    }
    if (files_.contains(newPath)) {
        return -EEXIST;
    }
    files_[newPath] = found->second;
    return 0;
}

int MemoryFileSystem::Unlink(const std::string& path) {
    return files_.erase(path) == 1 ? 0 : -ENOENT;
}

} // namespace velmora::fuzzing

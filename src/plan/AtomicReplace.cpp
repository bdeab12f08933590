#include "plan/AtomicReplace.h"

#include "plan/PathNames.h"

#include <chrono>
#include <cstdint>
#include <fcntl.h>
#include <random>
#include <unistd.h>
#include <vector>

namespace velmora {
namespace {

constexpr mode_t kNewFileMode = 0600;
constexpr std::size_t kCopyBlock = 64 * 1024;
constexpr std::size_t kUniqueLength = 6; // the "XXXXXX" of kTempSuffix
constexpr int kNameAttempts = 100;

// Closes a descriptor; a close that a signal interrupts has closed it all the same.
int CloseFile(FileSystem& files, int fd) {
    const int result = files.Close(fd);
    return result == -EINTR ? 0 : result;
}

// Copies `from` into the new file `to`; a partial copy is removed. Returns 0 or the
// error number.
int CopyFile(FileSystem& files, const std::string& from, const std::string& to, mode_t mode) {
    const int source = RetryOnInterrupt([&] { return files.Open(from, O_RDONLY | O_CLOEXEC, 0); });
    if (source < 0) {
        return -source;
    }
    const int target = RetryOnInterrupt(
        [&] { return files.Open(to, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode); });
    if (target < 0) {
        CloseFile(files, source);
        return -target;
    }
    std::vector<char> block(kCopyBlock);
    int error = 0;
    for (;;) {
        const ssize_t got =
            RetryOnInterrupt([&] { return files.Read(source, block.data(), block.size()); });
        if (got <= 0) {
            error = static_cast<int>(-got);
            break;
        }
        error = WriteAll(files, target, {block.data(), static_cast<std::size_t>(got)});
        if (error != 0) {
            break;
        }
    }
    if (error == 0) {
        error = -RetryOnInterrupt([&] { return files.Fsync(target); });
    }
    const int closed = CloseFile(files, target);
    CloseFile(files, source);
    if (error != 0 || closed != 0) {
        files.Unlink(to);
    }
    return error != 0 ? error : -closed;
}

// Letters for temporary names. A name only has to differ from the names already there
// (a taken one is refused and another drawn; a second name is given with link(), which
// never follows a link at the new name), so the system's random device, slow to open,
// is not needed: the clock, the process and an address make the start different each
// time.
std::minstd_rand TempNameLetters() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    int local = 0;
    std::seed_seq seed{static_cast<std::uint32_t>(now), static_cast<std::uint32_t>(now >> 32),
                       static_cast<std::uint32_t>(getpid()),
                       static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(&local))};
    return std::minstd_rand(seed);
}

// A name for a temporary file beside `path`, as CreateTemp would choose it.
std::string RandomTempName(const std::string& path, std::minstd_rand& random) {
    static constexpr std::string_view kLetters =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::uniform_int_distribution<std::size_t> pick(0, kLetters.size() - 1);
    std::string name = path + std::string(kTempSuffix);
    for (std::size_t i = name.size() - kUniqueLength; i < name.size(); ++i) {
        name[i] = kLetters[pick(random)];
    }
    return name;
}

// Keeps the file about to be replaced as the backup: gives it a second name (or, on
// file systems without hard links, copies it) under a new temporary name, then renames
// that over the previous backup, so that a backup is there at every moment. Failing to
// do so does not stop the save; returns 0 or the error number.
int KeepBackup(FileSystem& files, const std::string& path, const std::string& backupPath,
               mode_t mode) {
    std::minstd_rand random = TempNameLetters();
    std::string tempPath;
    int error = EEXIST;
    for (int attempt = 0; attempt < kNameAttempts && error == EEXIST; ++attempt) {
        tempPath = RandomTempName(path, random);
        error = -files.Link(path, tempPath);
        if (error != 0 && error != EEXIST) {
            error = CopyFile(files, path, tempPath, mode);
        }
    }
    if (error != 0) {
        return error;
    }
    error = -files.Rename(tempPath, backupPath);
    if (error != 0) {
        files.Unlink(tempPath);
    }
    return error;
}

// Makes the rename durable. The new file is in place already, so a failure here
// cannot be undone and is not reported.
void SyncFolder(FileSystem& files, const std::string& folder) {
    const int fd =
        RetryOnInterrupt([&] { return files.Open(folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0); });
    if (fd < 0) {
        return;
    }
    RetryOnInterrupt([&] { return files.Fsync(fd); });
    CloseFile(files, fd);
}

// Writes the whole temporary file and closes it; returns 0 or the error number.
int FillTemp(FileSystem& files, int fd, std::string_view contents, mode_t mode) {
    int error = WriteAll(files, fd, contents);
    if (error == 0) {
        files.Fchmod(fd, mode); // on failure the file stays owner read/write only
        error = -RetryOnInterrupt([&] { return files.Fsync(fd); });
    }
    const int closed = CloseFile(files, fd);
    return error != 0 ? error : -closed;
}

} // namespace

int WriteAll(FileSystem& files, int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t written =
            RetryOnInterrupt([&] { return files.Write(fd, data.data(), data.size()); });
        if (written < 0) {
            return static_cast<int>(-written);
        }
        if (written == 0) {
            return EIO; // no progress: never spin
        }
        data.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

int AtomicReplace(FileSystem& files, const std::string& path, std::string_view contents,
                  const std::string& backupPath, int* backupError) {
    FileStatus old;
    const int found = files.Stat(path, old);
    const bool exists = found == 0;
    if (!exists && found != -ENOENT) {
        return -found;
    }
    const mode_t mode = exists ? old.mode & 07777 : kNewFileMode;
    if (exists) {
        const int writable = files.CheckWritable(path);
        if (writable != 0) {
            return -writable;
        }
    }
    std::string tempPath;
    const int fd = RetryOnInterrupt([&] {
        tempPath = path + std::string(kTempSuffix); // a failed attempt may change it
        return files.CreateTemp(tempPath);
    });
    if (fd < 0) {
        return -fd;
    }
    int error = FillTemp(files, fd, contents, mode);
    int kept = 0;
    if (error == 0) {
        if (exists && !backupPath.empty()) {
            kept = KeepBackup(files, path, backupPath, mode);
        }
        error = -files.Rename(tempPath, path);
    }
    if (error != 0) {
        files.Unlink(tempPath);
        return error;
    }
    SyncFolder(files, FolderOf(path));
    if (backupError != nullptr) {
        *backupError = kept;
    }
    return 0;
}

} // namespace velmora

#include "platform/shred_file_io.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "platform/emulated/drive_walk.h"
#include "platform/emulated/installation.h"
#include "platform/registry_api.h"

namespace platform::shred_io {

namespace {

using emulated::WalkEnd;

bool IsLinkAt(const WalkEnd& entry) {
    struct stat info;
    return fstatat(entry.folder.Get(), entry.name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(info.st_mode);
}

OpenResult Refuse(int fd) {
    ::close(fd);
    return {};
}

}  // namespace

OpenResult OpenExclusive(const std::string& path, bool truncate) {
    if (emulated::WriteRefusal() != kErrorSuccess) return {};
    WalkEnd entry;
    if (emulated::WalkToEntry(path, entry) != kErrorSuccess) return {};
    // O_NOFOLLOW: a link is never written through. O_NONBLOCK: a FIFO
    // without a reader fails at once instead of hanging the open.
    const int fd =
        ::openat(entry.folder.Get(), entry.name.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_DSYNC);
    if (fd < 0) {
        if (errno == ELOOP && IsLinkAt(entry)) return {OpenStatus::kSymbolicLink, 0, 0};
        return {};
    }
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) return Refuse(fd);
    // A file bind-mounted in the entry's place belongs elsewhere.
    if (emulated::MountOf(fd) != entry.mount) return Refuse(fd);
    // Read-only on the emulated machine, whoever the host user is.
    if ((info.st_mode & S_IWUSR) == 0) return Refuse(fd);
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) return Refuse(fd);
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) return Refuse(fd);
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    if (truncate && ::ftruncate(fd, 0) != 0) return Refuse(fd);
    return {OpenStatus::kOpened, fd, static_cast<std::uint64_t>(info.st_size)};
}

bool Write(FileHandle file, const std::uint8_t* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(static_cast<int>(file), data, size);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

bool Flush(FileHandle file) { return ::fsync(static_cast<int>(file)) == 0; }

bool Rewind(FileHandle file) { return ::lseek(static_cast<int>(file), 0, SEEK_SET) == 0; }

void Close(FileHandle file) { ::close(static_cast<int>(file)); }

RenameStatus RenameNoReplace(const std::string& from, const std::string& to) {
    if (emulated::WriteRefusal() != kErrorSuccess) return RenameStatus::kFailed;
    WalkEnd source;
    // Resolved without regard to case, so an entry "A~" blocks "a~" as on Windows.
    WalkEnd target;
    if (emulated::WalkToEntry(from, source) != kErrorSuccess || emulated::WalkToEntry(to, target) != kErrorSuccess)
        return RenameStatus::kFailed;
    const int sourceFolder = source.folder.Get();
    const int targetFolder = target.folder.Get();
    const char* sourceName = source.name.c_str();
    const char* targetName = target.name.c_str();
    if (::renameat2(sourceFolder, sourceName, targetFolder, targetName, RENAME_NOREPLACE) == 0)
        return RenameStatus::kRenamed;
    if (errno == EEXIST) return RenameStatus::kTargetExists;
    if (errno != EINVAL && errno != ENOSYS) return RenameStatus::kFailed;
    // A file system without RENAME_NOREPLACE: a hard link cannot replace
    // an entry either.
    if (::linkat(sourceFolder, sourceName, targetFolder, targetName, 0) != 0)
        return errno == EEXIST ? RenameStatus::kTargetExists : RenameStatus::kFailed;
    if (::unlinkat(sourceFolder, sourceName, 0) != 0) {
        ::unlinkat(targetFolder, targetName, 0);
        return RenameStatus::kFailed;
    }
    return RenameStatus::kRenamed;
}

bool DeleteEntry(const std::string& path) {
    if (emulated::WriteRefusal() != kErrorSuccess) return false;
    WalkEnd entry;
    if (emulated::WalkToEntry(path, entry) != kErrorSuccess) return false;
    struct stat info;
    if (::fstatat(entry.folder.Get(), entry.name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0 || S_ISDIR(info.st_mode))
        return false;
    // A read-only file cannot be deleted, as on Windows.
    if (S_ISREG(info.st_mode) && (info.st_mode & S_IWUSR) == 0) return false;
    return ::unlinkat(entry.folder.Get(), entry.name.c_str(), 0) == 0;
}

}  // namespace platform::shred_io

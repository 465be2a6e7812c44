#include "platform/shred_file_io.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "platform/emulated/paths.h"

namespace platform::shred_io {

namespace {

std::string Host(const std::string& path) { return emulated::ToHostPath(path).string(); }

bool IsLink(const std::string& hostPath) {
    struct stat info;
    return lstat(hostPath.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

OpenResult Refuse(int fd) {
    ::close(fd);
    return {};
}

}  // namespace

OpenResult OpenExclusive(const std::string& path, bool truncate) {
    const std::string host = Host(path);
    // O_NOFOLLOW: a link is never written through. O_NONBLOCK: a FIFO
    // without a reader fails at once instead of hanging the open.
    const int fd = ::open(host.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_DSYNC);
    if (fd < 0) {
        if (errno == ELOOP && IsLink(host)) return {OpenStatus::kSymbolicLink, 0, 0};
        return {};
    }
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) return Refuse(fd);
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
    const std::string hostFrom = Host(from);
    // Resolved without regard to case, so an entry "A~" blocks "a~" as on Windows.
    const std::string hostTo = Host(to);
    if (::renameat2(AT_FDCWD, hostFrom.c_str(), AT_FDCWD, hostTo.c_str(), RENAME_NOREPLACE) == 0)
        return RenameStatus::kRenamed;
    if (errno == EEXIST) return RenameStatus::kTargetExists;
    if (errno != EINVAL && errno != ENOSYS) return RenameStatus::kFailed;
    // A file system without RENAME_NOREPLACE: a hard link cannot replace
    // an entry either.
    if (::link(hostFrom.c_str(), hostTo.c_str()) != 0)
        return errno == EEXIST ? RenameStatus::kTargetExists : RenameStatus::kFailed;
    if (::unlink(hostFrom.c_str()) != 0) {
        ::unlink(hostTo.c_str());
        return RenameStatus::kFailed;
    }
    return RenameStatus::kRenamed;
}

bool DeleteEntry(const std::string& path) {
    const std::string host = Host(path);
    struct stat info;
    if (::lstat(host.c_str(), &info) != 0 || S_ISDIR(info.st_mode)) return false;
    // A read-only file cannot be deleted, as on Windows.
    if (S_ISREG(info.st_mode) && (info.st_mode & S_IWUSR) == 0) return false;
    return ::unlink(host.c_str()) == 0;
}

}  // namespace platform::shred_io

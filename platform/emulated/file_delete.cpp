// Deleting on the emulated machine. The folder walk works on open folder
// descriptors and never follows a symbolic link (the emulated form of a
// junction): a link is unlinked, and a folder swapped for a link while the
// walk runs is refused by O_NOFOLLOW rather than entered. Nor does the walk
// enter another file system mounted inside the folder.
#include "platform/file_delete.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <vector>

#include "platform/emulated/paths.h"
#include "platform/file_listing.h"
#include "platform/registry_api.h"

namespace platform {

namespace {

long Win32Error(int error) {
    switch (error) {
        case ENOENT: return kErrorFileNotFound;
        case ENOTDIR: return kErrorPathNotFound;
        default: return kErrorAccessDenied;
    }
}

// Empties the open folder dirFd (on device device) and reports whether
// everything in it went.
bool EmptyFolder(int dirFd, dev_t device) {
    DIR* dir = fdopendir(dirFd);
    if (dir == nullptr) {
        close(dirFd);
        return false;
    }
    // Names first, deletions after: unlinking while reading may skip entries.
    std::vector<std::string> names;
    while (const dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") names.push_back(name);
    }
    bool all = true;
    for (const std::string& name : names) {
        struct stat info;
        if (fstatat(dirfd(dir), name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
            all = all && errno == ENOENT;
            continue;
        }
        if (!S_ISDIR(info.st_mode)) {
            if (unlinkat(dirfd(dir), name.c_str(), 0) != 0 && errno != ENOENT) all = false;
            continue;
        }
        if (info.st_dev != device) {
            all = false;  // a mount point: what is mounted there is not ours
            continue;
        }
        // The shell deletes read-only folders too; their contents need the
        // owner's write permission.
        if ((info.st_mode & S_IWUSR) == 0) fchmodat(dirfd(dir), name.c_str(), (info.st_mode & 07777) | S_IWUSR | S_IXUSR, 0);
        const int childFd = openat(dirfd(dir), name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (childFd < 0) {
            all = false;
            continue;
        }
        if (!EmptyFolder(childFd, device)) all = false;
        if (unlinkat(dirfd(dir), name.c_str(), AT_REMOVEDIR) != 0) all = false;
    }
    closedir(dir);
    return all;
}

}  // namespace

long RemoveFile(const std::string& path) {
    const std::string host = emulated::ToHostPath(path).string();
    struct stat info;
    if (lstat(host.c_str(), &info) != 0) return Win32Error(errno);
    if (S_ISDIR(info.st_mode)) return kErrorAccessDenied;
    // A link goes whatever its target; a read-only file is refused as on
    // Windows.
    if (!S_ISLNK(info.st_mode) && (info.st_mode & S_IWUSR) == 0) return kErrorAccessDenied;
    if (unlink(host.c_str()) != 0) return Win32Error(errno);
    return kErrorSuccess;
}

long ShellDeleteFolder(const std::string& path) {
    const std::string host = emulated::ToHostPath(path).string();
    struct stat info;
    if (lstat(host.c_str(), &info) != 0) return Win32Error(errno);
    if (!S_ISDIR(info.st_mode)) {
        // A file or a link: the shell deletes just that entry.
        return unlink(host.c_str()) == 0 ? kErrorSuccess : Win32Error(errno);
    }
    if ((info.st_mode & S_IWUSR) == 0) chmod(host.c_str(), (info.st_mode & 07777) | S_IWUSR | S_IXUSR);
    const int dirFd = open(host.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (dirFd < 0) return Win32Error(errno);
    const bool emptied = EmptyFolder(dirFd, info.st_dev);
    if (rmdir(host.c_str()) != 0) return Win32Error(errno);
    return emptied ? kErrorSuccess : kErrorAccessDenied;
}

}  // namespace platform

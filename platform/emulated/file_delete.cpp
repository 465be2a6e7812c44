// Deleting on the emulated machine. Every deletion reaches its entry
// through the walk of drive_walk.h and deletes through the folder
// descriptor the walk ends with. The folder walk below works on open
// folder descriptors too and never follows a symbolic link (the emulated
// form of a junction): a link is unlinked, and a folder swapped for a link
// while the walk runs is refused by O_NOFOLLOW rather than entered. Nor
// does the walk enter a mount point, another file system's or a bind
// mount of this one.
#include "platform/file_delete.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <vector>

#include "platform/emulated/drive_walk.h"
#include "platform/emulated/installation.h"
#include "platform/file_listing.h"
#include "platform/registry_api.h"

namespace platform {

namespace {

using emulated::Descriptor;

long Win32Error(int error) {
    switch (error) {
        case ENOENT:
            return kErrorFileNotFound;
        case ENOTDIR:
            return kErrorPathNotFound;
        default:
            return kErrorAccessDenied;
    }
}

// The shell deletes read-only folders too; their contents need the owner's
// write permission.
void MakeWritable(int folderFd) {
    struct stat info;
    if (fstat(folderFd, &info) == 0 && (info.st_mode & S_IWUSR) == 0)
        fchmod(folderFd, (info.st_mode & 07777) | S_IWUSR | S_IXUSR);
}

// Empties the open folder dirFd (on mount) and reports whether everything
// in it went.
bool EmptyFolder(int dirFd, std::uint64_t mount) {
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
        Descriptor child(openat(dirfd(dir), name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (!child || emulated::MountOf(child.Get()) != mount) {
            all = false;  // swapped for a link, or a mount point: what lies there is not ours
            continue;
        }
        MakeWritable(child.Get());
        if (!EmptyFolder(child.Release(), mount)) all = false;
        if (unlinkat(dirfd(dir), name.c_str(), AT_REMOVEDIR) != 0) all = false;
    }
    closedir(dir);
    return all;
}

// The entry path names, reached for deleting, with its status (not
// followed when it is a link).
long Reach(const std::string& path, emulated::WalkEnd& end, struct stat& info) {
    // A machine that may not be changed (an installation mounted read-only,
    // or looked at with --read-only) deletes nothing.
    if (const long refusal = emulated::WriteRefusal(); refusal != kErrorSuccess) return refusal;
    if (const long status = emulated::WalkToEntry(path, end); status != kErrorSuccess) return status;
    if (fstatat(end.folder.Get(), end.name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) return Win32Error(errno);
    return kErrorSuccess;
}

}  // namespace

long RemoveFile(const std::string& path) {
    emulated::WalkEnd end;
    struct stat info;
    if (const long status = Reach(path, end, info); status != kErrorSuccess) return status;
    if (S_ISDIR(info.st_mode)) return kErrorAccessDenied;
    // A link goes whatever its target; a read-only file is refused as on
    // Windows.
    if (!S_ISLNK(info.st_mode) && (info.st_mode & S_IWUSR) == 0) return kErrorAccessDenied;
    if (unlinkat(end.folder.Get(), end.name.c_str(), 0) != 0) return Win32Error(errno);
    return kErrorSuccess;
}

long ShellDeleteFolder(const std::string& path) {
    emulated::WalkEnd end;
    struct stat info;
    if (const long status = Reach(path, end, info); status != kErrorSuccess) return status;
    const int parent = end.folder.Get();
    const char* name = end.name.c_str();
    if (!S_ISDIR(info.st_mode)) {
        // A file or a link: the shell deletes just that entry.
        return unlinkat(parent, name, 0) == 0 ? kErrorSuccess : Win32Error(errno);
    }
    Descriptor folder(openat(parent, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!folder) return Win32Error(errno);
    if (emulated::MountOf(folder.Get()) != end.mount) return kErrorAccessDenied;
    MakeWritable(folder.Get());
    const bool emptied = EmptyFolder(folder.Release(), end.mount);
    if (unlinkat(parent, name, AT_REMOVEDIR) != 0) return Win32Error(errno);
    return emptied ? kErrorSuccess : kErrorAccessDenied;
}

long CheckDeletionReach(const std::string& path) {
    emulated::WalkEnd end;
    struct stat info;
    return Reach(path, end, info);
}

}  // namespace platform

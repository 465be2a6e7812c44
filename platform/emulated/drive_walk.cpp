#include "platform/emulated/drive_walk.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/emulated/paths.h"
#include "platform/file_listing.h"
#include "platform/registry_api.h"

namespace platform::emulated {

namespace {

bool IsLinkAt(int folder, const std::string& name) {
    struct stat info;
    return fstatat(folder, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(info.st_mode);
}

// Why folder/name could not be opened as a folder: a link (and, as the
// kernel checks O_DIRECTORY first, one reports ENOTDIR) or anything else
// unexpected is refused; missing is 3; a file is notAFolder.
long OpenFailure(int error, int folder, const std::string& name, long notAFolder) {
    if (IsLinkAt(folder, name)) return kErrorAccessDenied;
    if (error == ENOENT) return kErrorPathNotFound;
    if (error == ENOTDIR) return notAFolder;
    return kErrorAccessDenied;
}

// Opens the subfolder name of folder, no link and on mount, with flags.
long OpenSubfolder(int folder, const std::string& name, std::uint64_t mount, int flags, long notAFolder,
                   Descriptor& opened) {
    Descriptor next(openat(folder, name.c_str(), flags | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!next) return OpenFailure(errno, folder, name, notAFolder);
    // A mount point leads into another file system, or (bound) into
    // another part of this one: neither is the drive's.
    if (MountOf(next.Get()) != mount) return kErrorAccessDenied;
    opened = std::move(next);
    return kErrorSuccess;
}

std::string OnDisk(int folder, const std::string& name) { return EntryIgnoringCase(folder, name).value_or(name); }

}  // namespace

Descriptor& Descriptor::operator=(Descriptor&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) close(fd_);
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

Descriptor::~Descriptor() {
    if (fd_ >= 0) close(fd_);
}

std::optional<std::uint64_t> MountOf(int fd) {
    struct statx info;
    if (statx(fd, "", AT_EMPTY_PATH | AT_SYMLINK_NOFOLLOW, STATX_MNT_ID, &info) != 0) return std::nullopt;
    if ((info.stx_mask & STATX_MNT_ID) != 0) return info.stx_mnt_id;
    // Kernels before 5.8: a bind mount of the same file system goes unseen.
    return (static_cast<std::uint64_t>(info.stx_dev_major) << 32) | info.stx_dev_minor;
}

long WalkToEntry(const std::string& path, WalkEnd& end) {
    const std::optional<DrivePath> split = SplitDrivePath(path);
    if (!split || split->components.empty()) return kErrorAccessDenied;
    Descriptor folder(open(split->driveFolder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!folder) return kErrorPathNotFound;
    const std::optional<std::uint64_t> mount = MountOf(folder.Get());
    if (!mount) return kErrorAccessDenied;
    for (std::size_t i = 0; i + 1 < split->components.size(); ++i) {
        const std::string name = OnDisk(folder.Get(), split->components[i]);
        if (const long status = OpenSubfolder(folder.Get(), name, *mount, O_PATH, kErrorPathNotFound, folder);
            status != kErrorSuccess)
            return status;
    }
    end.name = OnDisk(folder.Get(), split->components.back());
    end.folder = std::move(folder);
    end.mount = *mount;
    return kErrorSuccess;
}

long OpenFolderInside(const std::string& path, Descriptor& folder, std::uint64_t& mount) {
    const std::optional<DrivePath> split = SplitDrivePath(path);
    if (!split) return kErrorAccessDenied;
    if (split->components.empty()) {
        Descriptor root(open(split->driveFolder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (!root) return kErrorPathNotFound;
        const std::optional<std::uint64_t> rootMount = MountOf(root.Get());
        if (!rootMount) return kErrorAccessDenied;
        mount = *rootMount;
        folder = std::move(root);
        return kErrorSuccess;
    }
    WalkEnd end;
    if (const long status = WalkToEntry(path, end); status != kErrorSuccess) return status;
    if (const long status = OpenSubfolder(end.folder.Get(), end.name, end.mount, O_RDONLY, kErrorDirectory, folder);
        status != kErrorSuccess)
        return status;
    mount = end.mount;
    return kErrorSuccess;
}

}  // namespace platform::emulated

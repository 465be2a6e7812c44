#include "platform/shred_handle.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/emulated/drive_walk.h"
#include "platform/registry_api.h"

namespace platform::shred_io {

std::uint32_t NameCount(FileHandle file) {
    struct stat info;
    if (::fstat(static_cast<int>(file), &info) != 0) return 0;
    return static_cast<std::uint32_t>(info.st_nlink);
}

bool Empty(FileHandle file) { return ::ftruncate(static_cast<int>(file), 0) == 0; }

bool MarkEmptied(FileHandle file) {
    const timespec times[2] = {{kMarkUnixSeconds, 0}, {kMarkUnixSeconds, 0}};
    return ::futimens(static_cast<int>(file), times) == 0;
}

bool IsShredLeftover(const std::string& path) {
    // Reached as the shredder's delete reaches it.
    emulated::WalkEnd entry;
    if (emulated::WalkToEntry(path, entry) != kErrorSuccess) return false;
    struct stat info;
    if (::fstatat(entry.folder.Get(), entry.name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) return false;
    return S_ISREG(info.st_mode) && info.st_size == 0 && info.st_nlink == 1 &&
           info.st_mtim.tv_sec == kMarkUnixSeconds && info.st_mtim.tv_nsec == 0;
}

}  // namespace platform::shred_io

// The subfolders of a folder that a deletion may empty, reached as a
// deletion reaches its folder (drive_walk.h).
#include "platform/subfolder_listing.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "platform/emulated/drive_walk.h"
#include "platform/emulated/stand_in_name.h"
#include "platform/file_names.h"
#include "platform/registry_api.h"

namespace platform {

long ListSubfolders(const std::string& folder, std::vector<std::string>& names) {
    names.clear();
    emulated::Descriptor opened;
    std::uint64_t mount = 0;
    if (const long status = emulated::OpenFolderInside(folder, opened, mount); status != kErrorSuccess) return status;
    DIR* dir = fdopendir(opened.Get());
    if (dir == nullptr) return kErrorAccessDenied;
    opened.Release();
    std::vector<std::string> found;
    while (const dirent* entry = readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (name == "." || name == "..") continue;
        struct stat info;
        if (fstatat(dirfd(dir), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(info.st_mode))
            found.push_back(emulated::WindowsName(name));
    }
    closedir(dir);
    std::sort(found.begin(), found.end(),
              [](const std::string& a, const std::string& b) { return FileNameLess(a, b); });
    names = std::move(found);
    return kErrorSuccess;
}

}  // namespace platform

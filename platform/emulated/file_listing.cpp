// Entry look-up and folder listings on the emulated machine, with the
// attributes that GetFileAttributes derives from the host files. A listing
// is what a deletion works from, so it reaches its folder as a deletion
// does (drive_walk.h): a folder outside the machine's drives, or behind a
// link or a mount point, lists nothing.
#include "platform/file_listing.h"

#include <dirent.h>

#include <algorithm>

#include "platform/emulated/attributes_at.h"
#include "platform/emulated/drive_walk.h"
#include "platform/emulated/paths.h"
#include "platform/emulated/stand_in_name.h"
#include "platform/file_names.h"
#include "platform/files.h"
#include "platform/registry_api.h"

namespace platform {

namespace {

constexpr std::uint32_t kMaskedAttributes = kFileAttributeHidden | kFileAttributeSystem | kFileAttributeDirectory;

}  // namespace

std::optional<std::string> FindEntry(const std::string& path, std::uint32_t attributeMask) {
    if (HasWildcard(path) || EndsWithoutName(path)) return std::nullopt;
    const std::optional<std::uint32_t> attributes = GetFileAttributes(path);
    if (!attributes || (*attributes & kMaskedAttributes & ~attributeMask) != 0) return std::nullopt;
    return emulated::WindowsName(emulated::ToHostPath(path).filename().string());
}

long ListFiles(const std::string& folder, const std::string& pattern, bool includeHiddenAndSystem,
               std::vector<std::string>& names) {
    names.clear();
    emulated::Descriptor opened;
    std::uint64_t mount = 0;
    if (const long status = emulated::OpenFolderInside(folder, opened, mount); status != kErrorSuccess) return status;
    DIR* dir = fdopendir(opened.Get());
    if (dir == nullptr) return kErrorAccessDenied;
    opened.Release();
    std::vector<std::string> found;
    while (const dirent* entry = readdir(dir)) {
        const std::string hostName = entry->d_name;
        if (hostName == "." || hostName == "..") continue;
        const std::string name = emulated::WindowsName(hostName);
        if (!MatchesPattern(pattern, name)) continue;
        const std::optional<std::uint32_t> attributes = emulated::AttributesAt(dirfd(dir), hostName);
        if (!attributes || (*attributes & kFileAttributeDirectory) != 0) continue;
        if (!includeHiddenAndSystem && (*attributes & (kFileAttributeHidden | kFileAttributeSystem)) != 0) continue;
        found.push_back(name);
    }
    closedir(dir);
    std::sort(found.begin(), found.end(),
              [](const std::string& a, const std::string& b) { return FileNameLess(a, b); });
    names = std::move(found);
    return kErrorSuccess;
}

}  // namespace platform

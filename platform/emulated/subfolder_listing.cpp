#include "platform/subfolder_listing.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <string_view>

#include "platform/emulated/paths.h"
#include "platform/file_listing.h"
#include "platform/file_names.h"
#include "platform/registry_api.h"

namespace platform {

long ListSubfolders(const std::string& folder, std::vector<std::string>& names) {
    names.clear();
    const std::string host = emulated::ToHostPath(folder).string();
    DIR* dir = opendir(host.c_str());
    if (dir == nullptr) {
        if (errno == ENOTDIR) return kErrorDirectory;
        if (errno == EACCES || errno == EPERM) return kErrorAccessDenied;
        return kErrorPathNotFound;
    }
    std::vector<std::string> found;
    while (const dirent* entry = readdir(dir)) {
        const std::string_view name = entry->d_name;
        // A backslash or a wildcard in a host name: no Windows path names it.
        if (name == "." || name == ".." || name.find_first_of("\\*?") != std::string_view::npos) continue;
        struct stat info;
        const std::string path = host + "/" + std::string(name);
        if (lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) found.emplace_back(name);
    }
    closedir(dir);
    std::sort(found.begin(), found.end(), [](const std::string& a, const std::string& b) { return FileNameLess(a, b); });
    names = std::move(found);
    return kErrorSuccess;
}

}  // namespace platform

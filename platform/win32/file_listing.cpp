#include "platform/file_listing.h"

#include <algorithm>

#include "platform/file_names.h"
#include "platform/files.h"
#include "platform/win32/listed_name.h"
#include "platform/win32/pinned_path.h"
#include "platform/win32/windows_api.h"

namespace platform {

namespace {

constexpr std::uint32_t kMaskedAttributes = kFileAttributeHidden | kFileAttributeSystem | kFileAttributeDirectory;

}  // namespace

std::optional<std::string> FindEntry(const std::string& path, std::uint32_t attributeMask) {
    if (HasWildcard(path) || EndsWithoutName(path)) return std::nullopt;
    WIN32_FIND_DATAA data;
    const HANDLE find = ::FindFirstFileA(path.c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return std::nullopt;
    ::FindClose(find);
    if ((data.dwFileAttributes & kMaskedAttributes & ~attributeMask) != 0) return std::nullopt;
    return win32::ListedName(data);
}

long ListFiles(const std::string& folder, const std::string& pattern, bool includeHiddenAndSystem,
               std::vector<std::string>& names) {
    names.clear();
    // Listed as a deletion reaches it, the folder held while it is read.
    win32::PinnedPath pinned;
    if (const long status = pinned.PinFolder(folder); status != ERROR_SUCCESS) return status;
    std::string search = pinned.Path();
    if (!EndsInSeparator(search)) search += '\\';
    search += '*';
    WIN32_FIND_DATAA data;
    const HANDLE find = ::FindFirstFileA(search.c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) {
        const DWORD error = ::GetLastError();
        // An empty folder has not even "." when it is a drive's root.
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_NO_MORE_FILES) return ERROR_SUCCESS;
        return error == ERROR_DIRECTORY ? kErrorDirectory : static_cast<long>(error);
    }
    std::vector<std::string> found;
    do {
        if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) continue;
        if (!includeHiddenAndSystem && (data.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0)
            continue;
        const std::optional<std::string> name = win32::ListedName(data);
        if (name && MatchesPattern(pattern, *name)) found.push_back(*name);
    } while (::FindNextFileA(find, &data));
    ::FindClose(find);
    std::sort(found.begin(), found.end(),
              [](const std::string& a, const std::string& b) { return FileNameLess(a, b); });
    names = std::move(found);
    return ERROR_SUCCESS;
}

}  // namespace platform

#include "platform/subfolder_listing.h"

#include <algorithm>

#include "platform/file_listing.h"
#include "platform/file_names.h"
#include "platform/win32/listed_name.h"
#include "platform/win32/pinned_path.h"
#include "platform/win32/windows_api.h"

namespace platform {

long ListSubfolders(const std::string& folder, std::vector<std::string>& names) {
    names.clear();
    // Listed as a deletion reaches it, the folder held while it is read.
    win32::PinnedPath pinned;
    if (const long status = pinned.PinFolder(folder); status != ERROR_SUCCESS) return status;

    std::string pattern = pinned.Path();
    if (pattern.empty() || (pattern.back() != '\\' && pattern.back() != '/')) pattern += '\\';
    pattern += "*.*";
    WIN32_FIND_DATAA entry;
    const HANDLE find = ::FindFirstFileA(pattern.c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) {
        const DWORD error = ::GetLastError();
        return error == ERROR_FILE_NOT_FOUND ? 0 : static_cast<long>(error);
    }
    std::vector<std::string> found;
    do {
        const DWORD kind = entry.dwFileAttributes;
        if ((kind & FILE_ATTRIBUTE_DIRECTORY) == 0 || (kind & FILE_ATTRIBUTE_REPARSE_POINT) != 0) continue;
        // "." and ".." spell nothing plainly, and have no short name.
        if (const std::optional<std::string> name = win32::ListedName(entry)) found.push_back(*name);
    } while (::FindNextFileA(find, &entry));
    ::FindClose(find);
    std::sort(found.begin(), found.end(),
              [](const std::string& a, const std::string& b) { return FileNameLess(a, b); });
    names = std::move(found);
    return 0;
}

}  // namespace platform

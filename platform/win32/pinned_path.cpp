#include "platform/win32/pinned_path.h"

#include "platform/file_listing.h"

namespace platform::win32 {

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

bool IsDriveLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

}  // namespace

PinnedPath::~PinnedPath() {
    for (HANDLE folder : folders_) ::CloseHandle(folder);
}

bool PinnedPath::Split(const std::string& path, std::vector<std::string>& components) {
    if (path.size() < 3 || !IsDriveLetter(path[0]) || path[1] != ':' || !IsSeparator(path[2])) return false;
    std::size_t start = 3;
    while (start <= path.size()) {
        std::size_t end = start;
        while (end < path.size() && !IsSeparator(path[end])) ++end;
        const std::string component = path.substr(start, end - start);
        if (component == "..") {
            if (!components.empty()) components.pop_back();  // the root is its own parent
        } else if (!component.empty() && component != ".") {
            components.push_back(component);
        }
        start = end + 1;
    }
    path_ = path.substr(0, 2) + "\\";
    for (std::size_t i = 0; i < components.size(); ++i) path_ += (i == 0 ? "" : "\\") + components[i];
    return true;
}

long PinnedPath::Pin(const std::vector<std::string>& components, std::size_t count, bool lastIsLeaf) {
    std::string folder = path_.substr(0, 2);
    for (std::size_t i = 0; i < count; ++i) {
        folder += "\\" + components[i];
        // Read access with FILE_SHARE_DELETE withheld: nobody may open the
        // folder for deleting or renaming while it is held.
        const HANDLE handle = ::CreateFileA(folder.c_str(), FILE_LIST_DIRECTORY | FILE_READ_ATTRIBUTES,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                            FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
        if (handle == INVALID_HANDLE_VALUE) {
            const DWORD error = ::GetLastError();
            if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return kErrorPathNotFound;
            return static_cast<long>(error);
        }
        folders_.push_back(handle);
        BY_HANDLE_FILE_INFORMATION info;
        if (!::GetFileInformationByHandle(handle, &info)) return static_cast<long>(::GetLastError());
        if ((info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) return ERROR_ACCESS_DENIED;
        if ((info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
            return lastIsLeaf && i + 1 == count ? kErrorDirectory : kErrorPathNotFound;
    }
    return ERROR_SUCCESS;
}

long PinnedPath::PinEntry(const std::string& path) {
    std::vector<std::string> components;
    if (!Split(path, components) || components.empty()) return ERROR_ACCESS_DENIED;
    return Pin(components, components.size() - 1, false);
}

long PinnedPath::PinFolder(const std::string& path) {
    std::vector<std::string> components;
    if (!Split(path, components)) return ERROR_ACCESS_DENIED;
    return Pin(components, components.size(), true);
}

}  // namespace platform::win32

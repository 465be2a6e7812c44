// Deleting on Windows. The shell's folder delete would follow a junction
// inside the folder on some Windows versions and delete the target's
// contents; so every link (reparse point) inside the folder is removed
// first, the link itself and never its target, and only then does the
// shell delete what is left.
#include "platform/file_delete.h"

#include <string>

#include "platform/win32/windows_api.h"

#include <shellapi.h>

namespace platform {

namespace {

constexpr DWORD kInvalidAttributes = INVALID_FILE_ATTRIBUTES;

bool IsLink(DWORD attributes) { return (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0; }

// Removes a link entry: a folder link with RemoveDirectory (which leaves
// the target alone), a file link with DeleteFile.
bool RemoveLink(const std::string& path, DWORD attributes) {
    if ((attributes & FILE_ATTRIBUTE_READONLY) != 0)
        ::SetFileAttributesA(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return ::RemoveDirectoryA(path.c_str()) != 0;
    return ::DeleteFileA(path.c_str()) != 0;
}

// Removes every link below folder, depth first; false when one stays.
bool RemoveLinksBelow(const std::string& folder) {
    WIN32_FIND_DATAA data;
    const HANDLE find = ::FindFirstFileA((folder + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return true;
    bool all = true;
    do {
        const std::string name = data.cFileName;
        if (name == "." || name == "..") continue;
        const std::string path = folder + "\\" + name;
        if (IsLink(data.dwFileAttributes)) {
            if (!RemoveLink(path, data.dwFileAttributes)) all = false;
        } else if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            if (!RemoveLinksBelow(path)) all = false;
        }
    } while (::FindNextFileA(find, &data));
    ::FindClose(find);
    return all;
}

}  // namespace

long RemoveFile(const std::string& path) {
    if (::DeleteFileA(path.c_str())) return ERROR_SUCCESS;
    return static_cast<long>(::GetLastError());
}

long ShellDeleteFolder(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes == kInvalidAttributes) return static_cast<long>(::GetLastError());
    if (IsLink(attributes)) return RemoveLink(path, attributes) ? ERROR_SUCCESS : static_cast<long>(::GetLastError());
    // A link that cannot be removed must not be left for the shell to follow.
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 && !RemoveLinksBelow(path)) return ERROR_ACCESS_DENIED;

    std::string from = path;
    from.push_back('\0');  // the list of sources ends with a second NUL
    SHFILEOPSTRUCTA operation = {};
    operation.hwnd = nullptr;
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.pTo = nullptr;
    operation.fFlags = FOF_NOCONFIRMATION;
    const int rc = ::SHFileOperationA(&operation);
    if (rc == 0 && operation.fAnyOperationsAborted) return ERROR_CANCELLED;
    return rc;
}

}  // namespace platform

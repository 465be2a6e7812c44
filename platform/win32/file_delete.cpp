// Deleting on Windows. Every deletion pins the folders on its way
// (pinned_path.h) and deletes by handle (open_entry.h). A folder is emptied
// here rather than by the shell, whose delete would follow a junction
// inside the folder on some Windows versions and delete the target's
// contents: each entry is opened as itself, a link or junction is deleted
// as an entry and never entered, and a folder is held open while it is
// emptied, so nothing can be swapped into its place.
#include "platform/file_delete.h"

#include <string>

#include "platform/win32/open_entry.h"
#include "platform/win32/pinned_path.h"
#include "platform/win32/windows_api.h"

namespace platform {

namespace {

using win32::OpenEntry;

// Deletes one entry, read-only or not, and everything in it when it is a
// folder; false when something stays.
bool DeleteTree(const std::wstring& path) {
    bool all = true;
    bool folder = false;
    {
        // Held while it is emptied: opened as itself and without sharing
        // deletion, so that it cannot be renamed or swapped for a junction
        // meanwhile, but without the delete access that would keep
        // FindFirstFile from listing it.
        const HANDLE held =
            ::CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                          OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
        if (held == INVALID_HANDLE_VALUE) return false;
        BY_HANDLE_FILE_INFORMATION info;
        folder = ::GetFileInformationByHandle(held, &info) && (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 &&
                 (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0;
        if (folder) {
            WIN32_FIND_DATAW data;
            const HANDLE find = ::FindFirstFileW((path + L"\\*").c_str(), &data);
            if (find != INVALID_HANDLE_VALUE) {
                do {
                    const std::wstring name = data.cFileName;
                    if (name != L"." && name != L".." && !DeleteTree(path + L"\\" + name)) all = false;
                } while (::FindNextFileW(find, &data));
                ::FindClose(find);
            } else {
                all = false;
            }
        }
        ::CloseHandle(held);
    }
    OpenEntry entry(path);
    if (entry.Status() != ERROR_SUCCESS) return false;
    // What is there now is not what was emptied: it is left.
    if (entry.IsFolder() != folder) return false;
    entry.MakeWritable();
    return entry.Delete() == ERROR_SUCCESS && all;
}

}  // namespace

long RemoveFile(const std::string& path) {
    win32::PinnedPath pinned;
    if (const long status = pinned.PinEntry(path); status != ERROR_SUCCESS) return status;
    OpenEntry entry(win32::Widen(pinned.Path()));
    if (entry.Status() != ERROR_SUCCESS) return entry.Status();
    // As DeleteFile: a folder or a read-only file stays; a link goes,
    // whatever it points to.
    if (entry.IsFolder() || (entry.IsReadOnly() && !entry.IsReparsePoint())) return ERROR_ACCESS_DENIED;
    return entry.Delete();
}

long ShellDeleteFolder(const std::string& path) {
    win32::PinnedPath pinned;
    if (const long status = pinned.PinEntry(path); status != ERROR_SUCCESS) return status;
    const std::wstring wide = win32::Widen(pinned.Path());
    const DWORD attributes = ::GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return static_cast<long>(::GetLastError());
    return DeleteTree(wide) ? ERROR_SUCCESS : ERROR_ACCESS_DENIED;
}

long CheckDeletionReach(const std::string& path) {
    win32::PinnedPath pinned;
    if (const long status = pinned.PinEntry(path); status != ERROR_SUCCESS) return status;
    if (::GetFileAttributesA(pinned.Path().c_str()) == INVALID_FILE_ATTRIBUTES)
        return static_cast<long>(::GetLastError());
    return ERROR_SUCCESS;
}

}  // namespace platform

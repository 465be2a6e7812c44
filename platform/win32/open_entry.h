// An entry opened for deleting it by its own handle: a reparse point (a
// link or a junction) is opened as itself, never followed, and the entry
// is deleted through FILE_DISPOSITION_INFO, so what goes is what was opened
// and looked at. Deletion is not shared with others while it is open.
#pragma once

#include <string>

#include "platform/win32/windows_api.h"

namespace platform::win32 {

class OpenEntry {
public:
    explicit OpenEntry(const std::wstring& path);
    ~OpenEntry();
    OpenEntry(const OpenEntry&) = delete;
    OpenEntry& operator=(const OpenEntry&) = delete;

    // 0 when the entry is open, else why it is not.
    long Status() const { return status_; }
    bool IsReparsePoint() const { return (attributes_ & FILE_ATTRIBUTE_REPARSE_POINT) != 0; }
    // A folder of its own, not a link to one.
    bool IsFolder() const { return (attributes_ & FILE_ATTRIBUTE_DIRECTORY) != 0 && !IsReparsePoint(); }
    bool IsReadOnly() const { return (attributes_ & FILE_ATTRIBUTE_READONLY) != 0; }

    // Clears the read-only attribute, as the shell's delete does.
    void MakeWritable();
    // Marks the entry for deletion; it goes when closed. A folder must be
    // empty by then. Returns 0 or a Win32 error code.
    long Delete();

private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
    long status_ = ERROR_SUCCESS;
    DWORD attributes_ = 0;
};

// An ANSI path as the wide one the W functions take.
std::wstring Widen(const std::string& ansi);

}  // namespace platform::win32

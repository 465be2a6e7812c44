#include "platform/win32/open_entry.h"

namespace platform::win32 {

OpenEntry::OpenEntry(const std::wstring& path) {
    handle_ = ::CreateFileW(path.c_str(), DELETE | FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES,
                            FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                            FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle_ == INVALID_HANDLE_VALUE) {
        status_ = static_cast<long>(::GetLastError());
        return;
    }
    BY_HANDLE_FILE_INFORMATION info;
    if (!::GetFileInformationByHandle(handle_, &info)) {
        status_ = static_cast<long>(::GetLastError());
        return;
    }
    attributes_ = info.dwFileAttributes;
}

OpenEntry::~OpenEntry() {
    if (handle_ != INVALID_HANDLE_VALUE) ::CloseHandle(handle_);
}

void OpenEntry::MakeWritable() {
    if (!IsReadOnly()) return;
    FILE_BASIC_INFO basic = {};  // times of 0 stay as they are
    basic.FileAttributes = attributes_ & ~FILE_ATTRIBUTE_READONLY;
    if (basic.FileAttributes == 0) basic.FileAttributes = FILE_ATTRIBUTE_NORMAL;
    if (::SetFileInformationByHandle(handle_, FileBasicInfo, &basic, sizeof basic)) attributes_ = basic.FileAttributes;
}

long OpenEntry::Delete() {
    if (status_ != ERROR_SUCCESS) return status_;
    FILE_DISPOSITION_INFO disposition = {};
    disposition.DeleteFile = TRUE;
    if (!::SetFileInformationByHandle(handle_, FileDispositionInfo, &disposition, sizeof disposition))
        return static_cast<long>(::GetLastError());
    return ERROR_SUCCESS;
}

std::wstring Widen(const std::string& ansi) {
    if (ansi.empty()) return {};
    const int size = ::MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(), size);
    return wide;
}

}  // namespace platform::win32

// The shredder's file calls on Windows: each pins the folders on its way
// (pinned_path.h) before it opens, renames or deletes, so that what it
// reaches is in the folder that was checked.
#include "platform/shred_file_io.h"

#include "platform/win32/open_entry.h"
#include "platform/win32/pinned_path.h"
#include "platform/win32/windows_api.h"

namespace platform::shred_io {

namespace {

HANDLE ToHandle(FileHandle file) { return reinterpret_cast<HANDLE>(file); }

bool IsReparsePoint(DWORD attributes) {
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

OpenResult Refuse(HANDLE file) {
    ::CloseHandle(file);
    return {};
}

}  // namespace

OpenResult OpenExclusive(const std::string& path, bool truncate) {
    win32::PinnedPath pinned;
    if (pinned.PinEntry(path) != ERROR_SUCCESS) return {};
    // FILE_FLAG_OPEN_REPARSE_POINT opens a link itself, never its target,
    // so that it can be told apart below.
    const HANDLE file = ::CreateFileA(
        pinned.Path().c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
        FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH | FILE_FLAG_SEQUENTIAL_SCAN | FILE_FLAG_OPEN_REPARSE_POINT,
        nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        if (IsReparsePoint(::GetFileAttributesA(pinned.Path().c_str()))) return {OpenStatus::kSymbolicLink, 0, 0};
        return {};
    }
    BY_HANDLE_FILE_INFORMATION info;
    if (!::GetFileInformationByHandle(file, &info)) return Refuse(file);
    if (IsReparsePoint(info.dwFileAttributes)) {
        ::CloseHandle(file);
        return {OpenStatus::kSymbolicLink, 0, 0};
    }
    if ((info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return Refuse(file);
    // Windows refuses to open a read-only file for writing; Wine run by
    // root opens it all the same.
    if ((info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0) return Refuse(file);
    const std::uint64_t size = (static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    if (truncate) {
        LARGE_INTEGER start{};
        if (!::SetFilePointerEx(file, start, nullptr, FILE_BEGIN) || !::SetEndOfFile(file)) return Refuse(file);
    }
    return {OpenStatus::kOpened, reinterpret_cast<FileHandle>(file), size};
}

bool Write(FileHandle file, const std::uint8_t* data, std::size_t size) {
    while (size > 0) {
        const DWORD chunk = size > 0x40000000 ? 0x40000000 : static_cast<DWORD>(size);
        DWORD written = 0;
        if (!::WriteFile(ToHandle(file), data, chunk, &written, nullptr) || written == 0) return false;
        data += written;
        size -= written;
    }
    return true;
}

bool Flush(FileHandle file) { return ::FlushFileBuffers(ToHandle(file)) != 0; }

bool Rewind(FileHandle file) {
    LARGE_INTEGER start{};
    return ::SetFilePointerEx(ToHandle(file), start, nullptr, FILE_BEGIN) != 0;
}

void Close(FileHandle file) { ::CloseHandle(ToHandle(file)); }

RenameStatus RenameNoReplace(const std::string& from, const std::string& to) {
    win32::PinnedPath source;
    win32::PinnedPath target;
    if (source.PinEntry(from) != ERROR_SUCCESS || target.PinEntry(to) != ERROR_SUCCESS) return RenameStatus::kFailed;
    if (::MoveFileExA(source.Path().c_str(), target.Path().c_str(), 0)) return RenameStatus::kRenamed;
    const DWORD error = ::GetLastError();
    if (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS) return RenameStatus::kTargetExists;
    return RenameStatus::kFailed;
}

bool DeleteEntry(const std::string& path) {
    win32::PinnedPath pinned;
    if (pinned.PinEntry(path) != ERROR_SUCCESS) return false;
    win32::OpenEntry entry(win32::Widen(pinned.Path()));
    // A link, to a folder or a file, goes as an entry; its target stays.
    if (entry.Status() != ERROR_SUCCESS || entry.IsFolder()) return false;
    if (entry.IsReadOnly() && !entry.IsReparsePoint()) return false;
    return entry.Delete() == ERROR_SUCCESS;
}

}  // namespace platform::shred_io

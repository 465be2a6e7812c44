#include "platform/shred_handle.h"

#include "platform/win32/windows_api.h"

namespace platform::shred_io {

namespace {

HANDLE ToHandle(FileHandle file) { return reinterpret_cast<HANDLE>(file); }

// 100-nanosecond steps from 1601-01-01 to 1970-01-01.
constexpr std::uint64_t kUnixEpochInFileTime = 116444736000000000ULL;

FILETIME MarkTime() {
    const std::uint64_t ticks = kUnixEpochInFileTime + static_cast<std::uint64_t>(kMarkUnixSeconds) * 10000000ULL;
    return {static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
}

}  // namespace

std::uint32_t NameCount(FileHandle file) {
    BY_HANDLE_FILE_INFORMATION info;
    if (!::GetFileInformationByHandle(ToHandle(file), &info)) return 0;
    return info.nNumberOfLinks;
}

bool Empty(FileHandle file) {
    LARGE_INTEGER start{};
    return ::SetFilePointerEx(ToHandle(file), start, nullptr, FILE_BEGIN) && ::SetEndOfFile(ToHandle(file));
}

bool MarkEmptied(FileHandle file) {
    const FILETIME mark = MarkTime();
    return ::SetFileTime(ToHandle(file), &mark, &mark, &mark) != 0;
}

bool IsShredLeftover(const std::string& path) {
    // Opened for its attributes only, sharing everything, a link as itself.
    const HANDLE file =
        ::CreateFileA(path.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                      nullptr, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    BY_HANDLE_FILE_INFORMATION info;
    const bool read = ::GetFileInformationByHandle(file, &info) != 0;
    ::CloseHandle(file);
    const FILETIME mark = MarkTime();
    return read && (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) == 0 &&
           info.nFileSizeHigh == 0 && info.nFileSizeLow == 0 && info.nNumberOfLinks == 1 &&
           info.ftLastWriteTime.dwLowDateTime == mark.dwLowDateTime &&
           info.ftLastWriteTime.dwHighDateTime == mark.dwHighDateTime;
}

}  // namespace platform::shred_io

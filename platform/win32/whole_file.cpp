#include "platform/whole_file.h"

#include <algorithm>

#include "platform/win32/windows_api.h"

#include <shlobj.h>

namespace platform {

namespace {

class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() {
        if (handle_ != INVALID_HANDLE_VALUE) ::CloseHandle(handle_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    HANDLE get() const { return handle_; }
    // Closes now, to see the error a deferred write may report.
    bool Close() {
        const HANDLE handle = handle_;
        handle_ = INVALID_HANDLE_VALUE;
        return ::CloseHandle(handle) != 0;
    }

private:
    HANDLE handle_;
};

bool WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 0x40000000));
        DWORD written = 0;
        if (!::WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
        bytes.remove_prefix(written);
    }
    return true;
}

std::string FolderOf(const std::string& path) {
    const std::size_t cut = path.find_last_of("\\/");
    return cut == std::string::npos ? std::string(".") : path.substr(0, cut == 2 && path[1] == ':' ? 3 : cut);
}

bool IsFolder(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace

WholeFile ReadWholeFile(const std::string& path, std::uint64_t maxBytes) {
    // FILE_FLAG_OPEN_REPARSE_POINT opens a link itself, never its target,
    // so that it can be refused below.
    const Handle file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_SEQUENTIAL_SCAN,
                                    nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) {
        const DWORD error = ::GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return {WholeFileStatus::kMissing, {}};
        return {IsFolder(path) ? WholeFileStatus::kNotRegularFile : WholeFileStatus::kFailed, {}};
    }
    // A pipe, a console or another device is no file on a disk.
    if (::GetFileType(file.get()) != FILE_TYPE_DISK) return {WholeFileStatus::kNotRegularFile, {}};
    BY_HANDLE_FILE_INFORMATION info;
    if (!::GetFileInformationByHandle(file.get(), &info)) return {};
    if ((info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) != 0)
        return {WholeFileStatus::kNotRegularFile, {}};
    const std::uint64_t size = (static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    if (size > maxBytes) return {WholeFileStatus::kTooLarge, {}};

    // One byte more than allowed tells a file that grew since it was asked.
    WholeFile whole{WholeFileStatus::kRead, std::string(static_cast<std::size_t>(size) + 1, '\0')};
    std::size_t filled = 0;
    for (;;) {
        if (filled == whole.bytes.size()) whole.bytes.resize(std::min<std::uint64_t>(filled * 2, maxBytes + 1));
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(whole.bytes.size() - filled, 0x40000000));
        DWORD count = 0;
        if (!::ReadFile(file.get(), whole.bytes.data() + filled, chunk, &count, nullptr)) return {};
        if (count == 0) break;
        filled += count;
        if (filled > maxBytes) return {WholeFileStatus::kTooLarge, {}};
    }
    whole.bytes.resize(filled);
    return whole;
}

bool WriteWholeFile(const std::string& path, std::string_view bytes) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) != 0)
        return false;

    // GetTempFileName creates the new file, under a name of its own.
    char temporary[MAX_PATH];
    if (::GetTempFileNameA(FolderOf(path).c_str(), "nbr", 0, temporary) == 0) return false;
    Handle file(::CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    bool ok = file.get() != INVALID_HANDLE_VALUE && WriteAll(file.get(), bytes) && ::FlushFileBuffers(file.get());
    ok = (file.get() == INVALID_HANDLE_VALUE || file.Close()) && ok;
    ok = ok && ::MoveFileExA(temporary, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!ok) ::DeleteFileA(temporary);
    return ok;
}

bool CreateFolderPath(const std::string& path) {
    if (!IsFolder(path)) ::SHCreateDirectoryExA(nullptr, path.c_str(), nullptr);
    return IsFolder(path);
}

}  // namespace platform

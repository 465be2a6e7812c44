#include "tools/nimbrel-cli/backup_file.h"

#include <random>

#ifdef _WIN32
#include "platform/win32/windows_api.h"
#include "registry/win32_error_text.h"
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#endif

namespace cli {
namespace {

constexpr std::string_view kExists = "it already exists (--force replaces a regular file)";
constexpr std::string_view kNotARegularFile = "it is not a regular file, and nothing else is ever replaced";

std::string Fault(const std::filesystem::path& path, std::string_view reason) {
    return "cannot write the backup " + path.string() + ": " + std::string(reason);
}

// "dir/", "." and ".." name a folder, never a file to write.
bool NamesAFolder(const std::filesystem::path& path) {
    const std::filesystem::path name = path.filename();
    return name.empty() || name == "." || name == "..";
}

// The new file's name while it is written, in the target's folder. It is
// created only where nothing is, so a guessed name gains nobody anything.
std::string PartialName() { return ".nimbrel-backup-" + std::to_string(std::random_device()()) + ".partial"; }

#ifdef _WIN32

std::string ErrorText(DWORD code) { return registry::Win32ErrorText(static_cast<long>(code)); }

// "" when the backup may go to path: nothing is there, or with replace a
// regular file is (present is then set). A link or other reparse point is
// opened itself, never followed; a device (NUL, COM1) is not a disk file.
std::string CheckTarget(const std::wstring& path, bool replace, bool& present) {
    const HANDLE file =
        ::CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                      nullptr, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    present = file != INVALID_HANDLE_VALUE;
    if (!present) {
        const DWORD error = ::GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? "" : ErrorText(error);
    }
    BY_HANDLE_FILE_INFORMATION info;
    const bool regular = ::GetFileType(file) == FILE_TYPE_DISK && ::GetFileInformationByHandle(file, &info) &&
                         (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) == 0;
    ::CloseHandle(file);
    if (!replace) return std::string(kExists);
    return regular ? "" : std::string(kNotARegularFile);
}

bool WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = bytes.size() > 0x40000000 ? 0x40000000 : static_cast<DWORD>(bytes.size());
        DWORD written = 0;
        if (!::WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
        bytes.remove_prefix(written);
    }
    return true;
}

// Puts the complete file in place: over nothing that appeared meanwhile,
// or with replace over a regular file alone, checked once more just before.
std::string Place(const std::wstring& partial, const std::wstring& target, bool replace) {
    bool present = false;
    if (replace) {
        if (std::string fault = CheckTarget(target, true, present); !fault.empty()) return fault;
    }
    const DWORD flags = MOVEFILE_WRITE_THROUGH | (present ? MOVEFILE_REPLACE_EXISTING : 0);
    if (::MoveFileExW(partial.c_str(), target.c_str(), flags)) return "";
    const DWORD error = ::GetLastError();
    return error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS ? std::string(kExists) : ErrorText(error);
}

#else

std::string ErrnoText() { return std::strerror(errno); }

// A descriptor that closes itself.
class Descriptor {
public:
    explicit Descriptor(int descriptor) : descriptor_(descriptor) {}
    ~Descriptor() {
        if (descriptor_ >= 0) ::close(descriptor_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int Get() const { return descriptor_; }
    // Closes at once, for the failure that close alone may report.
    bool Close() {
        const int descriptor = descriptor_;
        descriptor_ = -1;
        return ::close(descriptor) == 0;
    }

private:
    int descriptor_;
};

// "" when the backup may go to name in folder: nothing is there, or with
// replace a regular file is (present is then set). A link is looked at
// itself, never followed.
std::string CheckTarget(int folder, const std::string& name, bool replace, bool& present) {
    struct stat info;
    present = ::fstatat(folder, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0;
    if (!present) return errno == ENOENT ? "" : ErrnoText();
    if (!replace) return std::string(kExists);
    return S_ISREG(info.st_mode) ? "" : std::string(kNotARegularFile);
}

bool WriteAll(int file, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(file, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            if (written == 0) errno = EIO;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Puts the complete file in place: over nothing that appeared meanwhile,
// or with replace over a regular file alone, checked once more just before.
std::string Place(int folder, const std::string& partial, const std::string& name, bool replace) {
    bool present = false;
    if (replace) {
        if (std::string fault = CheckTarget(folder, name, true, present); !fault.empty()) return fault;
        if (present) return ::renameat(folder, partial.c_str(), folder, name.c_str()) == 0 ? "" : ErrnoText();
    }
    if (::renameat2(folder, partial.c_str(), folder, name.c_str(), RENAME_NOREPLACE) == 0) return "";
    // A file system without RENAME_NOREPLACE: a hard link never replaces
    // an entry either.
    if ((errno == EINVAL || errno == ENOSYS) && ::linkat(folder, partial.c_str(), folder, name.c_str(), 0) == 0) {
        ::unlinkat(folder, partial.c_str(), 0);
        return "";
    }
    return errno == EEXIST ? std::string(kExists) : ErrnoText();
}

#endif

}  // namespace

#ifdef _WIN32

// The new file takes the permissions its folder hands down (Windows has no
// file mode); in the user's profile those are the user's own.
std::string WriteBackupFile(const std::filesystem::path& path, std::string_view bytes, bool replace) {
    if (NamesAFolder(path)) return Fault(path, "it names a folder");
    const std::wstring target = path.wstring();
    bool present = false;
    if (std::string fault = CheckTarget(target, replace, present); !fault.empty()) return Fault(path, fault);

    const std::wstring partial = (path.parent_path() / PartialName()).wstring();
    const HANDLE file =
        ::CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return Fault(path, ErrorText(::GetLastError()));
    std::string fault;
    if (!WriteAll(file, bytes) || !::FlushFileBuffers(file)) fault = ErrorText(::GetLastError());
    if (!::CloseHandle(file) && fault.empty()) fault = ErrorText(::GetLastError());
    if (fault.empty()) fault = Place(partial, target, replace);
    if (!fault.empty()) {
        ::DeleteFileW(partial.c_str());
        return Fault(path, fault);
    }
    return "";
}

#else

std::string WriteBackupFile(const std::filesystem::path& path, std::string_view bytes, bool replace) {
    if (NamesAFolder(path)) return Fault(path, "it names a folder");
    const std::string name = path.filename().string();
    const std::filesystem::path folderPath = path.has_parent_path() ? path.parent_path() : ".";
    const Descriptor folder(::open(folderPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.Get() < 0) return Fault(path, ErrnoText());
    bool present = false;
    if (std::string fault = CheckTarget(folder.Get(), name, replace, present); !fault.empty()) {
        return Fault(path, fault);
    }

    // Past a file size limit a write then fails, and the partial file is
    // removed, instead of the signal ending the program and leaving it.
    std::signal(SIGXFSZ, SIG_IGN);
    const std::string partial = PartialName();
    Descriptor file(
        ::openat(folder.Get(), partial.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (file.Get() < 0) return Fault(path, ErrnoText());
    std::string fault;
    if (!WriteAll(file.Get(), bytes) || ::fsync(file.Get()) != 0) fault = ErrnoText();
    if (!file.Close() && fault.empty()) fault = ErrnoText();
    if (fault.empty()) fault = Place(folder.Get(), partial, name, replace);
    if (!fault.empty()) {
        ::unlinkat(folder.Get(), partial.c_str(), 0);
        return Fault(path, fault);
    }
    // The new entry in the folder reaches the disk too; a file system that
    // cannot sync a folder has the file in place all the same.
    ::fsync(folder.Get());
    return "";
}

#endif

}  // namespace cli

#include "platform/emulated/store_file.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace platform::emulated {

namespace {

// The first bytes of every SQLite database; its header is 100 bytes long.
constexpr char kMagic[] = "SQLite format 3";  // with its NUL: 16 bytes
constexpr std::size_t kHeaderSize = 100;

}  // namespace

std::string FileKindFault(mode_t mode) {
    if (S_ISREG(mode)) return "";
    if (S_ISLNK(mode)) return "is a symbolic link: the store's files are never reached through a link; move it away";
    if (S_ISDIR(mode)) return "is a folder, not a file of the registry store";
    return "is not a regular file: move it away";
}

std::string EntryKindFault(const std::filesystem::path& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) return "";
    return FileKindFault(info.st_mode);
}

std::string StoreFileFault(const std::filesystem::path& path) {
    // O_NONBLOCK: a FIFO in the store's place is refused, not waited on.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ELOOP) return FileKindFault(S_IFLNK);
        return std::string("cannot be read: ") + std::strerror(errno);
    }
    struct stat info {};
    const std::string kind =
        ::fstat(fd, &info) == 0 ? FileKindFault(info.st_mode) : std::string("cannot be read: ") + std::strerror(errno);
    char header[kHeaderSize] = {};
    std::size_t got = 0;
    while (kind.empty() && got < kHeaderSize) {
        const ssize_t read = ::read(fd, header + got, kHeaderSize - got);
        if (read < 0 && errno == EINTR) continue;
        if (read <= 0) break;
        got += static_cast<std::size_t>(read);
    }
    ::close(fd);
    if (!kind.empty()) return kind;
    if (got == 0) return "is empty (0 bytes): the store was damaged; move it away to start a new machine";
    if (std::memcmp(header, kMagic, std::min(got, sizeof kMagic)) != 0) {
        return "holds no registry (it is not an SQLite database)";
    }
    if (got < kHeaderSize) return "is damaged: it is cut short (" + std::to_string(got) + " bytes)";
    return "";
}

bool StoreFileAtSizeLimit(const std::filesystem::path& database) {
    rlimit limit{};
    if (::getrlimit(RLIMIT_FSIZE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) return false;
    // Within a few pages of the limit: a write of whole pages stopped there.
    constexpr std::uintmax_t kSlack = 64 * 1024;
    for (const std::string& name : {database.string(), database.string() + "-wal"}) {
        std::error_code error;
        const std::uintmax_t size = std::filesystem::file_size(name, error);
        if (!error && size + kSlack >= limit.rlim_cur) return true;
    }
    return false;
}

StoreSidecars::StoreSidecars(const std::filesystem::path& database)
    : wal_(database.string() + "-wal"), shm_(database.string() + "-shm") {
    std::error_code error;
    hadWal_ = std::filesystem::exists(wal_, error);
    hadShm_ = std::filesystem::exists(shm_, error);
}

void StoreSidecars::RemoveNew() const {
    std::error_code ignored;
    if (!hadWal_) std::filesystem::remove(wal_, ignored);
    if (!hadShm_) std::filesystem::remove(shm_, ignored);
}

}  // namespace platform::emulated

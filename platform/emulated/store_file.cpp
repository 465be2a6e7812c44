#include "platform/emulated/store_file.h"

#include <sys/resource.h>

#include <cerrno>
#include <cstring>
#include <fstream>

namespace platform::emulated {

namespace {

// The first bytes of every SQLite database; its header is 100 bytes long.
constexpr char kMagic[] = "SQLite format 3";  // with its NUL: 16 bytes
constexpr std::size_t kHeaderSize = 100;

}  // namespace

std::string StoreFileFault(const std::filesystem::path& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) return "is a folder, not a registry store";
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::string("cannot be read: ") + std::strerror(errno);
    char header[kHeaderSize] = {};
    in.read(header, sizeof header);
    const auto got = static_cast<std::size_t>(in.gcount());
    if (got == 0) return "is empty (0 bytes): the store was damaged; move it away to start a new machine";
    if (std::memcmp(header, kMagic, std::min(got, sizeof kMagic)) != 0) {
        return "holds no registry (it is not an SQLite database)";
    }
    if (got < kHeaderSize) return "is damaged: it is cut short (" + std::to_string(got) + " bytes)";
    return "";
}

bool StoreFileAtSizeLimit(const std::filesystem::path& database) {
    rlimit limit {};
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

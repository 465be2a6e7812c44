#include "platform/emulated/checked_stamp.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>

namespace platform::emulated {

namespace {

// The file's identity and every time the kernel keeps of its last change:
// a write that restores the modification time still moves the change time.
std::string Stamp(const std::filesystem::path& database) {
    struct stat info {};
    if (::lstat(database.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return "";
    char text[160];
    std::snprintf(text, sizeof text, "%llu %llu %lld %lld.%09ld %lld.%09ld\n",
                  static_cast<unsigned long long>(info.st_dev), static_cast<unsigned long long>(info.st_ino),
                  static_cast<long long>(info.st_size), static_cast<long long>(info.st_mtim.tv_sec),
                  info.st_mtim.tv_nsec, static_cast<long long>(info.st_ctim.tv_sec), info.st_ctim.tv_nsec);
    return text;
}

}  // namespace

bool MatchesCheckedStamp(const std::filesystem::path& database, const std::filesystem::path& stamp) {
    const std::string now = Stamp(database);
    if (now.empty()) return false;
    const int fd = ::open(stamp.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    char text[160];
    const ssize_t length = ::read(fd, text, sizeof text);
    ::close(fd);
    return length > 0 && std::string(text, static_cast<std::size_t>(length)) == now;
}

void WriteCheckedStamp(const std::filesystem::path& database, const std::filesystem::path& stamp) {
    const std::string now = Stamp(database);
    if (now.empty()) return;
    // Written aside and renamed over the note: a reader sees the old note
    // or the new one, and a link in the note's place is replaced, not
    // followed.
    const std::string fresh = stamp.string() + ".new-" + std::to_string(::getpid());
    const int fd = ::open(fresh.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0) return;
    const bool written = ::write(fd, now.data(), now.size()) == static_cast<ssize_t>(now.size());
    ::close(fd);
    if (!written || ::rename(fresh.c_str(), stamp.c_str()) != 0) ::unlink(fresh.c_str());
}

}  // namespace platform::emulated

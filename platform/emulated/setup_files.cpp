#include "platform/emulated/setup_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <string>
#include <string_view>
#include <vector>

namespace platform::emulated {

namespace {

constexpr std::string_view kMarker = ".new-";
constexpr std::string_view kSuffixes[] = {"", "-wal", "-shm", "-journal"};

// The process whose set-up file name is, or 0 when name is no set-up file
// of the database named database.
pid_t SetUpFileOwner(std::string_view name, std::string_view database) {
    if (!name.starts_with(database) || !name.substr(database.size()).starts_with(kMarker)) return 0;
    name.remove_prefix(database.size() + kMarker.size());
    pid_t process = 0;
    const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), process);
    if (error != std::errc() || process <= 0 || name.front() == '0') return 0;
    const std::string_view suffix(end, name.data() + name.size() - end);
    return std::find(std::begin(kSuffixes), std::end(kSuffixes), suffix) != std::end(kSuffixes) ? process : 0;
}

// EPERM: it runs, as another user.
bool Runs(pid_t process) { return ::kill(process, 0) == 0 || errno == EPERM; }

}  // namespace

std::filesystem::path SetUpFile(const std::filesystem::path& database, pid_t process) {
    return database.string() + std::string(kMarker) + std::to_string(process);
}

void RemoveStaleSetUpFiles(const std::filesystem::path& database) {
    DIR* folder = ::opendir(database.has_parent_path() ? database.parent_path().c_str() : ".");
    if (folder == nullptr) return;
    const std::string databaseName = database.filename().string();
    std::vector<std::string> stale;
    while (const dirent* entry = ::readdir(folder)) {
        const pid_t owner = SetUpFileOwner(entry->d_name, databaseName);
        if (owner != 0 && !Runs(owner)) stale.emplace_back(entry->d_name);
    }
    for (const std::string& name : stale) {
        struct stat info {};
        if (::fstatat(::dirfd(folder), name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(info.st_mode))
            ::unlinkat(::dirfd(folder), name.c_str(), 0);
    }
    ::closedir(folder);
}

}  // namespace platform::emulated

// The file a new store is built in before it is linked into its place,
// "<database>.new-<pid>", with SQLite's "-wal", "-shm" and "-journal"
// beside it. A set-up that was killed leaves them behind; the next start
// removes them once their process has gone.
#pragma once

#include <sys/types.h>

#include <filesystem>

namespace platform::emulated {

std::filesystem::path SetUpFile(const std::filesystem::path& database, pid_t process);

// Removes from the database's folder the set-up files of processes that no
// longer run: regular files only, never a link or what it points to.
void RemoveStaleSetUpFiles(const std::filesystem::path& database);

}  // namespace platform::emulated

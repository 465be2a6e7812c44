// Checks on the registry store's file made before SQLite opens it: SQLite
// takes an empty file for a new database and would quietly build a fresh
// machine over it, and opening anything is a chance to write to it.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>

namespace platform::emulated {

// What the files of the prefix's store must not be, as words to follow the
// file's name: empty for a regular file. A link is never followed, so that
// no write meant for the store reaches a file elsewhere.
std::string FileKindFault(mode_t mode);

// The same for whatever path names, looked at without following a link;
// empty when nothing is there.
std::string EntryKindFault(const std::filesystem::path& path);

// Empty when path is a regular file that starts like an SQLite database;
// otherwise what is wrong with it, as words to follow the file's name.
std::string StoreFileFault(const std::filesystem::path& path);

// Whether the store or its log has grown to the size this process may
// give a file (RLIMIT_FSIZE): SQLite reports that as a plain write error.
bool StoreFileAtSizeLimit(const std::filesystem::path& database);

// The write-ahead log and shared-memory files beside a database. Remove()
// deletes the ones that were not there when the object was made: a store
// that is refused keeps the company it had.
class StoreSidecars {
public:
    explicit StoreSidecars(const std::filesystem::path& database);
    void RemoveNew() const;

private:
    std::filesystem::path wal_, shm_;
    bool hadWal_ = false, hadShm_ = false;
};

}  // namespace platform::emulated

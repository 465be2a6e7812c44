// The low-level file writing of the shredder: a file opened for exclusive,
// write-through, sequential writing, and the rename and delete that end its
// life. A symbolic link (or another reparse point) is never opened: the
// shredder deletes the link itself and leaves its target alone. Each call
// reaches its file as the deletions of file_delete.h do, only on the
// machine's own drives and through no link, junction or mount point; a
// refused path opens, renames and deletes nothing.
//
// win32/ opens with no sharing, FILE_FLAG_WRITE_THROUGH and
// FILE_FLAG_SEQUENTIAL_SCAN. emulated/ opens with O_DSYNC and takes an
// exclusive flock, which other openers of the shredder respect; a file
// without its owner's write bit is read-only there and is not opened.
// Neither bypasses the file cache, so writes of any length succeed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace platform::shred_io {

using FileHandle = std::intptr_t;

enum class OpenStatus {
    kOpened,
    kSymbolicLink,  // the path names a link; nothing was opened
    kFailed,        // missing, not a regular file, read-only, or in use
};

struct OpenResult {
    OpenStatus status = OpenStatus::kFailed;
    FileHandle handle = 0;   // valid when kOpened
    std::uint64_t size = 0;  // the file's length when opened, before any truncation
};

// Opens an existing regular file for writing, exclusively; with truncate
// the file is then cut to zero length.
OpenResult OpenExclusive(const std::string& path, bool truncate);

// Writes at the current position; false when not all bytes were written.
bool Write(FileHandle file, const std::uint8_t* data, std::size_t size);
// Makes what was written reach the disk.
bool Flush(FileHandle file);
// Sets the position back to the first byte.
bool Rewind(FileHandle file);
void Close(FileHandle file);

enum class RenameStatus { kRenamed, kTargetExists, kFailed };

// Renames a file within its folder; never replaces an existing entry.
RenameStatus RenameNoReplace(const std::string& from, const std::string& to);

// Deletes a file, or a link itself (never what it points to).
bool DeleteEntry(const std::string& path);

}  // namespace platform::shred_io

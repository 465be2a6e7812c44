// A small file read or written whole, by Windows path: the program's own
// files (the cookie keep-list, a file clsDES enciphers), not the files it
// cleans.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

enum class WholeFileStatus {
    kRead,
    kMissing,         // no such file, or no such folder on the way
    kNotRegularFile,  // a folder, a FIFO, a device, or a link in its place
    kTooLarge,        // more bytes than the reader allows
    kFailed,          // it exists but cannot be read
};

struct WholeFile {
    WholeFileStatus status = WholeFileStatus::kFailed;
    std::string bytes;  // the contents when kRead, else empty
};

// Reads a regular file of at most maxBytes in one pass. A symbolic link
// (or another reparse point) in the file's place is refused, never
// followed, and nothing that is not a regular file is read from, so a
// FIFO or a device can neither block the caller nor feed it without end.
WholeFile ReadWholeFile(const std::string& path, std::uint64_t maxBytes);

// Makes bytes the whole contents of path: a new file is written beside it,
// flushed to the disk, and renamed over it. A failure leaves what was
// there before (or nothing) and no partly written file. A read-only file
// or a folder in the way is refused, as Windows refuses to replace them.
bool WriteWholeFile(const std::string& path, std::string_view bytes);

// Creates a folder and any missing folders above it, as
// SHCreateDirectoryEx does; true when the folder exists afterwards.
bool CreateFolderPath(const std::string& path);

}  // namespace platform

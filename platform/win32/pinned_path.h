// The way every deletion on Windows reaches its entry: each folder from the
// drive's root down is opened in turn without following a reparse point
// (FILE_FLAG_OPEN_REPARSE_POINT) and held open without FILE_SHARE_DELETE,
// so that none of them can be renamed, deleted or replaced by a link while
// the deletion runs; a folder on the way that is a reparse point (a
// junction, a symbolic link, a mounted volume) is refused. Only a path on a
// drive letter ("C:\...") is walked: UNC, device and relative paths are
// refused. A refusal is 5 (ERROR_ACCESS_DENIED).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/win32/windows_api.h"

namespace platform::win32 {

class PinnedPath {
public:
    PinnedPath() = default;
    ~PinnedPath();
    PinnedPath(const PinnedPath&) = delete;
    PinnedPath& operator=(const PinnedPath&) = delete;

    // Pins the folders that hold the entry path names. 0, 5 when refused,
    // 3 when a folder on the way is missing or is no folder.
    long PinEntry(const std::string& path);
    // Pins the folders down to the folder path names, that one included.
    // 0, 5 when refused (the folder itself a reparse point too), 3 when it
    // is missing, 267 when it is a file.
    long PinFolder(const std::string& path);

    // The path that was walked, "." and ".." resolved and separators made
    // "\": the one the deletion then uses.
    const std::string& Path() const { return path_; }

private:
    // Splits path into path_ and components; false when it names no place
    // on a drive letter.
    bool Split(const std::string& path, std::vector<std::string>& components);
    // Pins the first count components; lastIsLeaf: the last of them is the
    // folder named, a file there giving 267 rather than 3.
    long Pin(const std::vector<std::string>& components, std::size_t count, bool lastIsLeaf);

    std::vector<HANDLE> folders_;
    std::string path_;
};

}  // namespace platform::win32

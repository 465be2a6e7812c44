// The way every deletion on the emulated machine reaches its entry: from
// the folder of the path's drive (drive_c/ for C:) down, one folder at a
// time, each opened relative to the one before, never through a symbolic
// link and never into another mount. The deletion then works through the
// descriptor of the last folder, so a folder swapped for a link after the
// walk makes it fail instead of reaching elsewhere. Z: (the host's root),
// host paths, UNC and relative paths lie on no drive of the machine: they
// are refused, as is anything the walk cannot enter, with 5
// (ERROR_ACCESS_DENIED).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

namespace platform::emulated {

// An open file descriptor, closed when it goes.
class Descriptor {
public:
    Descriptor() = default;
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(Descriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    Descriptor& operator=(Descriptor&& other) noexcept;
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor();

    int Get() const { return fd_; }
    // Hands the descriptor over to a caller that closes it.
    int Release() { return std::exchange(fd_, -1); }
    explicit operator bool() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

// The mount an open entry lies on (its mount ID, or its device where the
// kernel gives no mount IDs); nothing when it cannot be told.
std::optional<std::uint64_t> MountOf(int fd);

// Where a walk to an entry ended.
struct WalkEnd {
    Descriptor folder;        // the folder that holds the entry (O_PATH)
    std::string name;         // the entry's name as on disk, or as given when there is none
    std::uint64_t mount = 0;  // the drive folder's mount
};

// Walks to the folder that holds the entry path names. 0, or 5 when the
// path is refused (on no drive of the machine, the drive's root itself, a
// link or another mount on the way), 3 when a folder on the way is missing
// or is no folder.
long WalkToEntry(const std::string& path, WalkEnd& end);

// Walks to the folder path names and opens it for reading its entries;
// the folder itself may be neither a link nor a mount point. 0, or 5 as
// above, 3 when it is missing, 267 when it is a file.
long OpenFolderInside(const std::string& path, Descriptor& folder, std::uint64_t& mount);

}  // namespace platform::emulated

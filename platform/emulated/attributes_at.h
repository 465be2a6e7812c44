// File attributes of an entry of an open folder, for listings that must
// describe the folder they opened, not whatever its path names by now.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace platform::emulated {

// As GetFileAttributes derives them, for the entry name of folderFd.
std::optional<std::uint32_t> AttributesAt(int folderFd, const std::string& name);

}  // namespace platform::emulated

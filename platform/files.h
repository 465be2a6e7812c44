// The file system as the program sees it: Windows paths ("C:\a\b").
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace platform {

inline constexpr std::uint32_t kFileAttributeReadOnly = 0x01;
inline constexpr std::uint32_t kFileAttributeHidden = 0x02;
inline constexpr std::uint32_t kFileAttributeSystem = 0x04;
inline constexpr std::uint32_t kFileAttributeDirectory = 0x10;
inline constexpr std::uint32_t kFileAttributeArchive = 0x20;
inline constexpr std::uint32_t kFileAttributeNormal = 0x80;

// As GetFileAttributesA; nothing when the path does not exist.
std::optional<std::uint32_t> GetFileAttributes(const std::string& path);

}  // namespace platform

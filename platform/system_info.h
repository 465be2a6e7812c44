// What the platform tells about the machine and its user.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace platform {

// GetDriveType's answers.
inline constexpr std::uint32_t kDriveUnknown = 0;
inline constexpr std::uint32_t kDriveNoRootDir = 1;
inline constexpr std::uint32_t kDriveRemovable = 2;
inline constexpr std::uint32_t kDriveFixed = 3;
inline constexpr std::uint32_t kDriveRemote = 4;
inline constexpr std::uint32_t kDriveCdrom = 5;
inline constexpr std::uint32_t kDriveRamdisk = 6;

// As GetWindowsDirectoryA ("C:\WINDOWS"); empty when it cannot be told.
std::string WindowsDirectory();

// As GetUserNameA with a buffer of bufferChars characters, the terminating
// NUL included: the logon name of the current user, or nothing when it
// cannot be told or does not fit.
std::optional<std::string> UserName(std::size_t bufferChars);

// The current user's security identifier as text ("S-1-5-21-..."): the
// name of the HKEY_USERS hive that HKEY_CURRENT_USER stands for. Empty when
// it cannot be told.
std::string CurrentUserSid();

// As GetDriveTypeA for a drive's root ("C:\").
std::uint32_t DriveType(const std::string& root);

}  // namespace platform

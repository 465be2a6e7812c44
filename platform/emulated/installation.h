// A Windows installation that is not running, in use instead of the
// prefix: its hive files serve the registry calls (platform/offline/), and
// its system drive is the folder where it is mounted. The emulated parts
// that know the machine's layout (drive mapping, system information,
// environment strings, deletions) read it from here.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace platform::emulated {

// The host folder that the prefix is on an installation: it names nothing
// (nothing can be below /dev/null), so every drive but the system drive,
// and every UNC path, names nothing either.
inline constexpr const char* kNoPrefix = "/dev/null/nimbrel-offline";

struct Installation {
    // The host folder that is the system drive; empty when there is none
    // (single hive files): then no Windows path names a file.
    std::filesystem::path systemDrive;
    char systemDriveLetter = 'c';  // lower case
    std::string windowsDirectory = "C:\\Windows";
    std::string currentUserSid;
    std::optional<std::string> userName;  // the current user's logon name
    std::vector<std::pair<std::string, std::string>> environment;
    // 0, or the Win32 error code that every change of a file fails with
    // (19, write-protected: --read-only, a read-only mount, a hive that
    // may not be changed).
    long writeRefusal = 0;
};

// The installation in use; null on the prefix.
const Installation* CurrentInstallation();

// 0, or the error code with which the machine refuses every deletion and
// every write of a file.
long WriteRefusal();

}  // namespace platform::emulated

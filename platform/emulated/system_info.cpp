// The emulated machine's Windows directory, user and drives. A drive is
// fixed when its folder exists in the prefix (Z:, the host's root, always
// is); like Wine, the machine may give a drive another type with a value
// named after it ("d:"="cdrom") under HKLM\Software\Wine\Drives.
#include "platform/system_info.h"

#include <sys/stat.h>

#include <cstring>
#include <string_view>

#include "platform/emulated/installation.h"
#include "platform/emulated/machine_layout.h"
#include "platform/emulated/paths.h"
#include "platform/emulated/prefix.h"
#include "platform/registry_api.h"

namespace platform {

namespace {

struct DriveTypeText {
    const char* text;
    std::uint32_t type;
};

// Wine's names for the types.
constexpr DriveTypeText kDriveTypeTexts[] = {
    {"floppy", kDriveRemovable}, {"hd", kDriveFixed},        {"network", kDriveRemote},
    {"cdrom", kDriveCdrom},      {"ramdisk", kDriveRamdisk},
};

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// The type the machine's configuration gives the drive, if any.
std::optional<std::uint32_t> ConfiguredType(char letter) {
    HKey key = 0;
    if (RegOpenKey(kHkeyLocalMachine, "Software\\Wine\\Drives", kKeyQueryValue, &key) != kErrorSuccess)
        return std::nullopt;
    char data[32] = {};
    std::uint32_t type = 0;
    std::uint32_t size = sizeof data - 1;
    const std::string name{letter, ':'};
    const long rc = RegQueryValue(key, name, &type, reinterpret_cast<std::uint8_t*>(data), &size);
    RegCloseKey(key);
    if (rc != kErrorSuccess || type != kRegSz) return std::nullopt;
    const std::string_view text(data, strnlen(data, size));
    for (const DriveTypeText& known : kDriveTypeTexts) {
        if (text == known.text) return known.type;
    }
    return std::nullopt;
}

}  // namespace

std::string WindowsDirectory() {
    if (const emulated::Installation* installation = emulated::CurrentInstallation())
        return installation->windowsDirectory;
    return emulated::kWindowsDirectory;
}

std::optional<std::string> UserName(std::size_t bufferChars) {
    std::string name = emulated::LogonName();
    if (const emulated::Installation* installation = emulated::CurrentInstallation()) {
        if (!installation->userName) return std::nullopt;
        name = *installation->userName;
    }
    if (name.size() + 1 > bufferChars) return std::nullopt;
    return name;
}

std::string CurrentUserSid() {
    if (const emulated::Installation* installation = emulated::CurrentInstallation())
        return installation->currentUserSid;
    return emulated::kCurrentUserSid;
}

std::uint32_t DriveType(const std::string& root) {
    // "C:" and "C:\" name the drive; anything else is not a drive's root.
    const bool letter = !root.empty() && ((root[0] >= 'A' && root[0] <= 'Z') || (root[0] >= 'a' && root[0] <= 'z'));
    if (!letter || root.size() < 2 || root[1] != ':' || root.size() > 3 ||
        (root.size() == 3 && root[2] != '\\' && root[2] != '/'))
        return kDriveNoRootDir;
    const char drive = LowerAscii(root[0]);
    if (std::optional<std::uint32_t> configured = ConfiguredType(drive)) return *configured;
    if (drive == 'z') return kDriveFixed;
    struct stat info;
    const std::string folder = emulated::DriveFolder(drive).string();
    return stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) ? kDriveFixed : kDriveNoRootDir;
}

}  // namespace platform

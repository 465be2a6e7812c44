// Where the emulated machine lives on the host, and how Windows paths map
// onto it: X:\a\b is $NIMBREL_HOME/drive_x/a/b, resolved component by
// component without regard to case; Z: is the host's root.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::emulated {

// The host folder of a drive letter: Z: is the host's root; on the prefix
// X: is drive_x in it; on an installation (installation.h) its system
// drive is the folder it is mounted on, and every other letter a folder
// that names nothing.
std::filesystem::path DriveFolder(char letter);

// $NIMBREL_HOME, else $XDG_DATA_HOME/nimbrel, else ~/.local/share/nimbrel.
std::filesystem::path PrefixHome();

// A Windows path ("C:\x", "c:/x") or a host path ("/home/anna/x") as a host
// path. Existing components are matched without regard to case; the rest
// keep the spelling given. A relative path stays relative to the host's
// working directory.
std::filesystem::path ToHostPath(const std::string& path);

// A path on one of the machine's own drives (A: to Y:): the host folder of
// the drive and the components below it, "." and ".." resolved as
// ToHostPath resolves them. Nothing for any other path: Z: (the host's
// root), a host path, a UNC path, a path rooted on the working drive, a
// relative one.
struct DrivePath {
    std::filesystem::path driveFolder;
    std::vector<std::string> components;
};
std::optional<DrivePath> SplitDrivePath(const std::string& path);

// The entry of the open folder folderFd that name names: name itself when
// it exists as spelt, else the first entry in byte order that equals it
// without regard to case, else the first whose stand-in name
// (stand_in_name.h) it is. Nothing when there is none.
std::optional<std::string> EntryIgnoringCase(int folderFd, std::string_view name);

// A host path as the Windows path that names it (inside the prefix's drive
// folders as that drive, anything else under Z:).
std::string ToWindowsPath(const std::filesystem::path& hostPath);

}  // namespace platform::emulated

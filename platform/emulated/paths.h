// Where the emulated machine lives on the host, and how Windows paths map
// onto it: X:\a\b is $NIMBREL_HOME/drive_x/a/b, resolved component by
// component without regard to case; Z: is the host's root.
#pragma once

#include <filesystem>
#include <string>

namespace platform::emulated {

// $NIMBREL_HOME, else $XDG_DATA_HOME/nimbrel, else ~/.local/share/nimbrel.
std::filesystem::path PrefixHome();

// A Windows path ("C:\x", "c:/x") or a host path ("/home/anna/x") as a host
// path. Existing components are matched without regard to case; the rest
// keep the spelling given. A relative path stays relative to the host's
// working directory.
std::filesystem::path ToHostPath(const std::string& path);

// A host path as the Windows path that names it (inside the prefix's drive
// folders as that drive, anything else under Z:).
std::string ToWindowsPath(const std::filesystem::path& hostPath);

}  // namespace platform::emulated

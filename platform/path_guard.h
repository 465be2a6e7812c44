// The guard of the folder and file deletions: some paths are never
// deleted, whatever a row or a registry value names.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// True when two Windows paths name the same place: letters compared without
// regard to case, '/' taken as '\', "." components and final separators
// ignored, ".." components resolved.
bool SamePath(std::string_view a, std::string_view b);

// True for a path that is never deleted: the Windows directory or a folder
// that holds it (an empty windowsDirectory matches nothing), a drive's or a
// share's root however it is spelt, anything shorter than 6 characters, and
// a path that is not fully qualified (a drive letter with "\", or a UNC
// path), which would resolve against whatever folder the program runs in,
// and a path that does not plainly spell what it names: "." or ".."
// components, a component ending in a dot or a space, control characters
// (NUL among them), wildcards, '"', '<', '>', '|', ':' past the drive, or a
// "\\?\" or "\\.\" prefix.
bool IsProtectedPath(std::string_view path, std::string_view windowsDirectory);

}  // namespace platform

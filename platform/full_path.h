// Full paths of files named by the user, as the core wants them.
#pragma once

#include <string>

namespace platform {

// As GetFullPathNameA: path made absolute against the current folder, with
// "." and ".." resolved and nothing looked up on disk. On the emulated
// platform a host path ("/home/anna/x", "x") gives the Windows path of the
// same file ("Z:\home\anna\x").
std::string FullPath(const std::string& path);

}  // namespace platform

// Opening the program's files with the C++ library (file streams,
// std::filesystem), which takes host paths.
#pragma once

#include <filesystem>
#include <string>

namespace platform {

// The host path of the file that path names. path is a Windows path in the
// ANSI code page (Windows-1252); on the emulated platform it may also be a
// host path ("/home/anna/x"), which stays as it is.
std::filesystem::path HostPath(const std::string& path);

}  // namespace platform

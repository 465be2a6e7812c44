// Text and paths from the command line, as the platform needs them.
#pragma once

#include <filesystem>
#include <string>

namespace cli {

// A file named on the command line, as a host path or a Windows path
// ("C:\x"); both name the same file.
std::filesystem::path HostPath(const std::string& argument);

// An argument as ANSI (Windows-1252) text for the registry. False when the
// argument is not valid text in the command line's encoding.
bool ArgumentToAnsi(const std::string& argument, std::string& ansi);

}  // namespace cli

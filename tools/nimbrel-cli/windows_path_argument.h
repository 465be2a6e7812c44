// A file named on the command line as the full Windows path that the core
// works with: on the emulated platform a host path ("/home/anna/x", "x")
// becomes the Windows path of the same file ("Z:\home\anna\x").
#pragma once

#include <string>

namespace cli {

std::string WindowsPathArgument(const std::string& argument);

}  // namespace cli

// Starting another program by its path, as the shell's Shell(path,
// normal window with focus) does: the program runs on its own and the
// caller does not wait for it.
#pragma once

#include <string>

namespace platform {

// Starts the program at path (a Windows path) with no arguments, in a
// normal window with the focus. False when it could not be started.
bool StartProgram(const std::string& path);

}  // namespace platform

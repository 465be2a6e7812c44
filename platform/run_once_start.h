// Starting one run-once command and waiting for it, as the logon does:
// win32/ hands the command line to CreateProcess; emulated/ finds the
// program as CreateProcess would among host files, an "...\ixwipe.exe"
// being the ixwipe program beside the running one.
#pragma once

#include <string>

namespace platform {

// Empty once the command has run (whatever its exit code); otherwise why it
// could not be started.
std::string StartRunOnceCommand(const std::string& command);

}  // namespace platform

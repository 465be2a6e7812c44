// Where the running program lives.
#pragma once

#include <string>

namespace platform {

// The program's folder as the program sees it, a Windows path without a
// final backslash: on Windows the folder of the running executable
// ("C:\Program Files\Nimbrel"); on the emulated platform always the
// machine's own C:\Program Files\Nimbrel, so that each machine keeps its
// own files there and the installed binary's folder is never written.
// Empty when it cannot be told.
std::string ProgramFolder();

}  // namespace platform

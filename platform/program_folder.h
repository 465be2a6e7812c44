// Where the running program lives.
#pragma once

#include <string>

namespace platform {

// The folder of the running program's executable as a Windows path, without
// a final backslash ("C:\Program Files\Nimbrel"); on the emulated platform
// the Windows path of its host folder ("Z:\usr\local\bin"). Empty when it
// cannot be told.
std::string ProgramFolder();

}  // namespace platform

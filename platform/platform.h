// Start-up of the platform layer.
#pragma once

#include <string>

namespace platform {

// Readies the platform for use (on the emulated platform: opens the prefix,
// setting it up on first use). Returns an empty string, or a message that
// says what is wrong and names the file, for the program to print.
std::string Start();

}  // namespace platform

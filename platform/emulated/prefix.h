// The emulated machine's prefix: its registry store and drive folders.
#pragma once

#include <filesystem>
#include <string>

namespace platform::emulated {

// Switches this process to the prefix at home (an empty path means
// PrefixHome() again). The store is opened, and set up if new, at the next
// call that needs it.
void UsePrefix(const std::filesystem::path& home);

// The folder of the prefix in use.
std::filesystem::path CurrentPrefix();

// The logon name of the emulated user (the host's user name).
std::string LogonName();

}  // namespace platform::emulated

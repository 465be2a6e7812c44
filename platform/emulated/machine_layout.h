// Where things are on the emulated machine, which looks like a fresh
// Windows XP installation with one user.
#pragma once

#include <string>

namespace platform::emulated {

// HKEY_CURRENT_USER is this hive of HKEY_USERS.
inline constexpr const char* kCurrentUserSid = "S-1-5-21-0-0-0-1000";
// HKEY_CLASSES_ROOT and HKEY_CURRENT_CONFIG, below HKEY_LOCAL_MACHINE.
inline constexpr const char* kClassesRootPath = "SOFTWARE\\Classes";
inline constexpr const char* kCurrentConfigPath = "SYSTEM\\CurrentControlSet\\Hardware Profiles\\Current";

inline constexpr const char* kWindowsDirectory = "C:\\WINDOWS";
// Nimbrel's own folder on this machine, as its programs see it; made
// when something is first saved there.
inline constexpr const char* kProgramFolder = "C:\\Program Files\\Nimbrel";

// C:\Documents and Settings\<logon name>
std::string ProfileFolder();

}  // namespace platform::emulated

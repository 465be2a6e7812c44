// The registry values the two plug-ins read and write besides their pass
// counts: their switches under HKCU and the shell folders they clean.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace plugins {

inline constexpr const char* kCookieSettingsKey = "Software\\Nimbrel\\Plugins\\Crumbex";
inline constexpr const char* kCacheSettingsKey = "Software\\Nimbrel\\Plugins\\IECacheClean";
inline constexpr const char* kAutomaticCleanValue = "AutomaticClean";
inline constexpr const char* kSecureDeleteValue = "SecureDelete";

// A switch (type "B", default false) is on when it reads as true, as the
// clean engine reads it, so that a box shows what the next run does.
bool ReadSwitch(const std::string& key, const std::string& name);
void WriteSwitch(const std::string& key, const std::string& name, bool on);

// "Cookies" or "Cache" under the current user's "Shell Folders"; nothing
// when the value is missing.
std::optional<std::string> ShellFolder(const std::string& name);

// done × 100 / total, rounded to the nearest whole number, within 0 to 100;
// 100 when there is nothing to do.
int ProgressPercent(std::size_t done, std::size_t total);

}  // namespace plugins

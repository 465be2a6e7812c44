// ScheduleIndexWipe, the last step of every plug-in run: it records the
// plug-in's folder for ixwipe under HKLM\Software\Nimbrel and sets the
// run-once value "Nimbrel" to the ixwipe command for the next logon,
// combining the cookies and the cache commands into "-CC".
#pragma once

#include <optional>
#include <string>

namespace plugins {

enum class IndexWipe {
    kCookies,  // Crumbex: "Software\Nimbrel\Crumbex", "-COOKIES"
    kCache,    // temporary files: "Software\Nimbrel\IECache", "-CACHE"
};

inline constexpr const char* kRunOnceValueName = "Nimbrel";

// The run-once command: programFolder (no final backslash), then
// "\ixwipe.exe " and the switch; the path is never quoted.
std::string IxwipeCommand(const std::string& programFolder, const char* switchText);

// The value a run of `plugin` writes, given the value before (nothing when
// absent): its own command when there was none or its own, "-CC" when
// there was the other plug-in's; nothing (leave it) for anything else, the
// combined command and commands of another folder included. Compared
// exactly, letter case too.
std::optional<std::string> NextRunOnceCommand(IndexWipe plugin, const std::optional<std::string>& before,
                                              const std::string& programFolder);

// Writes "Location" (the plug-in's path box) and the run-once value. Failing
// writes (no right to write under HKLM) are passed over.
void ScheduleIndexWipe(IndexWipe plugin, const std::string& location, const std::string& programFolder);

}  // namespace plugins

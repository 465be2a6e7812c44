// What ixwipe does: shred the index.dat of the cache, of the cookies folder
// or of both, as its one switch says, in the folders that the plug-ins
// recorded under HKLM\Software\Nimbrel.
#pragma once

#include <string>

namespace ixwipe {

enum class Switch { kNone, kCache, kCookies, kBoth };

// The argument text, spaces trimmed, against "-CACHE", "-COOKIES" and "-CC"
// without regard to case; anything else, two switches together included,
// is kNone.
Switch ParseSwitch(const std::string& argumentText);

// "--help", "-h", "/?" or "-?", spaces trimmed: the user asks what ixwipe is.
bool AsksForHelp(const std::string& argumentText);

inline constexpr const char* kUsage =
    "ixwipe shreds the index.dat files that Nimbrel's plug-ins could not delete while they were in use.\n"
    "Windows starts it once at the next logon, from the run-once list:\n"
    "  ixwipe -CACHE     the temporary internet files' index.dat\n"
    "  ixwipe -COOKIES   the cookies folder's index.dat\n"
    "  ixwipe -CC        both\n"
    "The folders are the ones the plug-ins recorded under HKLM\\Software\\Nimbrel. "
    "Any other argument does nothing.\n";

// The cache first, then the cookies folder; a folder without its
// "Location" value is passed over. Reports nothing.
void Run(Switch which);

}  // namespace ixwipe

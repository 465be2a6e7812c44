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

// The cache first, then the cookies folder; a folder without its
// "Location" value is passed over. Reports nothing.
void Run(Switch which);

}  // namespace ixwipe

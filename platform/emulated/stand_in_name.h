// The emulated machine's answer to a host file name that no Windows path
// spells (file_names.h's SpellsPlainly): a name like Windows' 8.3 short
// name that stands in for it. "a\nb.lnk" becomes "a_b~E49345FD.lnk": every
// character a path cannot hold turned into '_', final dots and spaces
// dropped, then '~' and eight hex digits of a hash of the whole host name,
// then the extension when it spells plainly. Listings give it, and a path
// that holds it reaches the host entry (paths.h's EntryIgnoringCase), so
// such a file can be deleted like any other.
#pragma once

#include <string>
#include <string_view>

namespace platform::emulated {

std::string StandInName(std::string_view hostName);

// The name a Windows program sees for a host entry: the name itself when a
// path spells it, else its stand-in.
std::string WindowsName(std::string_view hostName);

}  // namespace platform::emulated

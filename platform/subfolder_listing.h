// The subfolders of a folder, as a find-first/find-next enumeration of
// folder\*.* gives them, less "." and "..". A link or junction to a folder
// is no subfolder here: what lies behind it belongs to another folder.
#pragma once

#include <string>
#include <vector>

namespace platform {

// Hidden and system folders are listed too. Sorted as FileNameLess orders
// them. Returns 0, or a Win32 error code with names left empty (3: no such
// folder, 267: not a folder, 5: a folder the deleting calls refuse, as
// file_delete.h tells). A name that no Windows path spells is listed by its
// stand-in, as ListFiles lists it.
long ListSubfolders(const std::string& folder, std::vector<std::string>& names);

}  // namespace platform

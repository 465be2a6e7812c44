// Looking entries up and listing the files of a folder, by Windows path.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// Win32 error codes of the file calls, besides kErrorFileNotFound (2) and
// kErrorAccessDenied (5) of the registry calls.
inline constexpr long kErrorPathNotFound = 3;
inline constexpr long kErrorDirectory = 267;  // a folder was expected

// The name of the entry that path names, as Dir(path, attributeMask) gives
// it: files and folders whose hidden, system and directory attributes are
// all admitted by the mask (read-only and archive always are). Nothing when
// there is no such entry. Wildcards are not expanded: a path holding '*' or
// '?', or ending in a separator, finds nothing.
std::optional<std::string> FindEntry(const std::string& path, std::uint32_t attributeMask);

// The look-up mask that tells whether a path exists at all: read-only,
// hidden, system, directory and archive entries.
inline constexpr std::uint32_t kExistsMask = 55;

// The names of the files directly in folder that match pattern (see
// MatchesPattern), no folders, sorted as FileNameLess orders them. Hidden
// and system files are listed only when includeHiddenAndSystem is set.
// Returns 0, or a Win32 error code with names left empty (3: no such
// folder, 267: not a folder, 5: a folder the deleting calls refuse, as
// file_delete.h tells). A name that no Windows path spells (SpellsPlainly)
// is listed by a stand-in that reaches the same file: on Windows its 8.3
// short name, on the emulated machine a name of the same kind
// (emulated/stand_in_name.h). Without one it is left out.
long ListFiles(const std::string& folder, const std::string& pattern, bool includeHiddenAndSystem,
               std::vector<std::string>& names);

}  // namespace platform

// File names as Windows compares them: without regard to case, the letters
// of the ANSI code page (Windows-1252) included.
#pragma once

#include <string_view>

namespace platform {

bool FileNamesEqual(std::string_view a, std::string_view b);

// The order of a sorted file list: by upper-cased name, and names that
// differ only in case (possible on a host file system) by their bytes, so
// that the order never depends on the order of the folder.
bool FileNameLess(std::string_view a, std::string_view b);

// Whether name matches pattern: '*' stands for any run of characters, '?'
// for one, letters match without regard to case, and "*.*" matches every
// name, with or without a dot, as on Windows.
bool MatchesPattern(std::string_view pattern, std::string_view name);

// Whether a Windows path spells the folder entry name exactly: no control
// character, none of \ / : * ? " < > |, no final dot or space (Win32 drops
// them), and not "." or "..". The listings give any other name a stand-in
// that does spell it (on Windows the 8.3 short name).
bool SpellsPlainly(std::string_view name);

// Whether a path holds '*' or '?', which would make it a pattern.
bool HasWildcard(std::string_view path);

// Whether a path ends in '\' or '/'.
bool EndsInSeparator(std::string_view path);

// "C:", "C:\x\.." and the like: no name of a folder's entry ends the path.
bool EndsWithoutName(std::string_view path);

}  // namespace platform

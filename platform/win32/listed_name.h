// The name a listing gives a found entry: its long name when a path spells
// it (file_names.h's SpellsPlainly), else its 8.3 short name, which reaches
// the same entry. A long name that ends in a dot or a space, or that the
// ANSI code page cannot spell (it comes back with '?'), needs the short
// name; on a volume without short names such an entry is not listed.
#pragma once

#include <optional>
#include <string>

#include "platform/file_names.h"
#include "platform/win32/windows_api.h"

namespace platform::win32 {

inline std::optional<std::string> ListedName(const WIN32_FIND_DATAA& found) {
    if (SpellsPlainly(found.cFileName)) return std::string(found.cFileName);
    if (SpellsPlainly(found.cAlternateFileName)) return std::string(found.cAlternateFileName);
    return std::nullopt;
}

}  // namespace platform::win32

// The INI text of a cookieignore.ini, read in one pass with the rules of
// the profile functions that wrote it: lines end with CR LF, LF or CR;
// "[name]" opens a section; "name=value" is an entry; names and values are
// trimmed of blanks; names compare without regard to case; of two sections
// of one name only the first is read, and of two entries of one name in it
// only the first; a value loses one pair of enclosing quotes and anything
// after a NUL.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace plugins {

inline constexpr const char* kCountSection = "Number";
inline constexpr const char* kCountEntry = "Count";
inline constexpr const char* kNamesSection = "IgnoreCookies";

struct IgnoreListText {
    // [Number] Count; nothing when it is missing or has no "=".
    std::optional<std::string> count;
    // The values of [IgnoreCookies] whose entry name is an index as the
    // loader asks for it (decimal without leading zeros), ascending, each
    // index once.
    std::vector<std::pair<std::int64_t, std::string>> entries;
};

IgnoreListText ParseIgnoreListText(std::string_view text);

}  // namespace plugins

// Subkey listing through the scan window's registry class, as the scanners
// and the driver use it: set ClassKey and SectionKey, enumerate, and take
// the names from index 1 to the count.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "registry/cregistry.h"

namespace scan {

// ClassKey values: the predefined handles as signed 32-bit numbers.
inline constexpr std::int32_t kClassKeyCurrentUser = -2147483647;
inline constexpr std::int32_t kClassKeyUsers = -2147483645;

// The subkey names of sectionKey under classKey, in the platform's order;
// none when the key cannot be opened.
std::vector<std::string> ListSubkeys(cRegistry& registry, std::int32_t classKey, const std::string& sectionKey);

// The user hive list: the subkeys of HKEY_USERS except those whose last 8
// characters, upper-cased, are "_CLASSES".
std::vector<std::string> ListUserHives(cRegistry& registry);

}  // namespace scan

// Reading all of a key's values or subkey names at once, in enumeration
// order, through the platform's enumeration calls.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/registry_api.h"

namespace registry {

struct ValueEntry {
    std::string name;  // ANSI; empty for the default value
    std::uint32_t type = 0;
    std::string data;
};

// Return 0 or the Win32 error code of the call that failed.
long ListValues(platform::HKey key, std::vector<ValueEntry>& values);
long ListSubKeys(platform::HKey key, std::vector<std::string>& names);

// One value's type and data; kErrorFileNotFound when it does not exist.
long QueryValueEntry(platform::HKey key, const std::string& name, ValueEntry& value);

}  // namespace registry

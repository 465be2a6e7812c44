// One change to the registry, as a .reg file or a command asks for it.
#pragma once

#include <cstdint>
#include <string>

#include "registry/reg_key_name.h"

namespace registry {

struct RegOperation {
    enum class Kind {
        kCreateKey,      // [KEY]
        kDeleteKeyTree,  // [-KEY]
        kSetValue,       // "name"=data
        kDeleteValue,    // "name"=-
    };

    Kind kind = Kind::kCreateKey;
    int line = 0;  // the line of the .reg file that asks for it; 0 for none
    KeyName key;
    std::string valueName;  // ANSI; empty for the default value
    std::uint32_t type = 0;
    std::string data;  // the bytes to store, as the ANSI functions take them
};

}  // namespace registry

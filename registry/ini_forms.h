// The INI-file forms of the registry-or-INI routines: the key path is the
// section, the value name the entry.
#pragma once

#include <string>

#include "registry/value_holder.h"

namespace modRegistry::ini {

long ReadValue(const std::string& file, const std::string& section, const std::string& entry,
               const std::string& typeCode, const ValueHolder& defaultValue, ValueHolder& result);
long WriteValue(const std::string& file, const std::string& section, const std::string& entry,
                const std::string& typeCode, const ValueHolder& value);
long RemoveValue(const std::string& file, const std::string& section, const std::string& entry);
long ReadSection(const std::string& file, const std::string& section, std::string& text);

}  // namespace modRegistry::ini

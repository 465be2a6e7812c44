// Registry-or-INI access: one way to address a stored setting by root name,
// key path, value name and type code. When the root is the path of an
// existing file, the key path is an INI section and the value name an entry.
// No routine raises; each returns a status code, and a reader that finds
// nothing leaves its result at the caller's default.
#pragma once

#include <string>

#include "platform/registry_api.h"
#include "registry/value_holder.h"

namespace modRegistry {

inline constexpr long kStatusOk = 0;
inline constexpr long kStatusUnusableRoot = 99;

// ResolveRoot's marker for an INI-file root.
inline constexpr platform::HKey kIniRoot = 1;

// The absence marker: the default of every MRU probe.
inline constexpr const char* kNone = "<none>";

// Hive handle for "HKCU", "HKLM", "HKU", "HKDD", "HKCC", "HKCR" (any case),
// kIniRoot for the path of an existing ordinary file, 0 otherwise.
platform::HKey ResolveRoot(const std::string& root);

// Type codes "S", "BB", "B", "D" (any case).
long ReadValue(const std::string& root, const std::string& key, const std::string& valueName,
               const std::string& typeCode, const ValueHolder& defaultValue, ValueHolder& result);
long WriteValue(const std::string& root, const std::string& key, const std::string& valueName,
                const std::string& typeCode, const ValueHolder& value);
long RemoveValue(const std::string& root, const std::string& key, const std::string& valueName);
long RemoveKey(const std::string& root, const std::string& parentKey, const std::string& subKey);
// Appends "name=data\0" per value and a closing NUL (two NULs for an empty
// key); leaves text unchanged when the key cannot be opened.
long ReadSection(const std::string& root, const std::string& key, std::string& text);

}  // namespace modRegistry

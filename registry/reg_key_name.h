// Full key names as regedit and reg.exe write them: a root name
// ("HKEY_CURRENT_USER" or its short form "HKCU", any case) and a path
// below it.
#pragma once

#include <string>
#include <string_view>

#include "platform/registry_api.h"

namespace registry {

struct KeyName {
    platform::HKey root = 0;
    std::string path;  // ANSI; empty for the root itself; no trailing '\'
};

// Parses "ROOT" or "ROOT\a\b" (a trailing '\' names the same key). Returns
// an empty string, or a message saying what is wrong with the name.
std::string ParseKeyName(std::string_view text, KeyName& key);

// "HKEY_CURRENT_USER" and so on.
std::string RootLongName(platform::HKey root);

// The name as regedit writes it: "HKEY_CURRENT_USER\a\b".
std::string FullKeyName(const KeyName& key);

}  // namespace registry

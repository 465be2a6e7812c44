// Reading the few things an installation's layout needs straight from a
// hive through hivex, before the hives are mounted: a key by its path, its
// subkeys, a text value.
#pragma once

#include <hivex.h>

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace platform::offline {

// The key below node that path ("A\B\C") names, without regard to case; 0
// when there is none.
hive_node_h NodeAt(hive_h* hive, hive_node_h node, std::string_view path);

// The subkeys of node: each name (in the ANSI code page) and node.
std::vector<std::pair<std::string, hive_node_h>> Subkeys(hive_h* hive, hive_node_h node);

// A text value (REG_SZ or REG_EXPAND_SZ, unexpanded) in the ANSI code page,
// up to its first NUL; nothing when the key has no such value.
std::optional<std::string> TextValue(hive_h* hive, hive_node_h node, const char* name);

}  // namespace platform::offline

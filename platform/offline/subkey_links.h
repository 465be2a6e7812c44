// Where a hive keeps the link from a key to one of its subkeys, read from
// the hive's bytes: hivex removes a link only from an "lf" or "lh" list (the
// lists of Windows NT 4 and later), so a subkey that an old "li" list
// names is not deleted through hivex.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace platform::offline {

// Reads length bytes at offset of the hive file; fewer at its end.
using HiveBytes = std::function<std::string(std::uint64_t offset, std::size_t length)>;

// Whether the subkey list of the key whose cell starts at parent (a hivex
// node handle) names child in an "lf" or "lh" list.
bool LinkedThroughHashList(const HiveBytes& bytes, std::uint64_t parent, std::uint64_t child);

}  // namespace platform::offline

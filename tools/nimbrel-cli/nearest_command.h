// The command a mistyped name most likely meant.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace cli {

// The name among known that is fewest single-letter edits (insertions,
// deletions, changes, swaps of two neighbours) away from typed, if it is
// near enough to be a slip of the fingers; else empty.
std::string NearestCommand(std::string_view typed, const std::vector<std::string>& known);

}  // namespace cli

// The file extensions of the extension-keyed lists, indexed from 1, each
// without its dot and with its letter case.
#pragma once

#include <string_view>

namespace scan {

inline constexpr int kExtensionCount = 168;

// The extension at index 1 to kExtensionCount.
std::string_view Extension(int index);

}  // namespace scan

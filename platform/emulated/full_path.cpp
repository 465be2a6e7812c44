#include "platform/full_path.h"

#include "platform/emulated/paths.h"

namespace platform {

// The mapping resolves "." and ".." and makes the path absolute on its way
// to the host and back.
std::string FullPath(const std::string& path) { return emulated::ToWindowsPath(emulated::ToHostPath(path)); }

}  // namespace platform
